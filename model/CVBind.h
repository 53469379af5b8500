#pragma once

#include "model/CMTObj.h"

#include <cstdint>
#include <string>

namespace vantor {

/// A Bind: ties one key to a command sequence, written as one BIND line. Its name is
/// always the key table's name of its key; key 0 means no key chosen yet.
class CVBind : public CMTObj {
public:
    static const ArchiveClass kClass;

    /// A new Bind: key 0, named after the key table's entry for code 0.
    CVBind();

    std::uint16_t GetKey() const { return m_key; }
    /// The key table's name of the key; empty when the table does not hold the code.
    std::string GetKeyName() const;
    /// 0 for key 0, else the key table's group of the key (0 when the table lacks it).
    int GetKeyGroup() const;
    /// Stores a code of the key table, marks the Library modified and runs UpdateKeyName.
    /// False, and nothing changed, for a code the table does not hold.
    bool SetKey(std::uint16_t key);
    /// The same with the key's exact console name (case included).
    bool SetKeyByName(std::string_view name);
    /// Takes the name from the key table, tells the views (text and image) and marks the
    /// Keyboard window out of date.
    void UpdateKeyName();

    /// 144.
    int ConfirmDelete() const override;
    /// By key group: 2 → 11, 3 → 10, 4 → 12, 5 → 2, otherwise (and without key) 9.
    int GetImage() const override;
    int GetType() const override;
    /// Delete, move, copy and adding commands; not rename.
    bool IsAllowed(int op) const override;
    std::optional<InsertPoint> GetInsertPoint(int op, int type) override;
    /// The BIND line.
    void WriteScript(TextOutput& out) const override;
    int GetMenuId() const override;

    const ArchiveClass& GetClass() const override { return kClass; }
    /// The node record, then the key.
    void Write(ArchiveWriter& ar) const override;
    /// Reads the record; the name comes from the key table, not from the record.
    void Read(ArchiveReader& ar) override;

private:
    std::uint16_t m_key = 0;
};

} // namespace vantor
