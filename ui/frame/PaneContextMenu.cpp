#include "ui/frame/PaneContextMenu.h"

#include "ui/frame/CMainFrame.h"
#include "ui/frame/CommandRouter.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace vantor {

PaneContextMenu::PaneContextMenu(QAbstractItemView& view, Menu rowMenu, Menu emptyMenu,
                                 std::function<void(const QModelIndex&)> pressedOnRow)
    : QObject(&view), m_view(view), m_rowMenu(std::move(rowMenu)),
      m_emptyMenu(std::move(emptyMenu)), m_pressedOnRow(std::move(pressedOnRow)) {
    view.installEventFilter(this);
    view.viewport()->installEventFilter(this);
}

bool PaneContextMenu::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched != m_view.viewport() || mouse->button() != Qt::RightButton || m_rightHeld)
            break;
        const QModelIndex index = m_view.indexAt(mouse->position().toPoint());
        // The menu's commands go to the active pane: the one clicked becomes it.
        m_view.setFocus(Qt::MouseFocusReason);
        m_rightHeld = true;
        m_pressOnRow = index.isValid();
        if (m_pressOnRow)
            m_pressedOnRow(index);
        return true;
    }
    case QEvent::MouseMove:
        // Nothing is dragged or swept with the right button held.
        return watched == m_view.viewport() && m_rightHeld;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched != m_view.viewport() || mouse->button() != Qt::RightButton || !m_rightHeld)
            break;
        m_rightHeld = false;
        Show(m_pressOnRow ? m_rowMenu : m_emptyMenu, mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::ContextMenu:
        // The mouse's menu comes with the release above; the keyboard's is shown here.
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
            ShowForKeyboard();
        return true;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (watched == &m_view && (menuKey || shiftF10)) {
            ShowForKeyboard();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void PaneContextMenu::ShowForKeyboard() {
    // The current row when it is selected, else the first selected one.
    const QItemSelectionModel* selection = m_view.selectionModel();
    QModelIndex row = m_view.currentIndex();
    if (selection != nullptr && !selection->isSelected(row)) {
        const QModelIndexList rows = selection->selectedRows();
        row = rows.isEmpty() ? QModelIndex() : rows.first();
    }
    const bool onRow = row.isValid();
    const QRect rect = onRow ? m_view.visualRect(row) : QRect(0, 0, 0, 0);
    Show(onRow ? m_rowMenu : m_emptyMenu, m_view.viewport()->mapToGlobal(rect.center()));
}

void PaneContextMenu::Show(const Menu& menu, const QPoint& globalPos) {
    auto* frame = qobject_cast<CMainFrame*>(m_view.window());
    if (frame == nullptr)
        return;
    if (m_shown)
        m_shown->close();
    CommandRouter& router = frame->Router();
    router.UpdateActions();
    auto* popup = new QMenu(frame);
    popup->setObjectName(QLatin1String(menu.name));
    popup->setAttribute(Qt::WA_DeleteOnClose);
    for (CommandId id : menu.items) {
        if (id == CommandId{0})
            popup->addSeparator();
        else
            popup->addAction(router.Action(id));
    }
    m_shown = popup;
    popup->popup(globalPos);
}

} // namespace vantor
