#include "ui/frame/ModuleTree.h"

#include "model/CMTObj.h"
#include "model/ModelCodes.h"
#include "ui/frame/ClipboardFormats.h"
#include "ui/frame/ModuleTreeModel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace vantor {
namespace {

// The item delegate, which also tells where it draws an item's check box.
class TreeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QRect CheckRect(QStyleOptionViewItem option, const QModelIndex& index,
                    const QWidget* widget) const {
        initStyleOption(&option, index);
        if (!(option.features & QStyleOptionViewItem::HasCheckIndicator))
            return {};
        const QStyle* style = widget ? widget->style() : QApplication::style();
        return style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, widget);
    }
};

// How near the top or bottom edge a drag must come for the tree to scroll.
constexpr int kScrollMargin = 12;
constexpr int kScrollInterval = 80; // ms between lines while the drag stays at the edge

} // namespace

ModuleTree::ModuleTree(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("moduleTree"));
    setItemDelegate(new TreeDelegate(this));
    header()->hide();
    setFrameShape(QFrame::NoFrame);
    // Every row has the same height: the view then never measures rows it does not show.
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setExpandsOnDoubleClick(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setAutoScroll(false); // the drag handlers scroll the tree themselves
    m_scrollTimer.setInterval(kScrollInterval);
    connect(&m_scrollTimer, &QTimer::timeout, this, &ModuleTree::ScrollOneLine);
}

QRect ModuleTree::CheckBoxRect(const QModelIndex& index) const {
    const auto* delegate = dynamic_cast<const TreeDelegate*>(itemDelegate());
    if (!index.isValid() || delegate == nullptr)
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return delegate->CheckRect(option, index, this);
}

QModelIndex ModuleTree::SelectedIndex() const {
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isSelected(current))
        return current;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.first();
}

bool ModuleTree::OnCheckBox(const QModelIndex& index, const QPoint& pos) const {
    return index.isValid() && CheckBoxRect(index).contains(pos);
}

// --- Mouse ------------------------------------------------------------------------------------

void ModuleTree::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    if (event->button() == Qt::RightButton && m_mode == MouseMode::Idle) {
        // The context menu opens when the button is released; the item is selected now.
        m_rightItem = index;
        if (index.isValid())
            setCurrentIndex(index);
        m_mode = MouseMode::RightHeld;
        event->accept();
        return;
    }
    if (m_mode != MouseMode::Idle) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && OnCheckBox(index, pos)) {
        m_checkPress = index;
        m_swallowRelease = true;
        event->accept();
        return;
    }
    m_checkPress = QModelIndex();
    m_swallowRelease = false;
    QTreeView::mousePressEvent(event);
}

void ModuleTree::mouseMoveEvent(QMouseEvent* event) {
    if (m_mode != MouseMode::Idle || (m_swallowRelease && event->buttons() != Qt::NoButton)) {
        event->accept();
        return;
    }
    QTreeView::mouseMoveEvent(event);
}

void ModuleTree::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_mode == MouseMode::RightHeld && event->button() == Qt::RightButton) {
        m_mode = MouseMode::Idle;
        const QModelIndex item = m_rightItem;
        m_rightItem = QModelIndex();
        if (m_host)
            m_host->ShowContextMenu(item, event->globalPosition().toPoint());
        event->accept();
        return;
    }
    if (m_mode == MouseMode::RefusedDrag && event->button() == Qt::LeftButton) {
        m_mode = MouseMode::Idle;
        viewport()->unsetCursor();
        setState(NoState);
        event->accept();
        return;
    }
    if (m_mode != MouseMode::Idle) {
        event->accept();
        return;
    }
    if (m_swallowRelease) {
        m_swallowRelease = false;
        const QModelIndex index = indexAt(pos);
        if (event->button() == Qt::LeftButton && m_checkPress.isValid() && index == m_checkPress &&
            OnCheckBox(index, pos) && m_host)
            m_host->ToggleModuleUse(index);
        m_checkPress = QModelIndex();
        event->accept();
        return;
    }
    QTreeView::mouseReleaseEvent(event);
}

