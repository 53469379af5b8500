#pragma once

#include "document/DocumentObserver.h"

#include <QAbstractListModel>

namespace vantor {

class CCmdFrag;
class CVantorDoc;

/// The Command Pane's rows: the command fragments of one owner node, in the owner's order,
/// each with its display text and image. Kept current by the document's reports alone (add it
/// to the Library window's observers); a report finds its row through the fragment's own row
/// number, never by searching. When the owner leaves the Library (its Module or a node above
/// it is taken out, or the contents are destroyed) the list drops it and shows nothing.
class CommandListModel : public QAbstractListModel, public DocumentObserver {
    Q_OBJECT
public:
    explicit CommandListModel(CVantorDoc& document, QObject* parent = nullptr);

    /// Lists the fragments of `owner` (none: no rows). Nothing happens for the listed owner.
    void SetOwner(CMTObj* owner);
    CMTObj* Owner() const { return m_owner; }

    /// The fragment of a row, or null for an index that names none.
    CCmdFrag* FragmentAt(const QModelIndex& index) const;
    CCmdFrag* FragmentAt(int row) const;
    /// The fragment's row, or an invalid index when it is not one of the owner's.
    QModelIndex IndexOf(const CCmdFrag& fragment) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDragActions() const override;

private:
    bool IsOwner(const CMTObj& node) const { return &node == m_owner; }
    void DropOwner();

    void CommandsAboutToBeInserted(CMTObj& owner, int row, int count) override;
    void CommandsInserted(CMTObj& owner, int row, int count) override;
    void CommandsAboutToBeRemoved(CMTObj& owner, int row, int count) override;
    void CommandsRemoved(CMTObj& owner, int row, int count) override;
    void FragmentChanged(CCmdFrag& fragment) override;
    void ChildrenAboutToBeRemoved(CMTObj& parent, int row, int count) override;
    void ModulesAboutToBeRemoved(int row, int count) override;
    void ContentsAboutToBeDestroyed() override;

    CVantorDoc& m_document;
    CMTObj* m_owner = nullptr;
};

} // namespace vantor
