#pragma once

namespace vantor {

class CMTObj;

/// What a Library document asks of the Module pane that shows its Modules.
class ModuleView {
public:
    virtual ~ModuleView() = default;

    /// The node selected in the Module tree, or null when nothing is selected.
    virtual CMTObj* GetSelectedNode() const = 0;

protected:
    ModuleView() = default;
    ModuleView(const ModuleView&) = default;
    ModuleView& operator=(const ModuleView&) = default;
};

} // namespace vantor
