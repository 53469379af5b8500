#include "document/DocumentObserverList.h"

#include <algorithm>

namespace vantor {

void DocumentObserverList::Add(DocumentObserver& observer) {
    if (std::find(m_observers.begin(), m_observers.end(), &observer) == m_observers.end())
        m_observers.push_back(&observer);
}

void DocumentObserverList::Remove(DocumentObserver& observer) {
    std::erase(m_observers, &observer);
}

void DocumentObserverList::ChildrenAboutToBeInserted(CMTObj& parent, int row, int count) {
    ForEach([&](DocumentObserver& observer) {
        observer.ChildrenAboutToBeInserted(parent, row, count);
    });
}

void DocumentObserverList::ChildrenInserted(CMTObj& parent, int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.ChildrenInserted(parent, row, count); });
}

void DocumentObserverList::ChildrenAboutToBeRemoved(CMTObj& parent, int row, int count) {
    ForEach(
        [&](DocumentObserver& observer) { observer.ChildrenAboutToBeRemoved(parent, row, count); });
}

void DocumentObserverList::ChildrenRemoved(CMTObj& parent, int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.ChildrenRemoved(parent, row, count); });
}

void DocumentObserverList::CommandsAboutToBeInserted(CMTObj& owner, int row, int count) {
    ForEach(
        [&](DocumentObserver& observer) { observer.CommandsAboutToBeInserted(owner, row, count); });
}

void DocumentObserverList::CommandsInserted(CMTObj& owner, int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.CommandsInserted(owner, row, count); });
}

void DocumentObserverList::CommandsAboutToBeRemoved(CMTObj& owner, int row, int count) {
    ForEach(
        [&](DocumentObserver& observer) { observer.CommandsAboutToBeRemoved(owner, row, count); });
}

void DocumentObserverList::CommandsRemoved(CMTObj& owner, int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.CommandsRemoved(owner, row, count); });
}

void DocumentObserverList::NodeChanged(CMTObj& node, unsigned what) {
    ForEach([&](DocumentObserver& observer) { observer.NodeChanged(node, what); });
}

void DocumentObserverList::FragmentChanged(CCmdFrag& fragment) {
    ForEach([&](DocumentObserver& observer) { observer.FragmentChanged(fragment); });
}

void DocumentObserverList::GameChanged(CScript& game, unsigned what) {
    ForEach([&](DocumentObserver& observer) { observer.GameChanged(game, what); });
}

void DocumentObserverList::Modified() {
    ForEach([&](DocumentObserver& observer) { observer.Modified(); });
}

void DocumentObserverList::KeyboardOutOfDate() {
    ForEach([&](DocumentObserver& observer) { observer.KeyboardOutOfDate(); });
}

bool DocumentObserverList::SelectNode(CMTObj& node) {
    return std::any_of(m_observers.begin(), m_observers.end(),
                       [&](DocumentObserver* observer) { return observer->SelectNode(node); });
}

void DocumentObserverList::ModulesAboutToBeInserted(int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.ModulesAboutToBeInserted(row, count); });
}

void DocumentObserverList::ModulesInserted(int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.ModulesInserted(row, count); });
}

void DocumentObserverList::ModulesAboutToBeRemoved(int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.ModulesAboutToBeRemoved(row, count); });
}

void DocumentObserverList::ModulesRemoved(int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.ModulesRemoved(row, count); });
}

void DocumentObserverList::GamesAboutToBeInserted(int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.GamesAboutToBeInserted(row, count); });
}

void DocumentObserverList::GamesInserted(int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.GamesInserted(row, count); });
}

void DocumentObserverList::GamesAboutToBeRemoved(int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.GamesAboutToBeRemoved(row, count); });
}

void DocumentObserverList::GamesRemoved(int row, int count) {
    ForEach([&](DocumentObserver& observer) { observer.GamesRemoved(row, count); });
}

void DocumentObserverList::CurrentGameChanged(CScript* game) {
    ForEach([&](DocumentObserver& observer) { observer.CurrentGameChanged(game); });
}

void DocumentObserverList::ModuleStatesChanged() {
    ForEach([&](DocumentObserver& observer) { observer.ModuleStatesChanged(); });
}

void DocumentObserverList::ModifiedChanged(bool modified) {
    ForEach([&](DocumentObserver& observer) { observer.ModifiedChanged(modified); });
}

void DocumentObserverList::ContentsAboutToBeDestroyed() {
    ForEach([&](DocumentObserver& observer) { observer.ContentsAboutToBeDestroyed(); });
}

void DocumentObserverList::ContentsDestroyed() {
    ForEach([&](DocumentObserver& observer) { observer.ContentsDestroyed(); });
}

} // namespace vantor
