#include "ui/frame/CCmdFragView.h"

#include "resources/StringIds.h"
#include "ui/frame/PaneViews.h"

#include <QTreeView>

namespace vantor {

CCmdFragView::CCmdFragView(QWidget* parent)
    : CPaneView(PaneHeaderText(IDS_COMMAND_PANE_HEADER),
                MakePaneList(QStringLiteral("commandList")), parent) {
    setObjectName(QStringLiteral("commandPane"));
}

void CCmdFragView::SetCommandOwner(CMTObj* owner) {
    m_owner = owner;
}

void CCmdFragView::SelectFragment(CCmdFrag& /*fragment*/) {}

} // namespace vantor
