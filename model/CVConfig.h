#pragma once

#include "model/CMTObj.h"

#include <cstdint>
#include <string>

namespace vantor {

class CVObList;
class ModelObserver;

/// A Module: a named, authored set of Definitions, Aliases, Binds and Startup commands,
/// held in its four lists. The Module carries the link to the Library it belongs to,
/// through which every node below it reports its changes.
class CVConfig : public CMTObj {
public:
    static const ArchiveClass kClass;

    /// A Module with its four empty lists, in the order Definitions, Aliases, Binds,
    /// Startups; empty author, reserved word 1.
    CVConfig();

    /// The list of type 17, 18, 19 or 20; null for any other value.
    CVObList* GetList(int listType) const;

    /// The Library's observer, or null while the Module belongs to no Library. Not owned.
    ModelObserver* GetLibrary() const { return m_library; }
    void SetLibrary(ModelObserver* library) { m_library = library; }

    /// The Library's revision at the last change of anything in this Module (0: unknown),
    /// set by the Library; indexes over the Module are rebuilt when it moves on.
    std::uint64_t GetContentRevision() const { return m_contentRevision; }
    void SetContentRevision(std::uint64_t revision) { m_contentRevision = revision; }

    /// Flag bit 1.
    bool IsLocked() const;

    /// Changing the author does not mark the Library modified.
    const std::string& GetAuthor() const { return m_author; }
    void SetAuthor(std::string author) { m_author = std::move(author); }
    /// Stored and written back unchanged.
    std::uint32_t GetModuleReserved() const { return m_moduleReserved; }

    /// The Module's 0-based place in its Library, as set by the Library just before it
    /// writes its Games (which store Modules by this number). Not stored with the Module.
    std::int32_t GetPosition() const { return m_position; }
    void SetPosition(std::int32_t position) { m_position = position; }

    /// Reads a Module file (the Module's record alone) into this Module, which must belong
    /// to no Library. False when the file cannot be read, its record is damaged or the
    /// Module belongs to a Library; after a failed read the Module is to be discarded.
    bool LoadModuleFile(const std::string& path);
    /// Writes the Module's record alone as a Module file. The file is replaced only when
    /// the whole record was written: on failure it is left as it was (or absent).
    bool ExportModuleFile(const std::string& path) const;

    /// Imports a console script into the Module: "alias" lines become Aliases or halves of
    /// Action Aliases, "bind" lines Binds, every other line startup commands. Lines that
    /// do not parse are dropped silently. False, and the Module unchanged, when the file
    /// cannot be opened or read. Shows the wait cursor meanwhile.
    bool ReadScriptFile(const std::string& path);
    /// Imports a definition file, one "name;type letter;description" per line, into the
    /// Definition List. Lines that do not parse are dropped silently. False, and the Module
    /// unchanged, when the file cannot be opened or read. Shows the wait cursor meanwhile.
    bool ReadDefinitionFile(const std::string& path);

    /// 142.
    int ConfirmDelete() const override;
    /// Refuses an empty name with 150; otherwise stores it as given. Does not mark the
    /// Library modified.
    int Rename(std::string_view name) override;
    int GetImage() const override;
    int GetType() const override;
    /// Rename, delete, move, copy; not adding commands.
    bool IsAllowed(int op) const override;
    /// The same answers for new and pasted objects.
    std::optional<InsertPoint> GetInsertPoint(int op, int type) override;
    /// The Module's script section: the Module and Author lines, then the four lists.
    void WriteScript(TextOutput& out) const override;
    int GetMenuId() const override;

    const ArchiveClass& GetClass() const override { return kClass; }
    /// The node record (the four lists as children), then author and reserved word.
    void Write(ArchiveWriter& ar) const override;
    /// Replaces the four lists with the stored ones. A record whose children are not
    /// exactly the lists of types 17, 18, 19 and 20, in that order, is a format error.
    void Read(ArchiveReader& ar) override;

private:
    CVObList* m_definitionList = nullptr;
    CVObList* m_bindList = nullptr;
    CVObList* m_aliasList = nullptr;
    CVObList* m_startupList = nullptr;
    std::int32_t m_position = -1;
    std::uint64_t m_contentRevision = 0;
    std::string m_author;
    std::uint32_t m_moduleReserved = 1;
    ModelObserver* m_library = nullptr;
};

} // namespace vantor
