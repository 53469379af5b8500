#pragma once

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace vantor::test {

/// What a widget answered to a drag that entered, moved and (when asked) dropped at one point.
struct DragAnswer {
    bool entered = false;
    bool moveAccepted = false;
    Qt::DropAction moveAction = Qt::IgnoreAction;
    bool dropAccepted = false;
    Qt::DropAction dropAction = Qt::IgnoreAction;

    /// What the drag source hears at the end of the drag.
    Qt::DropAction Result() const { return dropAccepted ? dropAction : Qt::IgnoreAction; }
};

/// Delivers a drag of `data` offering copy and move to `target` at `point` (target
/// coordinates), as the platform's drag loop does, and drops it there when `drop`.
inline DragAnswer DragOver(QWidget* target, const QPoint& point, const QMimeData* data,
                           Qt::KeyboardModifiers modifiers, bool drop) {
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    DragAnswer answer;
    QDragEnterEvent enter(point, offered, data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    answer.entered = enter.isAccepted();
    QDragMoveEvent move(point, offered, data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &move);
    answer.moveAccepted = move.isAccepted();
    answer.moveAction = move.dropAction();
    if (drop) {
        QDropEvent dropped(QPointF(point), offered, data, Qt::LeftButton, modifiers);
        QCoreApplication::sendEvent(target, &dropped);
        answer.dropAccepted = dropped.isAccepted();
        answer.dropAction = dropped.dropAction();
    } else {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(target, &leave);
    }
    return answer;
}

} // namespace vantor::test
