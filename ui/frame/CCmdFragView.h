#pragma once

#include "ui/frame/CPaneView.h"

namespace vantor {

/// The Command Pane (right column of a Library window): the commands of the object selected
/// in the Module Pane. For now the empty list under its header.
class CCmdFragView : public CPaneView {
    Q_OBJECT
public:
    explicit CCmdFragView(QWidget* parent = nullptr);
};

} // namespace vantor
