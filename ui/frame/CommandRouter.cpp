#include "ui/frame/CommandRouter.h"

#include "ui/frame/CommandCatalog.h"
#include "ui/frame/CommandTarget.h"

#include <QAction>
#include <QTimer>

#include <algorithm>

namespace vantor {

CommandRouter::CommandRouter(QObject* parent)
    : QObject(parent), m_actions(CreateCommandActions(this)), m_updateTimer(new QTimer(this)) {
    m_updateTimer->setSingleShot(true);
    m_updateTimer->setInterval(0);
    connect(m_updateTimer, &QTimer::timeout, this, &CommandRouter::UpdateActions);
    for (const auto& [id, action] : m_actions)
        connect(action, &QAction::triggered, this, [this, commandId = id] { Execute(commandId); });
}

CommandRouter::~CommandRouter() = default;

QAction* CommandRouter::Action(CommandId id) const {
    const auto it =
        std::lower_bound(m_actions.begin(), m_actions.end(), id,
                         [](const auto& entry, CommandId key) { return entry.first < key; });
    return it != m_actions.end() && it->first == id ? it->second : nullptr;
}

std::vector<QAction*> CommandRouter::Actions() const {
    std::vector<QAction*> actions;
    actions.reserve(m_actions.size());
    for (const auto& entry : m_actions)
        actions.push_back(entry.second);
    return actions;
}

void CommandRouter::SetChainProvider(ChainProvider provider) {
    m_chain = std::move(provider);
    RequestUpdate();
}

void CommandRouter::AppendTarget(CommandTarget* target) {
    if (target && std::find(m_tail.begin(), m_tail.end(), target) == m_tail.end())
        m_tail.push_back(target);
    RequestUpdate();
}

void CommandRouter::RemoveTarget(CommandTarget* target) {
    m_tail.erase(std::remove(m_tail.begin(), m_tail.end(), target), m_tail.end());
    RequestUpdate();
}

std::vector<CommandTarget*> CommandRouter::Chain() const {
    std::vector<CommandTarget*> chain = m_chain ? m_chain() : std::vector<CommandTarget*>{};
    chain.insert(chain.end(), m_tail.begin(), m_tail.end());
    return chain;
}

CommandTarget* CommandRouter::FindHandler(CommandId id) const {
    for (CommandTarget* target : Chain())
        if (target && target->Handles(id))
            return target;
    return nullptr;
}

bool CommandRouter::Execute(CommandId id) {
    CommandTarget* target = FindHandler(id);
    if (!target || !target->IsEnabled(id)) {
        RequestUpdate(); // the action showed a stale state
        return false;
    }
    target->Execute(id);
    RequestUpdate();
    emit commandExecuted(id);
    return true;
}

void CommandRouter::UpdateActions() {
    m_updateTimer->stop();
    const std::vector<CommandTarget*> chain = Chain();
    for (const auto& [id, action] : m_actions) {
        CommandTarget* handler = nullptr;
        for (CommandTarget* target : chain) {
            if (target && target->Handles(id)) {
                handler = target;
                break;
            }
        }
        action->setEnabled(handler && handler->IsEnabled(id));
        if (action->isCheckable())
            action->setChecked(handler && handler->IsChecked(id));
    }
}

void CommandRouter::RequestUpdate() {
    if (!m_updateTimer->isActive())
        m_updateTimer->start();
}

} // namespace vantor
