#pragma once

#include "model/CMTObj.h"

#include <cstdint>
#include <string>

namespace vantor {

/// One of a Module's four lists: Definitions (17), Aliases (18), Binds (19) or Startups
/// (20). The Startup List holds its startup commands as fragments.
class CVObList : public CMTObj {
public:
    static const ArchiveClass kClass;

    explicit CVObList(int listType = 0, std::string name = {});

    int GetListType() const { return static_cast<int>(m_listType); }

    /// 17 → 4, 18 → 5, 19 → 6, 20 → 7.
    int GetImage() const override;
    /// The list type.
    int GetType() const override;
    /// Only the Startup List takes command fragments; nothing else is allowed.
    bool IsAllowed(int op) const override;
    std::optional<InsertPoint> GetInsertPoint(int op, int type) override;
    /// The list's script header ("// Aliases:", "// Binds:", "// Startups:"; none for the
    /// Definitions), then the default script.
    void WriteScript(TextOutput& out) const override;
    int GetMenuId() const override;

    const ArchiveClass& GetClass() const override { return kClass; }
    /// The node record, then the list type.
    void Write(ArchiveWriter& ar) const override;
    void Read(ArchiveReader& ar) override;

private:
    std::uint32_t m_listType;
};

} // namespace vantor
