#pragma once

#include "model/CVCommand.h"

namespace vantor {

class CVAliasActSub;

/// An Action Alias: two command sequences under one name, written as the aliases +name
/// and -name. A command of type 2 (Action), so a fragment naming it is written +name or
/// -name by its state. Its children are exactly its two halves, "+" first.
class CVAliasAct : public CVCommand {
public:
    static const ArchiveClass kClass;

    /// A new Action Alias: parameter type 2 and its two halves, without names until the
    /// first `Rename`.
    CVAliasAct();

    /// The "+" half when `plus`, else the "-" half.
    CVAliasActSub* GetHalf(bool plus) const;

    /// 145.
    int ConfirmDelete() const override;
    /// The checks of an Alias (190, 191); on success renames the halves "+name" and "-name".
    int Rename(std::string_view name) override;
    /// 13.
    int GetImage() const override;
    int GetType() const override;
    /// Rename, delete, move, copy; not adding commands.
    bool IsAllowed(int op) const override;
    std::optional<InsertPoint> GetInsertPoint(int op, int type) override;
    /// The "+" half's ALIAS line, then the "-" half's.
    void WriteScript(TextOutput& out) const override;
    int GetMenuId() const override;

    const ArchiveClass& GetClass() const override { return kClass; }
    /// Replaces the halves with the stored ones and sets the parameter type to 2 again. A
    /// record whose children are not a "+" half and a "-" half, in that order, is a format
    /// error.
    void Read(ArchiveReader& ar) override;
};

} // namespace vantor
