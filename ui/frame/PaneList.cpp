#include "ui/frame/PaneList.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPainter>

namespace vantor {

PaneList::PaneList(const QString& name, PaneDragHandler& handler) : m_handler(handler) {
    setObjectName(name);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setFrameShape(QFrame::NoFrame);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
}

void PaneList::SetDropRow(int row) {
    if (row == m_dropRow)
        return;
    m_dropRow = row;
    viewport()->update();
}

// Drags over the header or a scroll bar reach the list itself rather than its client area.
bool PaneList::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        const QPoint point = static_cast<QDropEvent*>(event)->position().toPoint();
        return HandleDrag(event, viewport()->mapFrom(this, point));
    }
    case QEvent::DragLeave:
        return HandleDrag(event, QPoint());
    default:
        return QTreeView::event(event);
    }
}

void PaneList::dragEnterEvent(QDragEnterEvent* event) {
    HandleDrag(event, event->position().toPoint());
}

void PaneList::dragMoveEvent(QDragMoveEvent* event) {
    HandleDrag(event, event->position().toPoint());
}

void PaneList::dragLeaveEvent(QDragLeaveEvent* event) {
    HandleDrag(event, QPoint());
}

void PaneList::dropEvent(QDropEvent* event) {
    HandleDrag(event, event->position().toPoint());
}

bool PaneList::HandleDrag(QEvent* event, const QPoint& point) {
    switch (event->type()) {
    case QEvent::DragEnter: {
        // The list takes part in every drag that enters it, so that it hears the moves that
        // follow; whether a drop is possible here is answered with the drop action.
        auto* enter = static_cast<QDragMoveEvent*>(event);
        m_handler.ListDragEnter(*enter);
        m_handler.ListDragMove(*enter, point);
        if (!enter->isAccepted())
            enter->setDropAction(Qt::IgnoreAction);
        enter->accept();
        break;
    }
    case QEvent::DragMove:
        m_handler.ListDragMove(*static_cast<QDragMoveEvent*>(event), point);
        break;
    case QEvent::DragLeave:
        m_handler.ListDragLeave();
        break;
    case QEvent::Drop:
        m_handler.ListDrop(*static_cast<QDropEvent*>(event), point);
        break;
    default:
        return false;
    }
    return true;
}

void PaneList::startDrag(Qt::DropActions /*supportedActions*/) {
    m_handler.ListStartDrag();
}

void PaneList::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if (m_dropRow < 0 || model() == nullptr)
        return;
    const QModelIndex first = model()->index(m_dropRow, 0, rootIndex());
    if (!first.isValid())
        return;
    QRect band = visualRect(first);
    band.setLeft(0);
    band.setRight(viewport()->width() - 1);
    QPainter painter(viewport());
    QColor fill = palette().color(QPalette::Highlight);
    painter.setPen(fill);
    fill.setAlpha(64);
    painter.setBrush(fill);
    painter.drawRect(band.adjusted(0, 0, 0, -1));
}

} // namespace vantor
