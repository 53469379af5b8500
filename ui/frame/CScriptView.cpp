#include "ui/frame/CScriptView.h"

#include "app/AppSettings.h"
#include "app/CVantorApp.h"
#include "app/MessageService.h"
#include "document/CVantorDoc.h"
#include "model/CScript.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/GameListModel.h"
#include "ui/frame/LibraryCommands.h"
#include "ui/frame/ModelText.h"
#include "ui/frame/PaneContextMenu.h"
#include "ui/frame/PaneViews.h"

#include <QDropEvent>
#include <QHeaderView>

namespace vantor {

using C = CommandId;

CScriptView::CScriptView(QWidget* parent)
    : CPaneView(PaneHeaderText(IDS_GAME_PANE_HEADER),
                new PaneList(QStringLiteral("gameList"), *this), parent),
      m_list(static_cast<PaneList*>(View())) {
    setObjectName(QStringLiteral("gamePane"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_list->header()->setSectionsClickable(false);
    m_list->header()->setStretchLastSection(false);
}

CScriptView::~CScriptView() {
    if (m_model == nullptr)
        return;
    disconnect(m_list->selectionModel(), nullptr, this, nullptr);
    m_frame->Observers().Remove(*m_model);
}

void CScriptView::InitialUpdate(CChildFrame& frame) {
    m_frame = &frame;
    m_model = new GameListModel(frame.Document(), this);
    frame.Observers().Add(*m_model);
    m_list->setModel(m_model);
    WatchSelection();

    const AppSettings& settings = frame.Settings();
    m_list->header()->resizeSection(GameListModel::NameColumn, settings.slCol0);
    m_list->header()->resizeSection(GameListModel::FileColumn, settings.slCol1);
    connect(m_list->header(), &QHeaderView::sectionResized, this,
            [this](int column, int /*oldWidth*/, int width) { KeepColumnWidth(column, width); });

    // A row that becomes selected makes its Game current; losing the selection changes
    // nothing.
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (!selected.isEmpty())
                    MakeCurrent(m_model->GameAt(selected.indexes().first()));
            });
    connect(m_model, &GameListModel::gameRenamed, this, [this](CScript* game) {
        m_frame->ObjectChanged(*game);
        MakeCurrent(game);
    });

    m_menus = new PaneContextMenu(
        *m_list,
        {"menu146",
         {C::NewGame, C{0}, C::SaveScript, C::PreviewGameScript, C::BrowseForScript, C{0},
          C::EditDelete, C::MoveUp, C::MoveDown}},
        {"menu147", {C::NewGame}}, [this](const QModelIndex& index) {
            m_list->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
        });

    if (m_model->rowCount() > 0)
        m_list->selectionModel()->select(m_model->index(0, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CScriptView::KeepColumnWidth(int column, int width) {
    AppSettings& settings = m_frame->Settings();
    if (column == GameListModel::NameColumn)
        settings.slCol0 = width;
    else if (column == GameListModel::FileColumn)
        settings.slCol1 = width;
}

CScript* CScriptView::SelectedGame() const {
    if (m_model == nullptr)
        return nullptr;
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_model->GameAt(rows.first());
}

ArchiveObject* CScriptView::PropertyObject() const {
    return SelectedGame();
}

void CScriptView::MakeCurrent(CScript* game) {
    m_frame->SetCurrentObject(game);
    m_frame->Document().SetCurrentGame(game);
}

void CScriptView::SelectGame(CScript& game) {
    if (m_model == nullptr)
        return;
    const QModelIndex index = m_model->IndexOf(game);
    if (!index.isValid())
        return;
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_list->scrollTo(index);
    MakeCurrent(&game);
}

void CScriptView::DeleteGame(CScript& game) {
    if (m_model == nullptr)
        return;
    // A single-selection list would select a neighbour of a removed current row, and make its
    // Game current: the row loses the focus first.
    if (&game == SelectedGame()) {
        MakeCurrent(nullptr);
        m_list->selectionModel()->clear();
    } else if (m_list->currentIndex().row() == m_model->IndexOf(game).row()) {
        m_list->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    const std::unique_ptr<CScript> taken = m_frame->Document().RemoveGame(game);
}

void CScriptView::Delete() {
    CScript* game = SelectedGame();
    if (game == nullptr)
        return;
    if (m_frame->Settings().confirmAll && !CVantorApp::Instance()->Messages().AskYesNo(
                                              FromModelText(LoadString(game->ConfirmDeleteGame()))))
        return;
    DeleteGame(*game);
}

void CScriptView::Move(bool up) {
    CScript* game = SelectedGame();
    if (game == nullptr)
        return;
    // Moving is a removal and an insertion: no neighbour is selected on the way.
    m_list->selectionModel()->clear();
    m_frame->Document().MoveGame(*game, up);
    SelectGame(*game);
}

bool CScriptView::Handles(CommandId id) const {
    switch (id) {
    case C::EditRename:
    case C::EditDelete:
    case C::BrowseForScript:
    case C::SaveScript:
    case C::MoveUp:
    case C::MoveDown:
    case C::Preview:
    // Not for Games: disabled while this pane is active.
    case C::EditCopy:
    case C::EditCut:
    case C::EditPaste:
    case C::EditSelectAll:
    case C::NewDefinition:
    case C::NewAlias:
    case C::NewActionAlias:
    case C::NewBind:
    case C::NewStartup:
    case C::NewCommand:
        return true;
    default:
        return false;
    }
}

bool CScriptView::IsEnabled(CommandId id) const {
    const CScript* game = SelectedGame();
    if (game == nullptr)
        return false;
    const int row = m_frame->Document().GetGameRow(*game);
    switch (id) {
    case C::EditRename:
    case C::EditDelete:
    case C::BrowseForScript:
    case C::Preview:
        return true;
    case C::SaveScript:
        return !game->GetScriptFile().empty();
    case C::MoveUp:
        return row >= 1;
    case C::MoveDown:
        return row + 1 < m_frame->Document().GetGameCount();
    default:
        return false;
    }
}

void CScriptView::Execute(CommandId id) {
    CScript* game = SelectedGame();
    if (game == nullptr)
        return;
    switch (id) {
    case C::EditRename:
        m_list->edit(m_model->IndexOf(*game));
        break;
    case C::EditDelete:
        Delete();
        break;
    case C::BrowseForScript:
        m_frame->Library().BrowseForScript(*game);
        break;
    case C::SaveScript:
        m_frame->Library().SaveGameScript(*game);
        break;
    case C::Preview:
        m_frame->Library().PreviewGameScript(*game);
        break;
    case C::MoveUp:
    case C::MoveDown:
        Move(id == C::MoveUp);
        break;
    default:
        break;
    }
}

// The pane takes part in drags only to show that nothing can be dropped here.
void CScriptView::ListDragEnter(QDragMoveEvent& event) {
    event.ignore();
}

void CScriptView::ListDragMove(QDragMoveEvent& event, const QPoint& point) {
    m_list->SetDropRow(m_list->indexAt(point).row());
    event.ignore();
}

void CScriptView::ListDragLeave() {
    m_list->SetDropRow(-1);
}

void CScriptView::ListDrop(QDropEvent& event, const QPoint& /*point*/) {
    m_list->SetDropRow(-1);
    event.setDropAction(Qt::IgnoreAction);
    event.ignore();
}

} // namespace vantor
