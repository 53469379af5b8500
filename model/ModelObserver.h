#pragma once

namespace vantor {

class CMTObj;
class CCmdFrag;
class CScript;

/// What the model tells the Library that holds it (and, through it, the views). Every
/// change arrives as one synchronous call on the user-interface thread. Rows are positions
/// in the parent's children list or the owner's commands list; "about to" calls come before
/// the list changes, the others after it, so an item model can pair them with its begin
/// and end calls. A move arrives as a removal followed by an insertion.
///
/// Only nodes of a Module that is linked to a Library, and Games linked to one, notify;
/// every method has a no-op default so that an observer implements only what it needs.
class ModelObserver {
public:
    /// Bits of `NodeChanged`.
    enum NodeChange : unsigned {
        TextChanged = 0x1,     ///< the name shown for the node
        ImageChanged = 0x2,    ///< `GetImage`
        OverlayChanged = 0x4,  ///< whether the node has command fragments
        ExpandedChanged = 0x8, ///< flag bit 0 was cleared by the model
    };
    /// Bits of `GameChanged`.
    enum GameChange : unsigned {
        GameNameChanged = 0x1, ///< the Game's name
        GameFileChanged = 0x2, ///< the Game's script file
    };

    virtual ~ModelObserver() = default;

    virtual void ChildrenAboutToBeInserted(CMTObj& /*parent*/, int /*row*/, int /*count*/) {}
    virtual void ChildrenInserted(CMTObj& /*parent*/, int /*row*/, int /*count*/) {}
    virtual void ChildrenAboutToBeRemoved(CMTObj& /*parent*/, int /*row*/, int /*count*/) {}
    virtual void ChildrenRemoved(CMTObj& /*parent*/, int /*row*/, int /*count*/) {}

    virtual void CommandsAboutToBeInserted(CMTObj& /*owner*/, int /*row*/, int /*count*/) {}
    virtual void CommandsInserted(CMTObj& /*owner*/, int /*row*/, int /*count*/) {}
    virtual void CommandsAboutToBeRemoved(CMTObj& /*owner*/, int /*row*/, int /*count*/) {}
    virtual void CommandsRemoved(CMTObj& /*owner*/, int /*row*/, int /*count*/) {}

    /// Something a view shows for the node changed; `what` is a set of NodeChange bits.
    virtual void NodeChanged(CMTObj& /*node*/, unsigned /*what*/) {}
    /// A fragment's display text or image was recomputed.
    virtual void FragmentChanged(CCmdFrag& /*fragment*/) {}
    /// Something the Game pane shows for the Game changed; `what` is a set of GameChange
    /// bits. Sent only when the caller asks for the pane to be updated.
    virtual void GameChanged(CScript& /*game*/, unsigned /*what*/) {}

    /// The Library has unsaved changes.
    virtual void Modified() {}
    /// The Keyboard window must be redrawn at the next idle moment.
    virtual void KeyboardOutOfDate() {}

    /// Selects the node's tree item, shows it in the property window and its fragments in
    /// the Command pane. False when the node has no tree item.
    virtual bool SelectNode(CMTObj& /*node*/) { return false; }

protected:
    ModelObserver() = default;
    ModelObserver(const ModelObserver&) = default;
    ModelObserver& operator=(const ModelObserver&) = default;
};

} // namespace vantor
