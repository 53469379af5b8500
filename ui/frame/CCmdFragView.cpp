#include "ui/frame/CCmdFragView.h"

#include "app/AppSettings.h"
#include "app/CVantorApp.h"
#include "app/MessageService.h"
#include "model/ArchiveError.h"
#include "model/CCmdFrag.h"
#include "model/CMTObj.h"
#include "model/ModelCodes.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/ClipboardFormats.h"
#include "ui/frame/CommandListModel.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/ModelText.h"
#include "ui/frame/PaneContextMenu.h"
#include "ui/frame/PaneViews.h"

#include <QClipboard>
#include <QDrag>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>
#include <memory>

namespace vantor {

using C = CommandId;

namespace {

std::vector<const CCmdFrag*> AsConst(const std::vector<CCmdFrag*>& fragments) {
    return {fragments.begin(), fragments.end()};
}

} // namespace

CCmdFragView::CCmdFragView(QWidget* parent)
    : CPaneView(PaneHeaderText(IDS_COMMAND_PANE_HEADER),
                new PaneList(QStringLiteral("commandList"), *this), parent),
      m_list(static_cast<PaneList*>(View())) {
    setObjectName(QStringLiteral("commandPane"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setDragEnabled(true);
    m_list->header()->setSectionsClickable(false);
    m_list->header()->setStretchLastSection(false);
}

CCmdFragView::~CCmdFragView() {
    if (m_model == nullptr)
        return;
    disconnect(m_list->selectionModel(), nullptr, this, nullptr);
    disconnect(m_model, nullptr, this, nullptr);
    m_frame->Observers().Remove(*m_model);
}

void CCmdFragView::InitialUpdate(CChildFrame& frame) {
    m_frame = &frame;
    m_model = new CommandListModel(frame.Document(), this);
    frame.Observers().Add(*m_model);
    m_list->setModel(m_model);
    WatchSelection();
    // A new owner (or none, when the owner left the Library) has nothing focused.
    connect(m_model, &QAbstractItemModel::modelReset, this, &CPaneView::selectionChanged);

    m_list->header()->resizeSection(0, frame.Settings().slCol0);
    connect(m_list->header(), &QHeaderView::sectionResized, this,
            [this](int column, int /*oldWidth*/, int width) { KeepColumnWidth(column, width); });

    m_menus = new PaneContextMenu(
        *m_list, {"menu150", {C::EditCut, C::EditCopy, C::EditDelete, C{0}, C::NewCommand}},
        {"menu154", {C::NewCommand}}, [this](const QModelIndex& index) {
            // The row joins the selection; the focus stays where it was.
            m_list->selectionModel()->select(index, QItemSelectionModel::Select |
                                                        QItemSelectionModel::Rows);
        });
}

void CCmdFragView::KeepColumnWidth(int column, int width) {
    if (column == 0)
        m_frame->Settings().slCol0 = width;
}

void CCmdFragView::SetCommandOwner(CMTObj* owner) {
    if (m_model != nullptr)
        m_model->SetOwner(owner);
}

CMTObj* CCmdFragView::CommandOwner() const {
    return m_model ? m_model->Owner() : nullptr;
}

void CCmdFragView::SelectFragment(CCmdFrag& fragment) {
    if (m_model == nullptr)
        return;
    const QModelIndex index = m_model->IndexOf(fragment);
    if (!index.isValid())
        return;
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

CCmdFrag* CCmdFragView::FocusedFragment() const {
    return m_model ? m_model->FragmentAt(m_list->currentIndex()) : nullptr;
}

std::vector<CCmdFrag*> CCmdFragView::SelectedFragments() const {
    std::vector<CCmdFrag*> fragments;
    if (m_model == nullptr)
        return fragments;
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    fragments.reserve(static_cast<std::size_t>(rows.size()));
    for (const QModelIndex& row : rows)
        if (CCmdFrag* fragment = m_model->FragmentAt(row))
            fragments.push_back(fragment);
    std::sort(fragments.begin(), fragments.end(),
              [](const CCmdFrag* a, const CCmdFrag* b) { return a->GetRow() < b->GetRow(); });
    return fragments;
}

ArchiveObject* CCmdFragView::PropertyObject() const {
    return FocusedFragment();
}

bool CCmdFragView::TakesCommands() const {
    const CMTObj* owner = CommandOwner();
    return owner != nullptr && owner->IsAllowed(OpAddCommands);
}

bool CCmdFragView::Handles(CommandId id) const {
    switch (id) {
    case C::NewCommand:
    case C::EditDelete:
    case C::MoveUp:
    case C::MoveDown:
    case C::EditCopy:
    case C::EditCut:
    case C::EditPaste:
    case C::EditSelectAll:
    // Not for commands: disabled while this pane is active.
    case C::EditRename:
    case C::Preview:
    case C::NewDefinition:
    case C::NewAlias:
    case C::NewActionAlias:
    case C::NewBind:
    case C::NewStartup:
        return true;
    default:
        return false;
    }
}

bool CCmdFragView::IsEnabled(CommandId id) const {
    const CMTObj* owner = CommandOwner();
    const QItemSelectionModel* selection = m_list->selectionModel();
    const bool anySelected = selection != nullptr && selection->hasSelection();
    switch (id) {
    case C::NewCommand:
        return TakesCommands();
    case C::EditDelete:
        return anySelected;
    case C::MoveUp:
    case C::MoveDown: {
        if (owner == nullptr || !anySelected || selection->selectedRows().size() != 1)
            return false;
        const int focused = m_list->currentIndex().row();
        return id == C::MoveUp ? focused != 0 : focused != owner->GetCommandCount() - 1;
    }
    case C::EditCopy:
    case C::EditCut:
        return owner != nullptr && anySelected;
    case C::EditPaste:
        return TakesCommands() && HasCommandData(QGuiApplication::clipboard()->mimeData());
    case C::EditSelectAll:
        return owner != nullptr && owner->GetCommandCount() > 0;
    default:
        return false;
    }
}

void CCmdFragView::Execute(CommandId id) {
    CMTObj* owner = CommandOwner();
    if (owner == nullptr)
        return;
    switch (id) {
    case C::NewCommand:
        NewCommand();
        break;
    case C::EditDelete:
        RemoveCommands(*owner, SelectedFragments());
        break;
    case C::MoveUp:
    case C::MoveDown:
        Move(id == C::MoveUp);
        break;
    case C::EditCopy:
        Copy();
        break;
    case C::EditCut:
        Copy();
        RemoveCommands(*owner, SelectedFragments());
        break;
    case C::EditPaste:
        Paste();
        break;
    case C::EditSelectAll:
        SelectAll();
        break;
    default:
        break;
    }
}

void CCmdFragView::NewCommand() {
    CMTObj* owner = CommandOwner();
    auto made = std::make_unique<CCmdFrag>();
    CCmdFrag& fragment = *made;
    if (CCmdFrag* focused = FocusedFragment())
        owner->InsertCommandAfter(std::move(made), focused);
    else
        owner->AddCommand(std::move(made));
    SelectFragment(fragment);
    if (auto* frame = qobject_cast<CMainFrame*>(window())) {
        QMetaObject::invokeMethod(
            frame, [frame] { frame->Router().Execute(C::ShowPropertyWindow); },
            Qt::QueuedConnection);
    }
}

void CCmdFragView::RemoveCommands(CMTObj& owner, const std::vector<CCmdFrag*>& fragments) {
    // With nothing selected or focused the removals move no focus from row to row, and the
    // Property Window hears once that nothing is shown.
    if (&owner == CommandOwner())
        m_list->selectionModel()->clear();
    for (auto it = fragments.rbegin(); it != fragments.rend(); ++it)
        if ((*it)->GetOwner() == &owner)
            owner.RemoveCommand(**it);
    if (!m_list->currentIndex().isValid())
        m_frame->SetCurrentObject(nullptr);
}

void CCmdFragView::Move(bool up) {
    CCmdFrag* fragment = FocusedFragment();
    if (fragment == nullptr)
        return;
    m_list->selectionModel()->clear();
    CommandOwner()->MoveCommand(*fragment, up);
    SelectFragment(*fragment);
}

void CCmdFragView::Copy() {
    const std::vector<CCmdFrag*> fragments = SelectedFragments();
    QGuiApplication::clipboard()->setMimeData(MakeCommandMimeData(AsConst(fragments)));
}

void CCmdFragView::Paste() {
    CMTObj* owner = CommandOwner();
    const std::optional<std::string> bytes =
        CommandDataOf(QGuiApplication::clipboard()->mimeData());
    bool pasted = false;
    if (owner != nullptr && owner->IsAllowed(OpAddCommands) && bytes) {
        CCmdFrag* anchor = FocusedFragment();
        if (anchor == nullptr && owner->GetCommandCount() > 0)
            anchor = owner->GetCommand(owner->GetCommandCount() - 1);
        try {
            owner->PasteCommands(*bytes, anchor);
            pasted = true;
        } catch (const ArchiveError&) {
            // Damaged clipboard data inserts nothing; say so below.
        }
    }
    if (!pasted)
        CVantorApp::Instance()->Messages().Warning(FromModelText(LoadString(IDS_PASTE_FAILED)));
}

void CCmdFragView::SelectAll() {
    const int rows = m_model->rowCount();
    if (rows == 0)
        return;
    QItemSelectionModel* selection = m_list->selectionModel();
    const QModelIndex first = m_model->index(0);
    selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(first, m_model->index(rows - 1)),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_frame->SetCurrentObject(m_model->FragmentAt(0));
}

// --- Drag and drop --------------------------------------------------------------------------

void CCmdFragView::ListStartDrag() {
    CMTObj* owner = CommandOwner();
    const std::vector<CCmdFrag*> fragments = SelectedFragments();
    if (owner == nullptr || fragments.empty())
        return;
    QPointer<QDrag> drag = new QDrag(m_list);
    drag->setMimeData(MakeCommandMimeData(AsConst(fragments)));
    const Qt::DropAction done = m_dragLoop
                                    ? m_dragLoop(*drag)
                                    : drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    if (drag)
        drag->deleteLater();
    // A move within this list has inserted the copies already; the originals go now.
    if (done == Qt::MoveAction)
        RemoveCommands(*owner, fragments);
}

void CCmdFragView::ListDragEnter(QDragMoveEvent& event) {
    m_dropKind = TakesCommands() && HasCommandData(event.mimeData()) ? 2 : -1;
}

namespace {

// Copy with Ctrl held, else move, as far as the source allows.
Qt::DropAction DropEffect(const QDropEvent& event) {
    const Qt::DropAction wanted =
        (event.modifiers() & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
    if (event.possibleActions() & wanted)
        return wanted;
    const Qt::DropAction other = wanted == Qt::CopyAction ? Qt::MoveAction : Qt::CopyAction;
    return (event.possibleActions() & other) ? other : Qt::IgnoreAction;
}

void Answer(QDropEvent& event, Qt::DropAction effect) {
    if (effect == Qt::IgnoreAction) {
        event.setDropAction(Qt::IgnoreAction);
        event.ignore();
    } else {
        event.setDropAction(effect);
        event.accept();
    }
}

} // namespace

void CCmdFragView::ListDragMove(QDragMoveEvent& event, const QPoint& point) {
    const QModelIndex row = m_list->indexAt(point);
    const int height = m_list->viewport()->height();
    const bool inside = point.y() >= 0 && point.y() < height;
    if (!(inside && row.isValid()) && m_dropKind == 2) {
        // Over the header or a scroll bar the list scrolls a line towards the point.
        if (point.y() < 0)
            m_list->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else if (point.y() >= height)
            m_list->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        m_list->SetDropRow(-1);
        Answer(event, DropEffect(event));
        return;
    }
    m_list->SetDropRow(inside ? row.row() : -1);
    Answer(event,
           m_dropKind == 2 && inside && row.isValid() ? DropEffect(event) : Qt::IgnoreAction);
}

void CCmdFragView::ListDragLeave() {
    m_dropKind = 0;
    m_list->SetDropRow(-1);
}

void CCmdFragView::ListDrop(QDropEvent& event, const QPoint& point) {
    const int kind = m_dropKind;
    m_dropKind = 0;
    m_list->SetDropRow(-1);
    CMTObj* owner = CommandOwner();
    const Qt::DropAction effect = DropEffect(event);
    const std::optional<std::string> bytes = CommandDataOf(event.mimeData());
    if (kind != 2 || owner == nullptr || effect == Qt::IgnoreAction || !bytes) {
        Answer(event, Qt::IgnoreAction);
        return;
    }
    // The row under the point; under the list's client area the last row; anywhere else in
    // the list (the empty space under the last row included) the top.
    const int height = m_list->viewport()->height();
    const QModelIndex row =
        point.y() >= 0 && point.y() < height ? m_list->indexAt(point) : QModelIndex();
    CCmdFrag* anchor = m_model->FragmentAt(row);
    if (!row.isValid() && point.y() >= height && owner->GetCommandCount() > 0)
        anchor = owner->GetCommand(owner->GetCommandCount() - 1);
    try {
        owner->PasteCommands(*bytes, anchor);
    } catch (const ArchiveError&) {
        // Damaged data: nothing was inserted, and the source keeps its fragments.
        Answer(event, Qt::IgnoreAction);
        return;
    }
    Answer(event, effect);
}

} // namespace vantor
