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

} // namespace vantor
