#include "ui/frame/FrameCommands.h"

#include "ui/frame/CMainFrame.h"

#include <QDockWidget>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

namespace vantor {

FrameCommands::FrameCommands(CMainFrame& frame) : m_frame(frame) {}

bool FrameCommands::Handles(CommandId id) const {
    switch (id) {
    case CommandId::ViewProperties:
    case CommandId::ShowPropertyWindow:
    case CommandId::ViewKeyboard:
    case CommandId::ViewToolbar:
    case CommandId::ViewStatusBar:
    case CommandId::WindowCascade:
    case CommandId::WindowTile:
    case CommandId::ContextHelp:
        return true;
    default:
        return false;
    }
}

bool FrameCommands::IsEnabled(CommandId id) const {
    switch (id) {
    case CommandId::WindowCascade:
    case CommandId::WindowTile:
        return !m_frame.MdiArea()->subWindowList().isEmpty();
    case CommandId::ContextHelp:
        return !QWhatsThis::inWhatsThisMode();
    default:
        return true;
    }
}

bool FrameCommands::IsChecked(CommandId id) const {
    switch (id) {
    case CommandId::ViewProperties:
        return !m_frame.PropertyDock()->isHidden();
    case CommandId::ViewKeyboard:
        return !m_frame.KeyboardDock()->isHidden();
    case CommandId::ViewToolbar:
        return !m_frame.ToolBar()->isHidden();
    case CommandId::ViewStatusBar:
        return !m_frame.statusBar()->isHidden();
    default:
        return false;
    }
}

void FrameCommands::Execute(CommandId id) {
    const auto toggle = [](QWidget* widget) { widget->setVisible(widget->isHidden()); };
    switch (id) {
    case CommandId::ViewProperties:
        toggle(m_frame.PropertyDock());
        break;
    case CommandId::ShowPropertyWindow:
        ShowPropertyWindow();
        break;
    case CommandId::ViewKeyboard:
        toggle(m_frame.KeyboardDock());
        break;
    case CommandId::ViewToolbar:
        toggle(m_frame.ToolBar());
        break;
    case CommandId::ViewStatusBar:
        toggle(m_frame.statusBar());
        break;
    case CommandId::WindowCascade:
        m_frame.MdiArea()->cascadeSubWindows();
        break;
    case CommandId::WindowTile:
        m_frame.MdiArea()->tileSubWindows();
        break;
    case CommandId::ContextHelp:
        QWhatsThis::enterWhatsThisMode();
        break;
    default:
        break;
    }
}

// Never hides the window: shows it when hidden, brings it forward (it may be a tab or float)
// and gives it the keyboard focus, which it hands on to its page.
void FrameCommands::ShowPropertyWindow() {
    QDockWidget* dock = m_frame.PropertyDock();
    if (dock->isHidden())
        dock->show();
    dock->raise();
    if (dock->isFloating())
        dock->activateWindow();
    if (QWidget* content = dock->widget())
        content->setFocus(Qt::ShortcutFocusReason);
}

} // namespace vantor
