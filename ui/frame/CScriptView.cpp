#include "ui/frame/CScriptView.h"

#include "resources/StringIds.h"
#include "ui/frame/PaneViews.h"

#include <QTreeView>

namespace vantor {

CScriptView::CScriptView(QWidget* parent)
    : CPaneView(PaneHeaderText(IDS_GAME_PANE_HEADER), MakePaneList(QStringLiteral("gameList")),
                parent) {
    setObjectName(QStringLiteral("gamePane"));
}

void CScriptView::SelectGame(CScript& /*game*/) {}

} // namespace vantor
