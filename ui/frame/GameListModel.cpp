#include "ui/frame/GameListModel.h"

#include "document/CVantorDoc.h"
#include "model/CScript.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "ui/frame/ModelText.h"
#include "ui/frame/PaneImages.h"

#include <QFile>

namespace vantor {

GameListModel::GameListModel(CVantorDoc& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document) {}

CScript* GameListModel::GameAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this || index.row() >= m_document.GetGameCount())
        return nullptr;
    return m_document.GetGame(index.row());
}

QModelIndex GameListModel::IndexOf(const CScript& game, int column) const {
    const int row = m_document.GetGameRow(game);
    return row < 0 ? QModelIndex() : index(row, column);
}

int GameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_document.GetGameCount();
}

int GameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GameListModel::data(const QModelIndex& index, int role) const {
    const CScript* game = GameAt(index);
    if (game == nullptr)
        return {};
    if (index.column() == NameColumn) {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return FromModelText(game->GetGameName());
        if (role == Qt::DecorationRole)
            return GameIcon();
    } else if (index.column() == FileColumn && role == Qt::DisplayRole) {
        // The script file is a path of the file system, not model text.
        return QFile::decodeName(QByteArray::fromStdString(game->GetScriptFile()));
    }
    return {};
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == NameColumn)
        return FromModelText(LoadString(IDS_GAME_COLUMN));
    if (section == FileColumn)
        return FromModelText(LoadString(IDS_SCRIPT_FILE_COLUMN));
    return {};
}

Qt::ItemFlags GameListModel::flags(const QModelIndex& index) const {
    if (GameAt(index) == nullptr)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == NameColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool GameListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    CScript* game = GameAt(index);
    if (game == nullptr || index.column() != NameColumn || role != Qt::EditRole)
        return false;
    const std::string name = ToModelText(value.toString());
    // An edit that changes nothing leaves the Library unmodified; an empty name is refused.
    const bool same = !name.empty() && name == game->GetGameName();
    if (!same && game->SetGameName(name, true) != 0)
        return false;
    emit gameRenamed(game);
    return true;
}

void GameListModel::GamesAboutToBeInserted(int row, int count) {
    beginInsertRows(QModelIndex(), row, row + count - 1);
}

void GameListModel::GamesInserted(int /*row*/, int /*count*/) {
    endInsertRows();
}

void GameListModel::GamesAboutToBeRemoved(int row, int count) {
    beginRemoveRows(QModelIndex(), row, row + count - 1);
}

void GameListModel::GamesRemoved(int /*row*/, int /*count*/) {
    endRemoveRows();
}

void GameListModel::GameChanged(CScript& game, unsigned what) {
    const int first = (what & GameNameChanged) ? NameColumn : FileColumn;
    const int last = (what & GameFileChanged) ? FileColumn : NameColumn;
    const QModelIndex from = IndexOf(game, first);
    if (from.isValid() && first <= last)
        emit dataChanged(from, from.siblingAtColumn(last));
}

void GameListModel::ContentsAboutToBeDestroyed() {
    beginResetModel();
}

void GameListModel::ContentsDestroyed() {
    endResetModel();
}

} // namespace vantor
