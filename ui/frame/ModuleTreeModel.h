#pragma once

#include "document/DocumentObserver.h"

#include <QAbstractItemModel>

namespace vantor {

class CMTObj;
class CVConfig;
class CVantorDoc;

/// The Module tree of one Library as an item model: the root rows are the Library's Modules,
/// below them the nodes' children. An index carries its node as internal pointer and every
/// row comes from the node itself, so nothing is made per node and each answer is O(1).
///
/// It changes only through the document's notifications (add it to the window's observer
/// list): insertions, removals (a move is both), changes of a node's name, image, command
/// emblem and expanded flag, and of the Modules' check boxes. Edits go through the model's
/// own operations: a new name through the node's Rename, a check box through the Game.
class ModuleTreeModel : public QAbstractItemModel, public DocumentObserver {
    Q_OBJECT
public:
    explicit ModuleTreeModel(CVantorDoc& document, QObject* parent = nullptr);
    ~ModuleTreeModel() override;

    CVantorDoc& Document() const { return m_document; }
    /// The node of an index (null for the invalid index).
    static CMTObj* Node(const QModelIndex& index);
    /// The index of a node of this Library; invalid for null or a node outside it.
    QModelIndex IndexOf(const CMTObj* node) const;
    /// The Module of a root index, or null.
    static CVConfig* ModuleOf(const QModelIndex& index);

    /// The Module of `index` changes its use by the current Game: a used Module is dropped,
    /// an unused one added. False, and nothing changed, without a current Game or when the
    /// index is not a Module.
    bool ToggleModuleUse(const QModelIndex& index);
    /// Every Module's check box is shown again from the document's current Game.
    void UpdateModuleChecks();

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    /// A new name goes to the node's Rename; its answer decides (no message is shown).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    /// A rename through setData was accepted.
    void nodeRenamed(vantor::CMTObj* node);
    /// The model cleared the node's expanded flag (it lost its last child).
    void expandedFlagCleared(const QModelIndex& index);
    /// The model asks for the node to be selected in the tree.
    void selectRequested(const QModelIndex& index);

private:
    int RowOf(const CMTObj& node) const;
    bool Shown(const CMTObj& node) const;
    void ModuleStatesChanged() override;

    void ChildrenAboutToBeInserted(CMTObj& parent, int row, int count) override;
    void ChildrenInserted(CMTObj& parent, int row, int count) override;
    void ChildrenAboutToBeRemoved(CMTObj& parent, int row, int count) override;
    void ChildrenRemoved(CMTObj& parent, int row, int count) override;
    void NodeChanged(CMTObj& node, unsigned what) override;
    bool SelectNode(CMTObj& node) override;
    void ModulesAboutToBeInserted(int row, int count) override;
    void ModulesInserted(int row, int count) override;
    void ModulesAboutToBeRemoved(int row, int count) override;
    void ModulesRemoved(int row, int count) override;
    void ContentsAboutToBeDestroyed() override;
    void ContentsDestroyed() override;

    CVantorDoc& m_document;
    // Whether the pending "about to" call of the node lists began a change of rows (a
    // parent that is not shown has none).
    bool m_changing = false;
};

} // namespace vantor