void ModuleTree::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    // A double click on a check box neither toggles it again nor expands the Module.
    if (m_mode != MouseMode::Idle || OnCheckBox(indexAt(pos), pos)) {
        m_checkPress = QModelIndex();
        m_swallowRelease = true;
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

// --- Keys and context menus -------------------------------------------------------------------

void ModuleTree::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (event->key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
        if (m_host)
            m_host->ToggleModuleUse(SelectedIndex());
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
        (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        ShowMenuAtSelection();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ModuleTree::contextMenuEvent(QContextMenuEvent* event) {
    // The right button and the keys open the menus themselves.
    event->accept();
}

void ModuleTree::ShowMenuAtSelection() {
    const QModelIndex selected = SelectedIndex();
    QPoint at(0, 0);
    if (selected.isValid()) {
        scrollTo(selected);
        const QRect rect = visualRect(selected);
        at = QPoint(rect.left() + rect.height(), rect.bottom());
    }
    if (m_host)
        m_host->ShowContextMenu(selected, viewport()->mapToGlobal(at));
}

// --- Dragging out -----------------------------------------------------------------------------

void ModuleTree::startDrag(Qt::DropActions /*supportedActions*/) {
    const QModelIndex index = currentIndex();
    const CMTObj* node = ModuleTreeModel::Node(index);
    if (node == nullptr || m_host == nullptr)
        return;
    if (!node->IsAllowed(OpCopy)) {
        // Refused: the no-drop cursor until the button is released.
        viewport()->setCursor(Qt::ForbiddenCursor);
        m_mode = MouseMode::RefusedDrag;
        return;
    }
    m_host->DragObject(index);
    // The drag loop took the button's release; one that still arrives is not a click.
    m_swallowRelease = true;
}

// --- Dropping in ------------------------------------------------------------------------------

namespace {

ModuleTreeHost::DropKind KindOf(const QMimeData* data) {
    if (data == nullptr)
        return ModuleTreeHost::DropOther;
    if (data->hasFormat(ObjectDataFormat()))
        return ModuleTreeHost::DropObject;
    if (data->hasFormat(CommandDataFormat()))
        return ModuleTreeHost::DropFragments;
    return ModuleTreeHost::DropOther;
}

// Copy with Ctrl, move without; nothing when the source does not offer it.
Qt::DropAction EffectOf(const QDropEvent& event) {
    const Qt::DropAction wanted =
        event.modifiers().testFlag(Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
    return event.possibleActions().testFlag(wanted) ? wanted : Qt::IgnoreAction;
}

} // namespace

void ModuleTree::dragEnterEvent(QDragEnterEvent* event) {
    m_dropKind = KindOf(event->mimeData());
    if (m_dropKind == ModuleTreeHost::DropOther) {
        // Files from the desktop go on to the main window.
        m_dropKind = ModuleTreeHost::DropNone;
        event->ignore();
        return;
    }
    event->accept();
    dragMoveEvent(event);
}

void ModuleTree::dragMoveEvent(QDragMoveEvent* event) {
    if (m_dropKind <= ModuleTreeHost::DropNone) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    const Qt::DropAction effect = EffectOf(*event);
    AutoScroll(pos);
    const QModelIndex index = indexAt(pos);
    SetDropHighlight(index);
    bool answer = effect != Qt::IgnoreAction;
    if (index.isValid() && m_dropKind == ModuleTreeHost::DropFragments)
        answer = answer && m_host && m_host->TakesFragments(index);
    if (answer) {
        event->setDropAction(effect);
        event->accept();
    } else {
        event->ignore();
    }
}

void ModuleTree::dragLeaveEvent(QDragLeaveEvent* event) {
    EndDrop();
    event->accept();
}

void ModuleTree::dropEvent(QDropEvent* event) {
    const ModuleTreeHost::DropKind kind = m_dropKind;
    const QModelIndex index = indexAt(event->position().toPoint());
    const Qt::DropAction effect = EffectOf(*event);
    EndDrop();
    // Below the last row only a Module can go: where a new Module would.
    const bool placed = index.isValid() || kind == ModuleTreeHost::DropObject;
    if (kind <= ModuleTreeHost::DropNone || !placed || effect == Qt::IgnoreAction ||
        event->mimeData() == nullptr || m_host == nullptr ||
        !m_host->DropData(index, *event->mimeData(), kind, effect)) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return;
    }
    event->setDropAction(effect);
    event->accept();
}

void ModuleTree::EndDrop() {
    m_dropKind = ModuleTreeHost::DropNone;
    SetDropHighlight(QModelIndex());
    m_scrollTimer.stop();
    m_scrollDirection = 0;
}

void ModuleTree::SetDropHighlight(const QModelIndex& index) {
    if (index == m_dropHighlight)
        return;
    if (m_dropHighlight.isValid())
        viewport()->update(visualRect(m_dropHighlight));
    m_dropHighlight = index;
    if (index.isValid())
        viewport()->update(visualRect(index));
}

void ModuleTree::AutoScroll(const QPoint& pos) {
    const int direction =
        pos.y() < kScrollMargin ? -1 : (pos.y() >= viewport()->height() - kScrollMargin ? 1 : 0);
    if (direction == m_scrollDirection)
        return;
    m_scrollDirection = direction;
    if (direction == 0) {
        m_scrollTimer.stop();
        return;
    }
    ScrollOneLine();
    m_scrollTimer.start();
}

void ModuleTree::ScrollOneLine() {
    if (m_scrollDirection == 0 || m_dropKind <= ModuleTreeHost::DropNone) {
        m_scrollTimer.stop();
        return;
    }
    verticalScrollBar()->triggerAction(m_scrollDirection < 0
                                           ? QAbstractSlider::SliderSingleStepSub
                                           : QAbstractSlider::SliderSingleStepAdd);
}

void ModuleTree::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    if (index == m_dropHighlight) {
        QStyleOptionViewItem highlighted(option);
        highlighted.state |= QStyle::State_Selected;
        QTreeView::drawRow(painter, highlighted, index);
        return;
    }
    QTreeView::drawRow(painter, option, index);
}

} // namespace vantor
