#include "ui/frame/ModuleTreeModel.h"

#include "document/CVantorDoc.h"
#include "model/CMTObj.h"
#include "model/CScript.h"
#include "model/CVConfig.h"
#include "model/ModelCodes.h"
#include "ui/frame/ModelText.h"
#include "ui/frame/ModuleTreeIcons.h"

namespace vantor {

ModuleTreeModel::ModuleTreeModel(CVantorDoc& document, QObject* parent)
    : QAbstractItemModel(parent), m_document(document) {}

ModuleTreeModel::~ModuleTreeModel() = default;

CMTObj* ModuleTreeModel::Node(const QModelIndex& index) {
    return index.isValid() ? static_cast<CMTObj*>(index.internalPointer()) : nullptr;
}

CVConfig* ModuleTreeModel::ModuleOf(const QModelIndex& index) {
    CMTObj* node = Node(index);
    if (node == nullptr || node->GetParent() != nullptr || node->GetType() != TypeModule)
        return nullptr;
    return static_cast<CVConfig*>(node);
}

// A Module's row is its place in the Library, kept by the document; any other node's is its
// place among its parent's children, kept by the node.
int ModuleTreeModel::RowOf(const CMTObj& node) const {
    if (node.GetParent() != nullptr)
        return node.GetRow();
    if (node.GetType() != TypeModule)
        return -1;
    return m_document.GetModuleRow(static_cast<const CVConfig&>(node));
}

bool ModuleTreeModel::Shown(const CMTObj& node) const {
    const CVConfig* module = node.GetModule();
    return module != nullptr && m_document.GetModuleRow(*module) >= 0;
}

QModelIndex ModuleTreeModel::IndexOf(const CMTObj* node) const {
    if (node == nullptr || !Shown(*node))
        return {};
    const int row = RowOf(*node);
    return row < 0 ? QModelIndex() : createIndex(row, 0, const_cast<CMTObj*>(node));
}

QModelIndex ModuleTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid()) {
        if (row >= m_document.GetModuleCount())
            return {};
        return createIndex(row, 0, static_cast<CMTObj*>(m_document.GetModule(row)));
    }
    const CMTObj* node = Node(parent);
    if (row >= node->GetChildCount())
        return {};
    return createIndex(row, 0, node->GetChild(row));
}

QModelIndex ModuleTreeModel::parent(const QModelIndex& child) const {
    const CMTObj* node = Node(child);
    if (node == nullptr || node->GetParent() == nullptr)
        return {};
    CMTObj* parent = node->GetParent();
    const int row = RowOf(*parent);
    return row < 0 ? QModelIndex() : createIndex(row, 0, parent);
}

int ModuleTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return m_document.GetModuleCount();
    return parent.column() == 0 ? Node(parent)->GetChildCount() : 0;
}

int ModuleTreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return 1;
}

bool ModuleTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant ModuleTreeModel::data(const QModelIndex& index, int role) const {
    const CMTObj* node = Node(index);
    if (node == nullptr)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return FromModelText(node->GetName());
    case Qt::DecorationRole:
        return ModuleTreeIcon(node->GetImage(), node->GetCommandCount() > 0);
    case Qt::CheckStateRole:
        if (const CVConfig* module = ModuleOf(index)) {
            switch (m_document.GetModuleState(*module)) {
            case CVantorDoc::ModuleUsed:
                return Qt::Checked;
            case CVantorDoc::ModuleUnused:
                return Qt::Unchecked;
            case CVantorDoc::ModuleNoGame:
                return Qt::PartiallyChecked;
            }
        }
        return {};
    default:
        return {};
    }
}

bool ModuleTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    CMTObj* node = Node(index);
    if (node == nullptr || role != Qt::EditRole || !node->IsAllowed(OpRename))
        return false;
    // The node reports its new name (and image) itself.
    if (node->Rename(ToModelText(value.toString())) != 0)
        return false;
    emit nodeRenamed(node);
    return true;
}

Qt::ItemFlags ModuleTreeModel::flags(const QModelIndex& index) const {
    const CMTObj* node = Node(index);
    if (node == nullptr)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (node->IsAllowed(OpRename))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ModuleTreeModel::ToggleModuleUse(const QModelIndex& index) {
    CVConfig* module = ModuleOf(index);
    CScript* game = m_document.GetCurrentGame();
    if (module == nullptr || game == nullptr)
        return false;
    if (game->UsesModule(*module))
        game->RemoveModuleUse(*module);
    else
        game->AddModuleUse(*module);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    m_document.KeyboardOutOfDate();
    return true;
}

// --- Notifications ----------------------------------------------------------------------------

void ModuleTreeModel::ModulesAboutToBeInserted(int row, int count) {
    beginInsertRows({}, row, row + count - 1);
}

void ModuleTreeModel::ModulesInserted(int /*row*/, int /*count*/) {
    endInsertRows();
}

void ModuleTreeModel::ModulesAboutToBeRemoved(int row, int count) {
    beginRemoveRows({}, row, row + count - 1);
}

void ModuleTreeModel::ModulesRemoved(int /*row*/, int /*count*/) {
    endRemoveRows();
}

void ModuleTreeModel::ChildrenAboutToBeInserted(CMTObj& parent, int row, int count) {
    const QModelIndex at = IndexOf(&parent);
    m_changing = at.isValid();
    if (m_changing)
        beginInsertRows(at, row, row + count - 1);
}

void ModuleTreeModel::ChildrenInserted(CMTObj& /*parent*/, int /*row*/, int /*count*/) {
    if (m_changing)
        endInsertRows();
    m_changing = false;
}

void ModuleTreeModel::ChildrenAboutToBeRemoved(CMTObj& parent, int row, int count) {
    const QModelIndex at = IndexOf(&parent);
    m_changing = at.isValid();
    if (m_changing)
        beginRemoveRows(at, row, row + count - 1);
}

void ModuleTreeModel::ChildrenRemoved(CMTObj& /*parent*/, int /*row*/, int /*count*/) {
    if (m_changing)
        endRemoveRows();
    m_changing = false;
}

void ModuleTreeModel::NodeChanged(CMTObj& node, unsigned what) {
    const QModelIndex at = IndexOf(&node);
    if (!at.isValid())
        return;
    QList<int> roles;
    if (what & TextChanged)
        roles << Qt::DisplayRole << Qt::EditRole;
    if (what & (ImageChanged | OverlayChanged))
        roles << Qt::DecorationRole;
    if (!roles.isEmpty())
        emit dataChanged(at, at, roles);
    if ((what & ExpandedChanged) && !node.IsExpanded())
        emit expandedFlagCleared(at);
}

void ModuleTreeModel::ModuleStatesChanged() {
    UpdateModuleChecks();
}

void ModuleTreeModel::UpdateModuleChecks() {
    const int count = m_document.GetModuleCount();
    if (count > 0)
        emit dataChanged(index(0, 0), index(count - 1, 0), {Qt::CheckStateRole});
}

bool ModuleTreeModel::SelectNode(CMTObj& node) {
    const QModelIndex at = IndexOf(&node);
    if (!at.isValid())
        return false;
    emit selectRequested(at);
    return true;
}

void ModuleTreeModel::ContentsAboutToBeDestroyed() {
    beginResetModel();
}

void ModuleTreeModel::ContentsDestroyed() {
    endResetModel();
}

} // namespace vantor
