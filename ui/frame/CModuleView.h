#pragma once

#include "document/ModuleView.h"
#include "ui/frame/CPaneView.h"

namespace vantor {

/// The Module Pane (middle column of a Library window): the tree of the Library's Modules and
/// their objects. For now the empty tree under its header; the document asks it for its
/// selection.
class CModuleView : public CPaneView, public ModuleView {
    Q_OBJECT
public:
    explicit CModuleView(QWidget* parent = nullptr);

    CMTObj* GetSelectedNode() const override;

    /// Shows every Module's check box again from the document's current Game.
    void UpdateModuleChecks() {}
};

} // namespace vantor
