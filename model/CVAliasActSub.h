#pragma once

#include "model/CMTObj.h"

namespace vantor {

/// One half of an Action Alias: the "+" half (flag bit 8 set) or the "-" half. Its name is
/// the sign followed by the Action Alias's name; its fragments are the half's commands.
/// Created and destroyed by its Action Alias only.
class CVAliasActSub : public CMTObj {
public:
    static const ArchiveClass kClass;

    /// A half without name; `plus` chooses the "+" half.
    explicit CVAliasActSub(bool plus = false);

    /// Flag bit 8.
    bool IsPlus() const;
    void SetPlus(bool plus);

    /// A half is never deleted on its own: 0.
    int ConfirmDelete() const override;
    /// Stores "+name" or "-name" by flag bit 8, without any check and without marking the
    /// Library modified; always 0.
    int Rename(std::string_view name) override;
    /// 14 for "+", 15 for "-".
    int GetImage() const override;
    int GetType() const override;
    /// Adding commands only.
    bool IsAllowed(int op) const override;
    std::optional<InsertPoint> GetInsertPoint(int op, int type) override;
    /// The ALIAS line of the half.
    void WriteScript(TextOutput& out) const override;
    int GetMenuId() const override;

    const ArchiveClass& GetClass() const override { return kClass; }
};

} // namespace vantor
