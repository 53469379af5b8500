#include "ui/frame/CModuleView.h"

#include "app/CVantorApp.h"
#include "app/MessageService.h"
#include "document/CVantorDoc.h"
#include "model/ArchiveError.h"
#include "model/CCmdFrag.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVBind.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CCmdFragView.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/ClipboardFormats.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/LibraryCommands.h"
#include "ui/frame/ModelText.h"
#include "ui/frame/ModuleMenus.h"
#include "ui/frame/ModuleTreeIcons.h"
#include "ui/frame/ModuleTreeModel.h"
#include "ui/frame/PaneViews.h"

#include <QClipboard>
#include <QDrag>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMimeData>

#include <exception>

namespace vantor {
namespace {

QByteArray Bytes(const std::string& bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string_view ViewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Whether `node` is `root` or lies below it.
bool Within(const CMTObj* node, const CMTObj& root) {
    for (; node != nullptr; node = node->GetParent())
        if (node == &root)
            return true;
    return false;
}

// Whether what the Property Window shows (a node or a command fragment) lies in root's subtree.
bool ShownWithin(const ArchiveObject* shown, const CMTObj& root) {
    if (const auto* fragment = dynamic_cast<const CCmdFrag*>(shown))
        return Within(fragment->GetOwner(), root);
    return Within(dynamic_cast<const CMTObj*>(shown), root);
}

const QMimeData* ClipboardData() {
    return QGuiApplication::clipboard()->mimeData();
}

} // namespace

CModuleView::CModuleView(QWidget* parent)
    : CPaneView(PaneHeaderText(IDS_MODULE_PANE_HEADER), new ModuleTree, parent),
      m_tree(static_cast<ModuleTree*>(View())) {
    setObjectName(QStringLiteral("modulePane"));
    m_tree->SetHost(this);
}

CModuleView::~CModuleView() {
    m_tree->SetHost(nullptr);
    if (m_frame != nullptr && m_model != nullptr)
        m_frame->Observers().Remove(*m_model);
}

void CModuleView::Attach(CChildFrame& frame) {
    if (m_frame != nullptr)
        return;
    m_frame = &frame;
    m_model = new ModuleTreeModel(frame.Document(), this);
    frame.Observers().Add(*m_model);
    m_tree->setModel(m_model);
    WatchSelection();

    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CModuleView::OnSelectionChanged);
    connect(m_tree, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { OnExpanded(index, true); });
    connect(m_tree, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { OnExpanded(index, false); });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &CModuleView::ExpandFromFlags);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &CModuleView::OnRowsRemoved);
    connect(m_model, &ModuleTreeModel::expandedFlagCleared, m_tree, &QTreeView::collapse);
    connect(m_model, &ModuleTreeModel::selectRequested, this, [this](const QModelIndex& index) {
        if (CMTObj* node = ModuleTreeModel::Node(index))
            SelectObject(*node);
    });
    connect(m_model, &ModuleTreeModel::nodeRenamed, this, [this](CMTObj* node) {
        m_frame->ObjectChanged(*node);
        m_frame->CommandView().SetCommandOwner(node);
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &CModuleView::OnSelectionChanged);

    // The Modules that were open when the Library was saved open again.
    ExpandFromFlags({}, 0, m_model->rowCount() - 1);
    UpdateModuleChecks();
}

CMTObj* CModuleView::SelectedObject() const {
    return ModuleTreeModel::Node(m_tree->SelectedIndex());
}

void CModuleView::UpdateModuleChecks() {
    if (m_model != nullptr)
        m_model->UpdateModuleChecks();
}

void CModuleView::ToggleModuleUse(const QModelIndex& index) {
    if (m_model != nullptr)
        m_model->ToggleModuleUse(index);
}

bool CModuleView::SelectObject(CMTObj& node) {
    const QModelIndex index = m_model ? m_model->IndexOf(&node) : QModelIndex();
    if (!index.isValid())
        return false;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        m_tree->expand(parent);
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
    m_frame->SetCurrentObject(&node);
    m_frame->CommandView().SetCommandOwner(&node);
    return true;
}

