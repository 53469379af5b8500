#pragma once

#include <QPersistentModelIndex>
#include <QTimer>
#include <QTreeView>

class QMimeData;

namespace vantor {

/// What the Module tree asks of its pane: the actions behind its mouse, key and drag events.
class ModuleTreeHost {
public:
    /// The drop kinds: what the data over the tree offers.
    enum DropKind : int { DropNone = 0, DropObject = 1, DropFragments = 2, DropOther = -1 };

    virtual ~ModuleTreeHost() = default;

    /// A click on a Module's check box, or Space on the selected item.
    virtual void ToggleModuleUse(const QModelIndex& index) = 0;
    /// The context menu of the item (invalid: of the empty space) at a global position.
    virtual void ShowContextMenu(const QModelIndex& index, const QPoint& globalPos) = 0;
    /// The user starts dragging the item, whose object allows it.
    virtual void DragObject(const QModelIndex& index) = 0;
    /// Whether the item takes dropped command fragments.
    virtual bool TakesFragments(const QModelIndex& index) const = 0;
    /// Drops the data on the item (an invalid index: below the items) with the effect (copy or
    /// move); true when it went in.
    virtual bool DropData(const QModelIndex& index, const QMimeData& data, DropKind kind,
                          Qt::DropAction effect) = 0;

protected:
    ModuleTreeHost() = default;
    ModuleTreeHost(const ModuleTreeHost&) = default;
    ModuleTreeHost& operator=(const ModuleTreeHost&) = default;
};

/// The tree of the Module Pane: the Module check boxes (a click toggles, a double click on a
/// box is ignored), the right button's context menus, Space, the menu key and Shift+F10,
/// dragging objects out (an object that may not be copied shows the no-drop cursor until the
/// button is released) and dropping objects and command fragments onto items, with the drop
/// target highlighted and the tree scrolling at its top and bottom edges.
class ModuleTree : public QTreeView {
    Q_OBJECT
public:
    enum class MouseMode { Idle, RightHeld, RefusedDrag };

    explicit ModuleTree(QWidget* parent = nullptr);

    /// Who carries out what the tree's events ask for (not owned; null for nobody).
    void SetHost(ModuleTreeHost* host) { m_host = host; }

    MouseMode Mode() const { return m_mode; }
    /// The item shown as the drop target, or invalid.
    QModelIndex DropHighlight() const { return m_dropHighlight; }
    /// Where a Module's check box is drawn (empty for other items).
    QRect CheckBoxRect(const QModelIndex& index) const;
    /// Whether an item's label is being edited in place.
    bool IsEditing() const { return state() == EditingState; }
    /// The selected item, or invalid when none is selected.
    QModelIndex SelectedIndex() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    bool OnCheckBox(const QModelIndex& index, const QPoint& pos) const;
    void ShowMenuAtSelection();
    void SetDropHighlight(const QModelIndex& index);
    void EndDrop();
    /// Scrolls one line towards the edge the point is near, and keeps doing so while it
    /// stays there.
    void AutoScroll(const QPoint& pos);
    void ScrollOneLine();

    ModuleTreeHost* m_host = nullptr;
    MouseMode m_mode = MouseMode::Idle;
    QPersistentModelIndex m_rightItem;
    // A left press on a check box: the release on the same box toggles it.
    QPersistentModelIndex m_checkPress;
    bool m_swallowRelease = false;
    ModuleTreeHost::DropKind m_dropKind = ModuleTreeHost::DropNone;
    QPersistentModelIndex m_dropHighlight;
    QTimer m_scrollTimer;
    int m_scrollDirection = 0;
};

} // namespace vantor
