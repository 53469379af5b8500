#pragma once

#include "document/DocumentObserver.h"

#include <QAbstractTableModel>

namespace vantor {

class CScript;
class CVantorDoc;

/// The Game Pane's rows: one per Game of the Library, in Library order, with the columns
/// "Game" (the name, editable) and "Script File". Kept current by the document's reports
/// alone; add it to the Library window's observers.
class GameListModel : public QAbstractTableModel, public DocumentObserver {
    Q_OBJECT
public:
    enum Column : int { NameColumn = 0, FileColumn = 1, ColumnCount = 2 };

    explicit GameListModel(CVantorDoc& document, QObject* parent = nullptr);

    /// The Game of a row, or null for an index that names none.
    CScript* GameAt(const QModelIndex& index) const;
    /// The Game's row (in `column`), or an invalid index when it is not the Library's.
    QModelIndex IndexOf(const CScript& game, int column = NameColumn) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// A new name for the Game: an empty one is refused (false, the name stays).
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    /// The user gave the Game a new name in its row.
    void gameRenamed(vantor::CScript* game);

private:
    void GamesAboutToBeInserted(int row, int count) override;
    void GamesInserted(int row, int count) override;
    void GamesAboutToBeRemoved(int row, int count) override;
    void GamesRemoved(int row, int count) override;
    void GameChanged(CScript& game, unsigned what) override;
    void ContentsAboutToBeDestroyed() override;
    void ContentsDestroyed() override;

    CVantorDoc& m_document;
};

} // namespace vantor
