#pragma once

#include "model/ArchiveClass.h"
#include "model/ArchiveObject.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

class CMTObj;
class CVCommand;

/// One console command with its parameter: the unit of every command sequence. A fragment
/// carries a copy of the parameter type and range of the Definition it names, so it checks
/// and renders its parameter on its own. It belongs to the commands list of one node.
class CCmdFrag : public ArchiveObject {
public:
    static const ArchiveClass kClass;

    /// States of an Action or Toggle parameter.
    enum State : int { StateOn = 1, StateOff = 2, StateToggle = 3 };
    /// The refusal of `SetParam` that has no message of its own.
    static constexpr int kRefused = 1;

    /// An unset fragment: empty command, type 0, display text "???".
    CCmdFrag();
    CCmdFrag(const CCmdFrag&) = delete;
    CCmdFrag& operator=(const CCmdFrag&) = delete;

    const ArchiveClass& GetClass() const override { return kClass; }
    void Write(ArchiveWriter& ar) const override;
    /// Reads the record, then recomputes the display text.
    void Read(ArchiveReader& ar) override;

    /// The node whose commands list holds the fragment, or null.
    CMTObj* GetOwner() const { return m_owner; }
    /// The fragment's position in its owner's commands list, or -1.
    int GetRow() const { return m_row; }

    /// The text shown in the fragment's row, as of the last `UpdateText`.
    const std::string& GetText() const { return m_text; }
    const std::string& GetCommand() const { return m_command; }
    const std::string& GetParam() const { return m_param; }
    int GetParamType() const { return m_paramType; }
    /// Index of the row's image in the Command pane's image list.
    int GetImage() const { return m_image; }
    std::int16_t GetIntMin() const { return m_intMin; }
    std::int16_t GetIntMax() const { return m_intMax; }
    float GetRealMin() const { return m_realMin; }
    float GetRealMax() const { return m_realMax; }
    std::uint32_t GetFlags() const { return m_flags; }
    std::uint32_t GetReserved() const { return m_reserved; }

    /// Trims the text; 179 when what is left has a character other than an ASCII letter, a
    /// digit or '_' (nothing changes), else it becomes the command (possibly empty) and 0.
    int SetCommand(std::string_view text);
    /// Stores the type and resets the parameter to the type's default.
    void SetParamType(int type);
    /// Checks the text against the parameter type and stores it: 0, or a refusal code (1 or
    /// a string id) with the parameter unchanged.
    int SetParam(std::string_view text);
    int GetState() const;
    /// Stores "1", "0" or "2" for StateOn, StateOff or StateToggle; other values are ignored.
    void SetState(int state);

    /// True when the integer range is empty (minimum >= maximum) or holds the value.
    bool IsIntInRange(std::int32_t value) const;
    /// True when the real range is empty (maximum <= minimum) or holds the value.
    bool IsRealInRange(double value) const;
    /// The parameter as a number when it converts and is in range.
    bool GetRealParam(float& value) const;

    bool GetUseSlider() const;
    void SetUseSlider(bool on);

    /// Binds the fragment to a Definition or Alias: its name, range, command image and
    /// slider flag, then its parameter type, which resets the parameter.
    void CopyFromDefinition(const CVCommand& definition);

    /// The console text of the fragment. `standAlone`: the fragment is a command sequence of
    /// its own; `inBind`: the sequence belongs to a Bind. False, with `out` unchanged, when
    /// the command is empty or the fragment cannot be written in that place.
    bool FormatCommand(std::string& out, bool standAlone, bool inBind) const;
    /// The same text appended to `out`; false, with nothing appended, when there is none.
    bool AppendCommand(std::string& out, bool standAlone, bool inBind) const;
    /// Recomputes the display text and tells the views.
    void UpdateText();

    /// "VTCmdFrag" data: a DWORD count, then the fragments in the given order.
    static std::string WriteCommandData(const std::vector<const CCmdFrag*>& fragments);

private:
    friend class CMTObj; // keeps the owner link and the row

    CMTObj* m_owner = nullptr;
    int m_row = -1;
    std::string m_text;
    std::string m_command;
    std::string m_param;
    std::int16_t m_intMin = 0;
    std::int16_t m_intMax = 1000;
    float m_realMin = 0.0f;
    float m_realMax = 1.0f;
    std::int32_t m_paramType = 0;
    std::uint32_t m_flags = 0;
    std::uint32_t m_reserved = 0;
    std::int32_t m_image = 7;
};

} // namespace vantor
