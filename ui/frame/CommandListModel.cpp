#include "ui/frame/CommandListModel.h"

#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CMTObj.h"
#include "model/CVConfig.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "ui/frame/ModelText.h"
#include "ui/frame/PaneImages.h"

namespace vantor {

CommandListModel::CommandListModel(CVantorDoc& document, QObject* parent)
    : QAbstractListModel(parent), m_document(document) {}

void CommandListModel::SetOwner(CMTObj* owner) {
    if (owner == m_owner)
        return;
    beginResetModel();
    m_owner = owner;
    endResetModel();
}

CCmdFrag* CommandListModel::FragmentAt(int row) const {
    if (m_owner == nullptr || row < 0 || row >= m_owner->GetCommandCount())
        return nullptr;
    return m_owner->GetCommand(row);
}

CCmdFrag* CommandListModel::FragmentAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return nullptr;
    return FragmentAt(index.row());
}

QModelIndex CommandListModel::IndexOf(const CCmdFrag& fragment) const {
    if (m_owner == nullptr || fragment.GetOwner() != m_owner)
        return {};
    return index(fragment.GetRow());
}

int CommandListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || m_owner == nullptr ? 0 : m_owner->GetCommandCount();
}

QVariant CommandListModel::data(const QModelIndex& index, int role) const {
    const CCmdFrag* fragment = FragmentAt(index);
    if (fragment == nullptr)
        return {};
    if (role == Qt::DisplayRole)
        return FromModelText(fragment->GetText());
    if (role == Qt::DecorationRole)
        return CommandIcon(fragment->GetImage());
    return {};
}

QVariant CommandListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return FromModelText(LoadString(IDS_COMMAND_COLUMN));
    return {};
}

Qt::ItemFlags CommandListModel::flags(const QModelIndex& index) const {
    if (FragmentAt(index) == nullptr)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

Qt::DropActions CommandListModel::supportedDragActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

void CommandListModel::DropOwner() {
    SetOwner(nullptr);
}

void CommandListModel::CommandsAboutToBeInserted(CMTObj& owner, int row, int count) {
    if (IsOwner(owner))
        beginInsertRows(QModelIndex(), row, row + count - 1);
}

void CommandListModel::CommandsInserted(CMTObj& owner, int /*row*/, int /*count*/) {
    if (IsOwner(owner))
        endInsertRows();
}

void CommandListModel::CommandsAboutToBeRemoved(CMTObj& owner, int row, int count) {
    if (IsOwner(owner))
        beginRemoveRows(QModelIndex(), row, row + count - 1);
}

void CommandListModel::CommandsRemoved(CMTObj& owner, int /*row*/, int /*count*/) {
    if (IsOwner(owner))
        endRemoveRows();
}

void CommandListModel::FragmentChanged(CCmdFrag& fragment) {
    const QModelIndex row = IndexOf(fragment);
    if (row.isValid())
        emit dataChanged(row, row);
}

// A node taken out of the Library may be freed right afterwards: the list lets go of an owner
// that goes with it.
void CommandListModel::ChildrenAboutToBeRemoved(CMTObj& parent, int row, int count) {
    // The owner's ancestor (or the owner itself) among the parent's children, if any.
    for (const CMTObj* at = m_owner; at != nullptr; at = at->GetParent()) {
        if (at->GetParent() == &parent) {
            if (at->GetRow() >= row && at->GetRow() < row + count)
                DropOwner();
            return;
        }
    }
}

void CommandListModel::ModulesAboutToBeRemoved(int row, int count) {
    if (m_owner == nullptr)
        return;
    const CVConfig* module = m_owner->GetModule();
    const int at = module ? m_document.GetModuleRow(*module) : -1;
    if (module == nullptr || (at >= row && at < row + count))
        DropOwner();
}

void CommandListModel::ContentsAboutToBeDestroyed() {
    DropOwner();
}

} // namespace vantor