// --- Tree events ------------------------------------------------------------------------------

void CModuleView::OnSelectionChanged() {
    if (m_frame != nullptr)
        m_frame->CommandView().SetCommandOwner(SelectedObject());
}

// Without a selection left by a removal, the item that took the removed one's place (the
// current item) becomes the selection, as users of a tree expect.
void CModuleView::OnRowsRemoved() {
    QItemSelectionModel* selection = m_tree->selectionModel();
    if (!selection->hasSelection() && selection->currentIndex().isValid())
        selection->select(selection->currentIndex(), QItemSelectionModel::ClearAndSelect);
}

void CModuleView::OnExpanded(const QModelIndex& index, bool expanded) {
    CMTObj* node = ModuleTreeModel::Node(index);
    if (node == nullptr)
        return;
    node->SetExpanded(expanded);
    // Children that were open show open once their parent is.
    if (expanded)
        ExpandFromFlags(index, 0, node->GetChildCount() - 1);
}

void CModuleView::ExpandFromFlags(const QModelIndex& parent, int first, int last) {
    if (parent.isValid() && !m_tree->isExpanded(parent))
        return;
    const CMTObj* parentNode = ModuleTreeModel::Node(parent);
    for (int row = first; row <= last; ++row) {
        const CMTObj* node =
            parentNode ? parentNode->GetChild(row) : m_frame->Document().GetModule(row);
        if (node->IsExpanded() && node->GetChildCount() > 0)
            m_tree->expand(m_model->index(row, 0, parent));
    }
}

// --- Commands ---------------------------------------------------------------------------------

bool CModuleView::Handles(CommandId id) const {
    switch (id) {
    case CommandId::EditDelete:
    case CommandId::EditRename:
    case CommandId::MoveUp:
    case CommandId::MoveDown:
    case CommandId::EditCopy:
    case CommandId::EditCut:
    case CommandId::EditPaste:
    case CommandId::NewDefinition:
    case CommandId::NewAlias:
    case CommandId::NewActionAlias:
    case CommandId::NewBind:
    case CommandId::NewStartup:
    case CommandId::NewCommand:
    case CommandId::Preview:
        return m_frame != nullptr;
    default:
        return false;
    }
}

bool CModuleView::IsEnabled(CommandId id) const {
    CMTObj* node = SelectedObject();
    const auto canInsert = [node](int type) {
        return node != nullptr && node->GetInsertPoint(InsertNew, type).has_value();
    };
    switch (id) {
    case CommandId::EditDelete:
        return node != nullptr && node->IsAllowed(OpDelete);
    case CommandId::EditRename:
        return node != nullptr && node->IsAllowed(OpRename);
    case CommandId::MoveUp:
    case CommandId::MoveDown:
        return node != nullptr && node->IsAllowed(OpMove);
    case CommandId::EditCopy:
    case CommandId::EditCut:
        return node != nullptr && node->IsAllowed(OpCopy);
    case CommandId::EditPaste: {
        const QMimeData* mime = ClipboardData();
        if (mime == nullptr)
            return false;
        return mime->hasFormat(ObjectDataFormat()) ||
               (mime->hasFormat(CommandDataFormat()) && node != nullptr &&
                node->IsAllowed(OpAddCommands));
    }
    case CommandId::NewDefinition:
        return canInsert(TypeDefinition);
    case CommandId::NewAlias:
        return canInsert(TypeAlias);
    case CommandId::NewActionAlias:
        return canInsert(TypeActionAlias);
    case CommandId::NewBind:
        return canInsert(TypeBind);
    case CommandId::NewCommand:
        return node != nullptr && node->IsAllowed(OpAddCommands);
    case CommandId::NewStartup:
    case CommandId::Preview:
        return node != nullptr;
    default:
        return false;
    }
}

