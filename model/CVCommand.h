#pragma once

#include "model/CMTObj.h"

#include <cstdint>
#include <string>

namespace vantor {

/// A Definition: one console command that the game engine knows, with the type and range
/// of its parameter, a slider flag and a description. Fragments bound to it copy these.
/// Also the base of the Alias classes, which are commands without or with an Action
/// parameter.
class CVCommand : public CMTObj {
public:
    static const ArchiveClass kClass;

    /// A new Definition: unset parameter type, ranges 0 to 1000 and 0.0 to 1.0, image 7.
    CVCommand();

    /// 143.
    int ConfirmDelete() const override;
    /// Trims the name; refuses an empty result with 188 and a character other than an ASCII
    /// letter, a digit or '_' with 189.
    int Rename(std::string_view name) override;
    /// By parameter type: 1 → 17, 2 → 19, 3 → 18, 4 → 20, 5 → 21, 6 → 22, 7 and 8 → 23,
    /// otherwise 16.
    int GetImage() const override;
    int GetType() const override;
    /// Rename, delete, move, copy; not adding commands.
    bool IsAllowed(int op) const override;
    std::optional<InsertPoint> GetInsertPoint(int op, int type) override;
    /// A Definition writes nothing into scripts.
    void WriteScript(TextOutput& out) const override;
    int GetMenuId() const override;

    const ArchiveClass& GetClass() const override { return kClass; }
    /// The node record, then description, parameter type, command image and the ranges.
    void Write(ArchiveWriter& ar) const override;
    void Read(ArchiveReader& ar) override;

    const std::string& GetDescription() const { return m_description; }
    void SetDescription(std::string description) { m_description = std::move(description); }

    int GetDefParamType() const { return m_paramType; }
    /// Stores the type and updates the tree image; the caller marks the Library modified.
    void SetDefParamType(int type);

    /// Flag bit 4: offer a slider for the parameter.
    bool GetUseSlider() const;
    void SetUseSlider(bool on);
    /// Flag bit 6: bound fragments show the stored command image.
    bool GetCustomImage() const;
    void SetCustomImage(bool on);
    int GetStoredImage() const { return m_commandImage; }
    void SetStoredImage(int image) { m_commandImage = image; }
    /// The image of bound fragments: the stored one with flag bit 6, else by parameter
    /// type: 1 → 0, 2 → 2, 3 → 1, 4 → 3, 5 → 4, 6 → 5, 7 → 6, otherwise 7.
    int GetCommandImage() const;

    std::int16_t GetIntMin() const { return m_intMin; }
    std::int16_t GetIntMax() const { return m_intMax; }
    float GetRealMin() const { return m_realMin; }
    float GetRealMax() const { return m_realMax; }
    void SetIntMin(std::int16_t v) { m_intMin = v; }
    void SetIntMax(std::int16_t v) { m_intMax = v; }
    void SetRealMin(float v) { m_realMin = v; }
    void SetRealMax(float v) { m_realMax = v; }

protected:
    /// The checked rename shared by Definitions and Aliases, with their own messages.
    int RenameChecked(std::string_view name, int emptyId, int invalidId);

private:
    std::string m_description;
    std::int16_t m_intMin = 0;
    std::int16_t m_intMax = 1000;
    float m_realMin = 0.0f;
    float m_realMax = 1.0f;
    std::int32_t m_paramType = 0;
    std::int32_t m_commandImage = 7;
};

} // namespace vantor
