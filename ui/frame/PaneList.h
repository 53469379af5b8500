#pragma once

#include <QTreeView>

class QDragMoveEvent;
class QDropEvent;

namespace vantor {

/// What a pane does with drags over its list and with a drag started from it. Points are in
/// the list's client area (viewport) coordinates; a drag over the column header or a scroll
/// bar arrives with a point outside that area.
class PaneDragHandler {
public:
    virtual ~PaneDragHandler() = default;
    virtual void ListDragEnter(QDragMoveEvent& event) = 0;
    virtual void ListDragMove(QDragMoveEvent& event, const QPoint& point) = 0;
    virtual void ListDragLeave() = 0;
    virtual void ListDrop(QDropEvent& event, const QPoint& point) = 0;
    /// The user started dragging the selected rows.
    virtual void ListStartDrag() {}
};

/// A pane's list in report style: rows without branches, a column header, drags and drops
/// handed to the pane, and the row a drag is over drawn highlighted.
class PaneList : public QTreeView {
    Q_OBJECT
public:
    PaneList(const QString& name, PaneDragHandler& handler);

    /// Highlights the row a drag is over (-1: none).
    void SetDropRow(int row);
    int DropRow() const { return m_dropRow; }

protected:
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool HandleDrag(QEvent* event, const QPoint& point);

    PaneDragHandler& m_handler;
    int m_dropRow = -1;
};

} // namespace vantor