void CModuleView::Execute(CommandId id) {
    switch (id) {
    case CommandId::EditDelete:
        Delete();
        break;
    case CommandId::EditRename:
        Rename();
        break;
    case CommandId::MoveUp:
    case CommandId::MoveDown:
        Move(id == CommandId::MoveUp);
        break;
    case CommandId::EditCopy:
        Copy();
        break;
    case CommandId::EditCut:
        if (CMTObj* node = SelectedObject(); node != nullptr && node->IsAllowed(OpCopy)) {
            Copy();
            DeleteTreeObject(*node);
        }
        break;
    case CommandId::EditPaste:
        Paste();
        break;
    case CommandId::NewDefinition:
        NewObject<CVCommand>(TypeDefinition, IDS_NEW_DEFINITION, true);
        break;
    case CommandId::NewAlias:
        NewObject<CVAlias>(TypeAlias, IDS_NEW_ALIAS, true);
        break;
    case CommandId::NewActionAlias:
        NewObject<CVAliasAct>(TypeActionAlias, IDS_NEW_ALIAS, true);
        break;
    case CommandId::NewBind:
        NewObject<CVBind>(TypeBind, 0, false);
        break;
    case CommandId::NewStartup:
        NewStartup();
        break;
    case CommandId::NewCommand:
        NewCommand();
        break;
    case CommandId::Preview:
        if (CMTObj* node = SelectedObject())
            if (CVConfig* module = node->GetModule())
                m_frame->Library().PreviewModuleScript(*module);
        break;
    default:
        break;
    }
}

template <typename Class> void CModuleView::NewObject(int type, int nameFormat, bool edit) {
    CMTObj* selected = SelectedObject();
    if (selected == nullptr)
        return;
    const std::optional<InsertPoint> point = selected->GetInsertPoint(InsertNew, type);
    if (!point || point->parent == nullptr)
        return;
    auto object = std::make_unique<Class>();
    if (nameFormat != 0)
        object->MakeDefaultName(nameFormat);
    CMTObj* added = object.get();
    point->parent->InsertChildAfter(std::move(object), point->after);
    added->SelectNode();
    if (!edit)
        return;
    const QModelIndex index = m_model->IndexOf(added);
    // An Action Alias shows its two halves.
    if (type == TypeActionAlias)
        m_tree->expand(index);
    m_tree->edit(index);
}

void CModuleView::NewStartup() {
    CMTObj* selected = SelectedObject();
    CVConfig* module = selected ? selected->GetModule() : nullptr;
    if (CVObList* startups = module ? module->GetList(TypeStartupList) : nullptr)
        startups->AddCommand(std::make_unique<CCmdFrag>());
}

void CModuleView::NewCommand() {
    CMTObj* selected = SelectedObject();
    if (selected == nullptr || !selected->IsAllowed(OpAddCommands))
        return;
    auto fragment = std::make_unique<CCmdFrag>();
    CCmdFrag& added = *fragment;
    selected->AddCommand(std::move(fragment));
    CCmdFragView& commands = m_frame->CommandView();
    commands.SetCommandOwner(selected);
    commands.SelectFragment(added);
    m_frame->ActivatePane(CChildFrame::CommandPane);
    // The Property Window comes up once the pane change has settled.
    if (auto* frame = qobject_cast<CMainFrame*>(window())) {
        CommandRouter* router = &frame->Router();
        QMetaObject::invokeMethod(
            router, [router] { router->Execute(CommandId::ShowPropertyWindow); },
            Qt::QueuedConnection);
    }
}

void CModuleView::Move(bool up) {
    CMTObj* node = SelectedObject();
    if (node == nullptr || !node->IsAllowed(OpMove))
        return;
    bool moved = false;
    if (CMTObj* parent = node->GetParent())
        moved = parent->MoveChild(*node, up);
    else if (auto* module = dynamic_cast<CVConfig*>(node))
        moved = m_frame->Document().MoveModule(*module, up);
    if (moved)
        SelectObject(*node);
}

