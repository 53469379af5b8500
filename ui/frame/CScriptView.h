#pragma once

#include "ui/frame/CPaneView.h"

namespace vantor {

/// The Game Pane (left column of a Library window): the list of the Library's Games. For now
/// the empty list under its header.
class CScriptView : public CPaneView {
    Q_OBJECT
public:
    explicit CScriptView(QWidget* parent = nullptr);
};

} // namespace vantor
