#include "ui/frame/PaneViews.h"

#include "resources/StringTable.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

namespace vantor {
namespace {

QTreeView* MakeView(const QString& name) {
    auto* view = new QTreeView;
    view->setObjectName(name);
    view->setModel(new QStandardItemModel(view));
    view->header()->hide();
    view->setFrameShape(QFrame::NoFrame);
    return view;
}

} // namespace

QString PaneHeaderText(int stringId) {
    const std::string_view text = LoadString(stringId);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QTreeView* MakePaneList(const QString& name) {
    QTreeView* view = MakeView(name);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    return view;
}

QTreeView* MakePaneTree(const QString& name) {
    return MakeView(name);
}

} // namespace vantor