void CModuleView::Copy() {
    const CMTObj* node = SelectedObject();
    if (node == nullptr || !node->IsAllowed(OpCopy))
        return;
    auto* mime = new QMimeData;
    mime->setData(ObjectDataFormat(), Bytes(node->WriteClipboardData()));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void CModuleView::Paste() {
    CMTObj* selected = SelectedObject();
    const QMimeData* mime = ClipboardData();
    if (mime != nullptr && mime->hasFormat(ObjectDataFormat())) {
        if (CMTObj* pasted = PasteObject(selected, ViewOf(mime->data(ObjectDataFormat())))) {
            SelectObject(*pasted);
            return;
        }
    } else if (mime != nullptr && mime->hasFormat(CommandDataFormat()) && selected != nullptr &&
               selected->IsAllowed(OpAddCommands)) {
        // Fragments go to the top of the selected object's commands, as a drop puts them.
        try {
            if (selected->PasteCommands(ViewOf(mime->data(CommandDataFormat())), nullptr))
                return;
        } catch (const std::exception&) {
        }
    }
    CVantorApp::Instance()->Messages().Warning(LoadText(IDS_PASTE_FAILED));
}

void CModuleView::Delete() {
    CMTObj* node = SelectedObject();
    if (node == nullptr || !node->IsAllowed(OpDelete))
        return;
    if (CVantorApp::Instance()->Settings().confirmAll) {
        const int question = node->ConfirmDelete();
        if (question == 0 || !CVantorApp::Instance()->Messages().AskYesNo(LoadText(question)))
            return;
    }
    DeleteTreeObject(*node);
}

void CModuleView::Rename() {
    const QModelIndex index = m_tree->SelectedIndex();
    const CMTObj* node = ModuleTreeModel::Node(index);
    if (node != nullptr && node->IsAllowed(OpRename)) {
        m_tree->scrollTo(index);
        m_tree->edit(index);
    }
}

// --- Model operations -------------------------------------------------------------------------

void CModuleView::DeleteTreeObject(CMTObj& node) {
    if (m_frame == nullptr)
        return;
    const bool selected = &node == SelectedObject();
    if (selected)
        m_frame->SetCurrentObject(nullptr);
    // Nothing may go on showing an object that is about to be destroyed.
    CCmdFragView& commands = m_frame->CommandView();
    if (selected || Within(commands.CommandOwner(), node))
        commands.SetCommandOwner(nullptr);
    if (auto* frame = qobject_cast<CMainFrame*>(window()))
        if (ShownWithin(frame->PropertyObject(), node))
            frame->SetPropertyObject(nullptr);

    CVantorDoc& document = m_frame->Document();
    std::unique_ptr<CMTObj> taken;
    if (CMTObj* parent = node.GetParent())
        taken = parent->RemoveChild(node);
    else if (auto* module = dynamic_cast<CVConfig*>(&node))
        taken = document.RemoveModule(*module, true);
    document.KeyboardOutOfDate();
}

namespace {

// The object of "VTMtObj" bytes, or null when they hold none.
std::unique_ptr<CMTObj> ReadObject(std::string_view bytes) {
    try {
        return CMTObj::ReadClipboardData(bytes);
    } catch (const std::exception&) {
        return nullptr;
    }
}

} // namespace

CMTObj* CModuleView::PasteObject(CMTObj* at, std::string_view bytes) {
    if (m_frame == nullptr)
        return nullptr;
    std::unique_ptr<CMTObj> object = ReadObject(bytes);
    if (!object)
        return nullptr;
    CVantorDoc& document = m_frame->Document();
    const int type = object->GetType();
    CMTObj* pasted = object.get();
    if (at == nullptr) {
        // Only a Module can go anywhere without a selection: where a new Module would.
        if (type != TypeModule)
            return nullptr;
        document.AddModuleAtSelection(
            std::unique_ptr<CVConfig>(static_cast<CVConfig*>(object.release())));
        return pasted;
    }
    const std::optional<InsertPoint> point = at->GetInsertPoint(InsertPaste, type);
    if (!point)
        return nullptr;
    if (point->parent != nullptr && type != TypeModule) {
        point->parent->InsertChildAfter(std::move(object), point->after);
        return pasted;
    }
    auto* after = dynamic_cast<CVConfig*>(point->after);
    if (point->parent == nullptr && type == TypeModule && after != nullptr) {
        document.InsertModuleAfter(
            std::unique_ptr<CVConfig>(static_cast<CVConfig*>(object.release())), after);
        return pasted;
    }
    return nullptr;
}

// --- Context menus, dragging and dropping -----------------------------------------------------

void CModuleView::ShowContextMenu(const QModelIndex& index, const QPoint& globalPos) {
    auto* frame = qobject_cast<CMainFrame*>(window());
    if (frame == nullptr)
        return;
    const CMTObj* node = ModuleTreeModel::Node(index);
    QMenu* menu =
        BuildModuleContextMenu(node ? node->GetMenuId() : kEmptySpaceMenu, frame->Router(), this);
    menu->popup(globalPos);
}

void CModuleView::DragObject(const QModelIndex& index) {
    const CMTObj* node = ModuleTreeModel::Node(index);
    if (node == nullptr || !node->IsAllowed(OpCopy))
        return;
    m_tree->setCurrentIndex(index);
    // The source is followed through the drag: a drop may move it or take it away.
    const QPersistentModelIndex source(index);
    auto* mime = new QMimeData;
    mime->setData(ObjectDataFormat(), Bytes(node->WriteClipboardData()));
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    Qt::DropAction result = Qt::IgnoreAction;
    if (m_dragLoop) {
        result = m_dragLoop(mime, offered);
        delete mime;
    } else {
        auto* drag = new QDrag(m_tree);
        drag->setMimeData(mime);
        drag->setPixmap(ModuleTreeIcon(node->GetImage(), node->GetCommandCount() > 0).pixmap(16));
        result = drag->exec(offered, Qt::MoveAction);
    }
    // A move removes the original only now, after its copy went in.
    if (result == Qt::MoveAction && source.isValid())
        if (CMTObj* moved = ModuleTreeModel::Node(source))
            DeleteTreeObject(*moved);
}

bool CModuleView::TakesFragments(const QModelIndex& index) const {
    const CMTObj* node = ModuleTreeModel::Node(index);
    return node != nullptr && node->IsAllowed(OpAddCommands);
}

bool CModuleView::DropData(const QModelIndex& index, const QMimeData& mime, DropKind kind,
                           Qt::DropAction effect) {
    CMTObj* node = ModuleTreeModel::Node(index);
    if (node == nullptr)
        return kind == DropObject && DropModuleLast(mime.data(ObjectDataFormat()));
    if (kind == DropObject) {
        CMTObj* pasted = PasteObject(node, ViewOf(mime.data(ObjectDataFormat())));
        if (pasted != nullptr && effect == Qt::MoveAction)
            SelectObject(*pasted);
        return pasted != nullptr;
    }
    if (kind == DropFragments && node->IsAllowed(OpAddCommands)) {
        try {
            return node->PasteCommands(ViewOf(mime.data(CommandDataFormat())), nullptr);
        } catch (const std::exception&) {
            return false;
        }
    }
    return false;
}

// Below the items, where the drag-over offered the drop (an empty Library has nothing else),
// a Module goes last; nothing else can go there.
bool CModuleView::DropModuleLast(const QByteArray& bytes) {
    std::unique_ptr<CMTObj> object = ReadObject(ViewOf(bytes));
    if (m_frame == nullptr || !object || object->GetType() != TypeModule)
        return false;
    auto* module = static_cast<CVConfig*>(object.release());
    m_frame->Document().AddModule(std::unique_ptr<CVConfig>(module));
    SelectObject(*module);
    return true;
}

} // namespace vantor
