#pragma once

#include "ui/frame/CommandId.h"

#include <QMenu>
#include <QObject>
#include <QPointer>

#include <functional>
#include <initializer_list>
#include <vector>

class QAbstractItemView;

class QModelIndex;

namespace vantor {

/// The context menus of a pane's list, built from the command router's actions and owned by
/// the main window. The right button's press puts the focus into the list (its pane becomes
/// the active one) and, on a row, hands the row to the pane (which selects it) and the release
/// shows the row's menu, or the empty-space menu after a press elsewhere in the list; the menu key
/// and Shift+F10 show the menu of the list's current row. Separators are written as CommandId{0}.
class PaneContextMenu : public QObject {
    Q_OBJECT
public:
    struct Menu {
        const char* name;
        std::vector<CommandId> items;
    };

    PaneContextMenu(QAbstractItemView& view, Menu rowMenu, Menu emptyMenu,
                    std::function<void(const QModelIndex&)> pressedOnRow);

    /// The menu on screen, or null.
    QMenu* Shown() const { return m_shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show(const Menu& menu, const QPoint& globalPos);
    void ShowForKeyboard();

    QAbstractItemView& m_view;
    Menu m_rowMenu;
    Menu m_emptyMenu;
    std::function<void(const QModelIndex&)> m_pressedOnRow;
    bool m_rightHeld = false;
    bool m_pressOnRow = false;
    QPointer<QMenu> m_shown;
};

} // namespace vantor
