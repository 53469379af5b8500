#pragma once

#include "ui/frame/CModuleView.h"
#include "ui/frame/ModuleTree.h"
#include "ui/frame/ModuleTreeModel.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

namespace vantor::test {

/// Where the node's item is on screen in the Module Pane (its parents opened and the tree
/// scrolled to it), in viewport coordinates.
inline QPoint TreePoint(const CModuleView& pane, const CMTObj* node) {
    ModuleTree* tree = pane.Tree();
    const QModelIndex index = pane.Model()->IndexOf(node);
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        tree->expand(parent);
    tree->scrollTo(index);
    QCoreApplication::processEvents();
    return tree->visualRect(index).center();
}

/// Clicks the node's item in the Module Pane.
inline void ClickNode(const CModuleView& pane, const CMTObj* node) {
    QTest::mouseClick(pane.Tree()->viewport(), Qt::LeftButton, {}, TreePoint(pane, node));
}

/// Clicks the check box of a Module's item.
inline void ClickModuleCheckBox(const CModuleView& pane, const CMTObj* module) {
    QTest::mouseClick(pane.Tree()->viewport(), Qt::LeftButton, {},
                      pane.Tree()->CheckBoxRect(pane.Model()->IndexOf(module)).center());
}

/// Moves the mouse with the left button held from `start` far enough to start a drag;
/// answers where it ended.
inline QPoint PullAway(const CModuleView& pane, const QPoint& start) {
    QWidget* viewport = pane.Tree()->viewport();
    QPoint at = start;
    for (int step = 0; step < 3; ++step) {
        at += QPoint(0, QApplication::startDragDistance());
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
    }
    return at;
}

/// Drags the node's item with the mouse: press, pull away, release. The pane's drag loop
/// (SetDragLoop) plays the platform's part.
inline void DragNode(const CModuleView& pane, const CMTObj* node) {
    QWidget* viewport = pane.Tree()->viewport();
    const QPoint start = TreePoint(pane, node);
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    const QPoint far = PullAway(pane, start);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, far);
}

/// Drops `data` on the tree at `pos` as a drag from another window would; answers the action
/// the drop took. `moveAccepted` tells what the drag-over answered.
inline Qt::DropAction DropOnTree(const CModuleView& pane, QMimeData* data, const QPoint& pos,
                                 Qt::KeyboardModifiers modifiers, bool* moveAccepted = nullptr) {
    QWidget* viewport = pane.Tree()->viewport();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(pos, offered, data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(pos, offered, data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(viewport, &move);
    if (moveAccepted)
        *moveAccepted = move.isAccepted();
    QDropEvent drop(QPointF(pos), offered, data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(viewport, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

} // namespace vantor::test
