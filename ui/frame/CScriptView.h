#pragma once

#include "ui/frame/CPaneView.h"
#include "ui/frame/PaneList.h"

namespace vantor {

class CChildFrame;
class CScript;
class GameListModel;
class PaneContextMenu;

/// The Game Pane (left column of a Library window): the Library's Games with their script
/// files, one selected at most. Selecting a Game makes it the Library's current Game. The pane
/// renames, deletes, moves, saves, previews and finds the script of the selected Game, and
/// accepts no drops.
class CScriptView : public CPaneView, private PaneDragHandler {
    Q_OBJECT
public:
    explicit CScriptView(QWidget* parent = nullptr);
    ~CScriptView() override;

    /// Fills the list from `frame`'s Library and selects its first Game, which becomes current.
    void InitialUpdate(CChildFrame& frame);

    /// The Game of the selected row, or null.
    CScript* SelectedGame() const;
    /// Selects and focuses the row of `game` and makes it the current Game.
    void SelectGame(CScript& game);
    /// Takes `game` out of the Library and frees it; when it was the selected Game, first
    /// makes no Game current.
    void DeleteGame(CScript& game);

    GameListModel* Model() const { return m_model; }
    PaneList* List() const { return m_list; }
    PaneContextMenu* ContextMenus() const { return m_menus; }

    ArchiveObject* PropertyObject() const override;
    bool Handles(CommandId id) const override;
    bool IsEnabled(CommandId id) const override;
    void Execute(CommandId id) override;

private:
    /// The Game becomes the one the Property Window and the Module check boxes show (null:
    /// none).
    void MakeCurrent(CScript* game);
    void Move(bool up);
    void Delete();
    void KeepColumnWidth(int column, int width);

    void ListDragEnter(QDragMoveEvent& event) override;
    void ListDragMove(QDragMoveEvent& event, const QPoint& point) override;
    void ListDragLeave() override;
    void ListDrop(QDropEvent& event, const QPoint& point) override;

    PaneList* m_list;
    CChildFrame* m_frame = nullptr;
    GameListModel* m_model = nullptr;
    PaneContextMenu* m_menus = nullptr;
};

} // namespace vantor
