#pragma once

#include "model/CVCommand.h"

namespace vantor {

/// An Alias: a name for a sequence of console commands, written as one ALIAS line. A
/// command without parameter (type 1), so fragments can name it as they name Definitions.
class CVAlias : public CVCommand {
public:
    static const ArchiveClass kClass;

    /// A new Alias: parameter type 1, no name, no commands.
    CVAlias();

    /// 145.
    int ConfirmDelete() const override;
    /// Trims the name; refuses an empty result with 190 and a character other than an ASCII
    /// letter, a digit or '_' with 191.
    int Rename(std::string_view name) override;
    /// 8.
    int GetImage() const override;
    int GetType() const override;
    /// Rename, delete, move, copy and adding commands.
    bool IsAllowed(int op) const override;
    std::optional<InsertPoint> GetInsertPoint(int op, int type) override;
    /// The ALIAS line.
    void WriteScript(TextOutput& out) const override;
    int GetMenuId() const override;

    const ArchiveClass& GetClass() const override { return kClass; }

    /// The ALIAS line of `node` under its own name: "ALIAS name "commands"", or a comment
    /// line when it has no commands or they cannot be written. Shared with the halves of
    /// Action Aliases.
    static void WriteAliasLine(const CMTObj& node, TextOutput& out);
};

} // namespace vantor
