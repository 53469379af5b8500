#include "ui/frame/CModuleView.h"

#include "resources/StringIds.h"
#include "ui/frame/PaneViews.h"

#include <QTreeView>

namespace vantor {

CModuleView::CModuleView(QWidget* parent)
    : CPaneView(PaneHeaderText(IDS_MODULE_PANE_HEADER), MakePaneTree(QStringLiteral("moduleTree")),
                parent) {
    setObjectName(QStringLiteral("modulePane"));
}

} // namespace vantor
