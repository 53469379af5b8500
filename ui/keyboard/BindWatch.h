#pragma once

#include "document/DocumentObserver.h"

#include <functional>

namespace vantor {

/// Hears a Library's changes that can change which keys its Games bind or make a Bind go
/// away (Binds inserted or removed, Modules inserted or removed, the whole contents
/// destroyed) and calls `changed` for each, so that the Keyboard window drops what it knows
/// at once and is shown again later.
class BindWatch : public DocumentObserver {
public:
    explicit BindWatch(std::function<void()> changed) : m_changed(std::move(changed)) {}

    void ChildrenInserted(CMTObj& parent, int row, int count) override;
    void ChildrenRemoved(CMTObj& parent, int row, int count) override;
    void ModulesInserted(int row, int count) override;
    void ModulesRemoved(int row, int count) override;
    void ContentsAboutToBeDestroyed() override;

private:
    std::function<void()> m_changed;
};

} // namespace vantor
