#pragma once

#include "ui/frame/CPaneView.h"

namespace vantor {

class CCmdFrag;

/// The Command Pane (right column of a Library window): the commands of the object selected
/// in the Module Pane. For now the empty list under its header.
class CCmdFragView : public CPaneView {
    Q_OBJECT
public:
    explicit CCmdFragView(QWidget* parent = nullptr);

    /// Lists the commands of `owner` (none: an empty list). Nothing happens when `owner`
    /// already is the listed owner.
    void SetCommandOwner(CMTObj* owner);
    CMTObj* CommandOwner() const { return m_owner; }
    /// Selects and focuses the row of `fragment`, a command of the listed owner.
    void SelectFragment(CCmdFrag& fragment);

private:
    CMTObj* m_owner = nullptr;
};

} // namespace vantor
