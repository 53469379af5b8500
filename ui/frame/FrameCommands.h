#pragma once

#include "ui/frame/CommandTarget.h"

namespace vantor {

class CMainFrame;

/// The commands the main frame handles itself: the Property Window and Keyboard window
/// toggles, Show Property Window, toolbar and status bar, window arrangement, context help.
class FrameCommands : public CommandTarget {
public:
    explicit FrameCommands(CMainFrame& frame);

    bool Handles(CommandId id) const override;
    bool IsEnabled(CommandId id) const override;
    bool IsChecked(CommandId id) const override;
    void Execute(CommandId id) override;

private:
    void ShowPropertyWindow();

    CMainFrame& m_frame;
};

} // namespace vantor
