#pragma once

#include "model/ArchiveClass.h"
#include "model/ArchiveObject.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

class CCmdFrag;
class CMTObj;
class CVConfig;
class ModelObserver;
class TextOutput;

/// Where a new or pasted object goes: into `parent`'s children after `after` (first when
/// `after` is null). A null `parent` means the Library's Module list, after Module `after`.
struct InsertPoint {
    CMTObj* parent = nullptr;
    CMTObj* after = nullptr;

    bool operator==(const InsertPoint&) const = default;
};

/// A node of the model tree: a name, owned children and owned command fragments, flags,
/// and the virtual operations through which the panes treat every kind of node alike.
///
/// A node belongs to at most one parent; children and fragments are owned through
/// `std::unique_ptr`, and the remove operations hand ownership back. Changes are reported
/// to the observer of the Library that holds the node's Module, if any.
class CMTObj : public ArchiveObject {
public:
    /// The abstract node class: stored name "CMTObj", never created on its own.
    static const ArchiveClass kClass;

    ~CMTObj() override;
    CMTObj(const CMTObj&) = delete;
    CMTObj& operator=(const CMTObj&) = delete;

    // --- Virtual operations -------------------------------------------------------------

    /// The string id of the question to ask before deleting the node, or 0 when the node
    /// cannot be deleted. The caller asks.
    virtual int ConfirmDelete() const;
    /// Renames the node: 0 on success, otherwise the string id of the refusal (and the name
    /// unchanged). By default an empty name is refused with 156.
    virtual int Rename(std::string_view name);
    /// Index into the Module pane's image list.
    virtual int GetImage() const;
    /// Object type code (ObjectType).
    virtual int GetType() const;
    /// Whether the operation (AllowedOp) may be applied to the node.
    virtual bool IsAllowed(int op) const;
    /// Where a new (InsertNew) or pasted (InsertPaste) object of the given type goes when
    /// this node is selected; nothing when it cannot go anywhere near it.
    virtual std::optional<InsertPoint> GetInsertPoint(int op, int type);
    /// Writes the node's script text. By default: the children's scripts in order, then one
    /// line per fragment whose stand-alone text can be built.
    virtual void WriteScript(TextOutput& out) const;
    /// Resource id of the node's context menu (MenuId).
    virtual int GetMenuId() const;

    const ArchiveClass& GetClass() const override;
    /// The node record: name, flags, reserved, children, fragments.
    void Write(ArchiveWriter& ar) const override;
    void Read(ArchiveReader& ar) override;

    // --- Fields -------------------------------------------------------------------------

    const std::string& GetName() const { return m_name; }
    std::uint32_t GetFlags() const { return m_flags; }
    std::uint32_t GetReserved() const { return m_reserved; }
    /// Flag bit 0. Set by the view when the user expands or collapses the node's item; does
    /// not mark the Library modified and notifies nobody.
    bool IsExpanded() const;
    void SetExpanded(bool expanded);

    /// The node whose children hold this node, or null.
    CMTObj* GetParent() const { return m_parent; }
    /// This node's position among its parent's children, or -1 without parent.
    int GetRow() const { return m_row; }

    // --- Children -----------------------------------------------------------------------

    int GetChildCount() const { return static_cast<int>(m_children.size()); }
    CMTObj* GetChild(int row) const { return m_children.at(static_cast<std::size_t>(row)).get(); }
    CMTObj* GetLastChild() const;

    /// Appends the child and returns its row; marks the Library modified.
    int AddChild(std::unique_ptr<CMTObj> child);
    /// Inserts the child after `after` (one of this node's children), or first when null.
    int InsertChildAfter(std::unique_ptr<CMTObj> child, CMTObj* after);
    /// Takes the child out (null when it is not a child of this node) and marks the Library
    /// modified. Removing the last child clears flag bit 0.
    std::unique_ptr<CMTObj> RemoveChild(CMTObj& child);
    /// Destroys every child, first to last, and clears flag bit 0.
    void DeleteAllChildren();
    /// Moves the child one place up or down, as a removal and an insertion; false when it is
    /// already first (up) or last (down), or not a child of this node.
    bool MoveChild(CMTObj& child, bool up);

    // --- Command fragments --------------------------------------------------------------

    int GetCommandCount() const { return static_cast<int>(m_commands.size()); }
    CCmdFrag* GetCommand(int row) const {
        return m_commands.at(static_cast<std::size_t>(row)).get();
    }

