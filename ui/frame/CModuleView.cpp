#include "ui/frame/CModuleView.h"

#include "model/CMTObj.h"
#include "resources/StringIds.h"
#include "ui/frame/PaneViews.h"

#include <QTreeView>

namespace vantor {

CModuleView::CModuleView(QWidget* parent)
    : CPaneView(PaneHeaderText(IDS_MODULE_PANE_HEADER), MakePaneTree(QStringLiteral("moduleTree")),
                parent) {
    setObjectName(QStringLiteral("modulePane"));
}

CMTObj* CModuleView::GetSelectedNode() const {
    return dynamic_cast<CMTObj*>(SelectedObject());
}

} // namespace vantor
