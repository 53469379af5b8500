#pragma once

#include "document/ModuleView.h"
#include "ui/frame/CPaneView.h"
#include "ui/frame/ModuleTree.h"

#include <functional>
#include <string_view>

class QMimeData;

namespace vantor {

class CChildFrame;
class ModuleTreeModel;

/// The Module Pane (middle column of a Library window): the tree of the Library's Modules and
/// their objects, with the Module check boxes of the current Game, the commands that create,
/// rename, move, delete, copy and paste objects, context menus, and drag and drop of objects
/// and command fragments. The selected object is shown in the Command Pane and, while the
/// pane is active, in the Property Window.
class CModuleView : public CPaneView, public ModuleView, private ModuleTreeHost {
    Q_OBJECT
public:
    /// Runs a drag of `data` offering `actions`; answers the action the drop took.
    using DragLoop = std::function<Qt::DropAction(QMimeData* mime, Qt::DropActions actions)>;

    explicit CModuleView(QWidget* parent = nullptr);
    ~CModuleView() override;

    /// Shows the window's Library: the tree follows the document from now on.
    void Attach(CChildFrame& frame);

    ModuleTree* Tree() const { return m_tree; }
    ModuleTreeModel* Model() const { return m_model; }

    CMTObj* GetSelectedNode() const override { return SelectedObject(); }
    CMTObj* SelectedObject() const override;

    /// Shows every Module's check box again from the document's current Game.
    void UpdateModuleChecks();
    /// The Module of the item stops or starts being used by the current Game; nothing without
    /// a current Game or for any other item.
    void ToggleModuleUse(const QModelIndex& index) override;
    /// Selects the node's item (its parents expanded) and shows the node in the Property
    /// Window and the Command Pane. False when the node is not in this tree.
    bool SelectObject(CMTObj& node);

    /// Takes the object out of the Library and destroys it; what showed it shows nothing.
    void DeleteTreeObject(CMTObj& node);
    /// Inserts the object held by "VTMtObj" data where it goes from `at` (none: a Module
    /// goes where a new Module would). Answers the inserted object, or null when the data is
    /// unusable or the object cannot go there (nothing changed then).
    CMTObj* PasteObject(CMTObj* at, std::string_view bytes);

    /// Replaces the platform's drag loop (tests drive drops through it).
    void SetDragLoop(DragLoop loop) { m_dragLoop = std::move(loop); }

    bool Handles(CommandId id) const override;
    bool IsEnabled(CommandId id) const override;
    void Execute(CommandId id) override;

private:
    template <typename Class> void NewObject(int type, int nameFormat, bool edit);
    void NewStartup();
    void NewCommand();
    void Move(bool up);
    void Copy();
    void Paste();
    void Delete();
    void Rename();

    void ShowContextMenu(const QModelIndex& index, const QPoint& globalPos) override;
    void DragObject(const QModelIndex& index) override;
    bool TakesFragments(const QModelIndex& index) const override;
    bool DropModuleLast(const QByteArray& bytes);
    bool DropData(const QModelIndex& index, const QMimeData& mime, DropKind kind,
                  Qt::DropAction effect) override;

    void ExpandFromFlags(const QModelIndex& parent, int first, int last);
    void OnExpanded(const QModelIndex& index, bool expanded);
    void OnRowsRemoved();
    void OnSelectionChanged();

    ModuleTree* m_tree;
    ModuleTreeModel* m_model = nullptr;
    CChildFrame* m_frame = nullptr;
    DragLoop m_dragLoop;
};

} // namespace vantor