    /// Appends the fragment and returns its row; marks the Library modified.
    int AddCommand(std::unique_ptr<CCmdFrag> fragment);
    /// Inserts the fragment after `after` (one of this node's fragments), or first when null.
    int InsertCommandAfter(std::unique_ptr<CCmdFrag> fragment, CCmdFrag* after);
    /// Takes the fragment out (null when this node does not hold it); marks the Library
    /// modified.
    std::unique_ptr<CCmdFrag> RemoveCommand(CCmdFrag& fragment);
    /// The MoveChild rule on the fragments.
    bool MoveCommand(CCmdFrag& fragment, bool up);
    /// Appends this node's fragments, then those of each child, depth first.
    void CollectCommands(std::vector<CCmdFrag*>& out) const;
    /// The fragments as one quoted console argument ("a;b;c" with the quotes). False, and
    /// `out` unchanged, when there is no fragment or one cannot be written.
    bool BuildCommandText(std::string& out) const;
    /// The same text appended to `out`; false, and `out` as it was, when there is none.
    bool AppendCommandText(std::string& out) const;

    /// Turns console text into fragments appended to the commands list: one per
    /// semicolon-separated command whose name is valid. "+name" and "-name" become Action
    /// fragments (on and off); any other command becomes a user-defined fragment whose
    /// parameter is the rest of the command, a leading quoted part taken without quotes. A
    /// command that does not parse (an invalid name, a sign without a name) is dropped.
    void SetCommandsFromText(std::string_view text);
    /// Appends the fragments in their order with one notification; marks the Library
    /// modified when there is at least one.
    void AppendCommands(std::vector<std::unique_ptr<CCmdFrag>> fragments);

    /// Reads "VTCmdFrag" data (a DWORD count, then that many fragments) and inserts the
    /// fragments after `after` (one of this node's fragments), or first when null, in their
    /// stored order. True when the data held fragments. Damaged data throws ArchiveError and
    /// inserts nothing.
    bool PasteCommands(std::string_view data, CCmdFrag* after);

    // --- Library, naming, clipboard -----------------------------------------------------

    /// The Module that holds this node (the node itself for a Module), or null.
    CVConfig* GetModule();
    const CVConfig* GetModule() const;
    /// The observer of the Library that holds this node's Module, or null.
    ModelObserver* GetObserver() const;
    /// Selects the node in the views; false when the node is not shown.
    bool SelectNode();
    /// Tells the Library that it has unsaved changes; nothing outside a Library.
    void MarkModified() const;
    /// Takes the next value of the naming counter and renames the node with the format
    /// string `formatId` (one "%d") applied to it.
    void MakeDefaultName(int formatId);

    /// The node with its subtree and fragments as "VTMtObj" data: an archive holding one
    /// object reference.
    std::string WriteClipboardData() const;
    /// Reads "VTMtObj" data: the node it holds, or null for a null reference. Bytes after
    /// the object are ignored. Damaged data throws ArchiveError.
    static std::unique_ptr<CMTObj> ReadClipboardData(std::string_view data);

    /// True when every character is an ASCII letter, a digit or '_'. The empty name passes.
    static bool IsValidName(std::string_view name);

protected:
    // Out of line: the fragment class is incomplete here.
    CMTObj();
    explicit CMTObj(std::string name);

    /// Sets the name and tells the views: the text changed, and what else `alsoChanged`
    /// says (ModelObserver::NodeChange bits), in one notification.
    void StoreName(std::string name, unsigned alsoChanged = 0);
    void SetFlag(std::uint32_t bit, bool on);

    /// The insertion answers of an ordinary node. `ownTypes` are the types that go right
    /// after this node; `takesStartup` lets a new startup command go to the Startup List.
    std::optional<InsertPoint>
    NodeInsertPoint(int op, int type, std::initializer_list<int> ownTypes, bool takesStartup);
    /// A new object of the given type at the end of the matching list of this node's Module
    /// (type 32: after the Module). Nothing outside a Module.
    std::optional<InsertPoint> ModuleInsertPoint(int type, bool takesStartup);

private:
    int InsertChildAt(std::size_t row, std::unique_ptr<CMTObj> child);
    int InsertCommandsAt(std::size_t row, std::vector<std::unique_ptr<CCmdFrag>> fragments);
    void RenumberChildren(std::size_t from);
    void RenumberCommands(std::size_t from);
    void ClearExpanded();

    CMTObj* m_parent = nullptr;
    int m_row = -1;
    std::string m_name;
    std::vector<std::unique_ptr<CMTObj>> m_children;
    std::vector<std::unique_ptr<CCmdFrag>> m_commands;
    std::uint32_t m_flags = 0;
    std::uint32_t m_reserved = 0;
};

} // namespace vantor
