#pragma once

#include "document/DocumentObserver.h"

#include <vector>

namespace vantor {

/// A document observer that passes every call on to the observers added to it, in the order
/// they were added: one Library document can so feed its window, each pane's item model and
/// the Keyboard window. `SelectNode` stops at the first observer that selects the node.
///
/// Observers are not owned; each must be removed before it is destroyed. Adding or removing
/// an observer while a call is being passed on is not allowed.
class DocumentObserverList : public DocumentObserver {
public:
    /// Adds `observer` at the end (an observer already in the list is not added again).
    void Add(DocumentObserver& observer);
    void Remove(DocumentObserver& observer);

    void ChildrenAboutToBeInserted(CMTObj& parent, int row, int count) override;
    void ChildrenInserted(CMTObj& parent, int row, int count) override;
    void ChildrenAboutToBeRemoved(CMTObj& parent, int row, int count) override;
    void ChildrenRemoved(CMTObj& parent, int row, int count) override;
    void CommandsAboutToBeInserted(CMTObj& owner, int row, int count) override;
    void CommandsInserted(CMTObj& owner, int row, int count) override;
    void CommandsAboutToBeRemoved(CMTObj& owner, int row, int count) override;
    void CommandsRemoved(CMTObj& owner, int row, int count) override;
    void NodeChanged(CMTObj& node, unsigned what) override;
    void FragmentChanged(CCmdFrag& fragment) override;
    void GameChanged(CScript& game, unsigned what) override;
    void Modified() override;
    void KeyboardOutOfDate() override;
    bool SelectNode(CMTObj& node) override;

    void ModulesAboutToBeInserted(int row, int count) override;
    void ModulesInserted(int row, int count) override;
    void ModulesAboutToBeRemoved(int row, int count) override;
    void ModulesRemoved(int row, int count) override;
    void GamesAboutToBeInserted(int row, int count) override;
    void GamesInserted(int row, int count) override;
    void GamesAboutToBeRemoved(int row, int count) override;
    void GamesRemoved(int row, int count) override;
    void CurrentGameChanged(CScript* game) override;
    void ModuleStatesChanged() override;
    void ModifiedChanged(bool modified) override;
    void ContentsAboutToBeDestroyed() override;
    void ContentsDestroyed() override;

private:
    template <typename Call> void ForEach(Call call) {
        for (DocumentObserver* observer : m_observers)
            call(*observer);
    }

    std::vector<DocumentObserver*> m_observers;
};

} // namespace vantor
