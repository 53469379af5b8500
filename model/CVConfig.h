#pragma once

#include "model/CMTObj.h"

namespace vantor {

class CVObList;
class ModelObserver;

/// A Module: a named set of Definitions, Aliases, Binds and Startup commands, held in its
/// four lists. The Module carries the link to the Library it belongs to, through which
/// every node below it reports its changes.
class CVConfig : public CMTObj {
public:
    /// Modules are not written by this class yet: without a factory, an archive refuses a
    /// Module rather than writing an incomplete record.
    static const ArchiveClass kClass;

    /// A Module with its four empty lists, in the order Definitions, Aliases, Binds,
    /// Startups.
    CVConfig();

    /// The list of type 17, 18, 19 or 20; null for any other value.
    CVObList* GetList(int listType) const;

    /// The Library's observer, or null while the Module belongs to no Library. Not owned.
    ModelObserver* GetLibrary() const { return m_library; }
    void SetLibrary(ModelObserver* library) { m_library = library; }

    /// Flag bit 1.
    bool IsLocked() const;

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
    int GetMenuId() const override;

    const ArchiveClass& GetClass() const override { return kClass; }

private:
    CVObList* m_definitionList = nullptr;
    CVObList* m_bindList = nullptr;
    CVObList* m_aliasList = nullptr;
    CVObList* m_startupList = nullptr;
    ModelObserver* m_library = nullptr;
};

} // namespace vantor
