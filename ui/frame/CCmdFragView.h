#pragma once

#include "ui/frame/CPaneView.h"
#include "ui/frame/PaneList.h"

#include <functional>
#include <vector>

class QDrag;

namespace vantor {

class CChildFrame;
class CCmdFrag;
class CommandListModel;
class PaneContextMenu;

/// The Command Pane (right column of a Library window): the command fragments of one node,
/// the owner, chosen in the Module Pane. The user adds, deletes, reorders, copies, cuts, pastes
/// and drags fragments here; the focused fragment is what the Property Window edits.
class CCmdFragView : public CPaneView, private PaneDragHandler {
    Q_OBJECT
public:
    /// Runs a drag to its end and answers what the target did with it (copy, move or
    /// nothing). Tests replace the platform's loop with one that delivers the drop.
    using DragLoop = std::function<Qt::DropAction(QDrag&)>;

    explicit CCmdFragView(QWidget* parent = nullptr);
    ~CCmdFragView() override;

    /// Prepares the empty list of `frame`'s Library, with no owner.
    void InitialUpdate(CChildFrame& frame);

    /// Lists the commands of `owner` (none: an empty list). Nothing happens when `owner`
    /// already is the listed owner.
    void SetCommandOwner(CMTObj* owner);
    CMTObj* CommandOwner() const;
    /// Selects and focuses the row of `fragment`, a command of the listed owner.
    void SelectFragment(CCmdFrag& fragment);
    /// The fragment of the focused row, or null.
    CCmdFrag* FocusedFragment() const;
    /// The fragments of the selected rows, top to bottom.
    std::vector<CCmdFrag*> SelectedFragments() const;

    CommandListModel* Model() const { return m_model; }
    PaneList* List() const { return m_list; }
    PaneContextMenu* ContextMenus() const { return m_menus; }
    void SetDragLoop(DragLoop loop) { m_dragLoop = std::move(loop); }

    ArchiveObject* PropertyObject() const override;
    bool Handles(CommandId id) const override;
    bool IsEnabled(CommandId id) const override;
    void Execute(CommandId id) override;

private:
    bool TakesCommands() const;
    void NewCommand();
    /// Takes `fragments` out of `owner`, last first, after clearing the selection.
    void RemoveCommands(CMTObj& owner, const std::vector<CCmdFrag*>& fragments);
    void Move(bool up);
    void Copy();
    void Paste();
    void SelectAll();
    void KeepColumnWidth(int column, int width);

    void ListDragEnter(QDragMoveEvent& event) override;
    void ListDragMove(QDragMoveEvent& event, const QPoint& point) override;
    void ListDragLeave() override;
    void ListDrop(QDropEvent& event, const QPoint& point) override;
    void ListStartDrag() override;

    PaneList* m_list;
    CChildFrame* m_frame = nullptr;
    CommandListModel* m_model = nullptr;
    PaneContextMenu* m_menus = nullptr;
    DragLoop m_dragLoop;
    int m_dropKind = 0; // 0 no drag, 2 fragments over a list that can take them, -1 other
};

} // namespace vantor
