#pragma once

#include "ui/frame/CommandId.h"

namespace vantor {

/// Something that can carry out commands: a pane, a Library window, the main frame, the
/// application. The command router asks the targets of its chain in order; the first that
/// handles a command decides whether it is enabled and checked and carries it out. A command
/// that no target handles is disabled.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    /// Whether this target has a handler for the command (whatever its current state).
    virtual bool Handles(CommandId id) const = 0;
    /// Whether the handled command can run now. Only asked when Handles(id) is true.
    virtual bool IsEnabled(CommandId id) const {
        static_cast<void>(id);
        return true;
    }
    /// Whether the handled command shows a check mark now. Only asked when Handles(id) is true.
    virtual bool IsChecked(CommandId id) const {
        static_cast<void>(id);
        return false;
    }
    /// Carries the command out. Only called when Handles(id) and IsEnabled(id) are true.
    virtual void Execute(CommandId id) = 0;
};

/// A Library window: a command target of its own that also names its active pane, which comes
/// before it in the command chain.
class DocumentCommandTarget : public CommandTarget {
public:
    /// The active pane of this window, or none.
    virtual CommandTarget* ActivePaneTarget() const = 0;
};

} // namespace vantor
