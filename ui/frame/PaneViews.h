#pragma once

#include <QString>

class QTreeView;

namespace vantor {

/// A pane's header text from the string table.
QString PaneHeaderText(int stringId);
/// An empty list in report style (a tree view without branches), named `name`.
QTreeView* MakePaneList(const QString& name);
/// An empty tree, named `name`.
QTreeView* MakePaneTree(const QString& name);

} // namespace vantor
