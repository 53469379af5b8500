#pragma once

#include "ui/frame/CPaneView.h"

namespace vantor {

class CScript;

/// The Game Pane (left column of a Library window): the list of the Library's Games. For now
/// the empty list under its header.
class CScriptView : public CPaneView {
    Q_OBJECT
public:
    explicit CScriptView(QWidget* parent = nullptr);

    /// Selects and focuses the row of `game` and makes it the current Game.
    void SelectGame(CScript& game);
};

} // namespace vantor
