#pragma once

#include "ui/frame/CommandId.h"

#include <QObject>

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QTimer;

namespace vantor {

class CommandTarget;

/// Owns one QAction per command and routes each to the first target of the command chain that
/// handles it. Enabled and checked states come from that target and are evaluated again
/// whenever something asks for it (selection, focus, clipboard, active Library) and right
/// before a command runs, so a stale state never lets a disabled command through.
class CommandRouter : public QObject {
    Q_OBJECT
public:
    /// The targets to ask, most specific first (active pane, its Library window, the main
    /// frame, the application). Null entries are skipped.
    using ChainProvider = std::function<std::vector<CommandTarget*>()>;

    explicit CommandRouter(QObject* parent = nullptr);
    ~CommandRouter() override;

    /// The action of a command; never null for an id of the enumeration.
    QAction* Action(CommandId id) const;
    /// Every action, sorted by command id.
    std::vector<QAction*> Actions() const;

    void SetChainProvider(ChainProvider provider);
    /// Targets asked after the chain (application-wide handlers), in the order added.
    void AppendTarget(CommandTarget* target);
    void RemoveTarget(CommandTarget* target);

    /// The target that would receive the command now, or null when none handles it.
    CommandTarget* FindHandler(CommandId id) const;
    /// Runs the command when a target handles it and it is enabled; answers whether it ran.
    bool Execute(CommandId id);

    /// Evaluates every action's enabled and checked state now.
    void UpdateActions();
    /// Evaluates them at the next turn of the event loop (many requests, one update).
    void RequestUpdate();

signals:
    /// Sent after every command that ran.
    void commandExecuted(vantor::CommandId id);

private:
    std::vector<CommandTarget*> Chain() const;

    std::vector<std::pair<CommandId, QAction*>> m_actions; // sorted by id
    ChainProvider m_chain;
    std::vector<CommandTarget*> m_tail;
    QTimer* m_updateTimer;
};

} // namespace vantor
