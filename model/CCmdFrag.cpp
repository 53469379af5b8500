#include "model/CCmdFrag.h"

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/AsciiText.h"
#include "model/CMTObj.h"
#include "model/CVCommand.h"
#include "model/ModelCodes.h"
#include "model/ModelObserver.h"
#include "model/TextUtil.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace vantor {

const ArchiveClass CCmdFrag::kClass{
    "CCmdFrag", ArchiveClass::kSchema,
    []() -> std::unique_ptr<ArchiveObject> { return std::make_unique<CCmdFrag>(); }, nullptr};

namespace {

// The image of an unset fragment and of a user-defined one.
constexpr int kUnsetImage = 7;
constexpr int kUserDefinedImage = 8;

} // namespace

CCmdFrag::CCmdFrag() : m_text(LoadString(IDS_NO_COMMAND)), m_image(kUnsetImage) {}

void CCmdFrag::Write(ArchiveWriter& ar) const {
    ar.WriteString(m_command);
    ar.WriteString(m_param);
    ar.WriteDword(m_flags);
    ar.WriteDword(m_reserved);
    ar.WriteDword(static_cast<std::uint32_t>(m_paramType));
    ar.WriteDword(static_cast<std::uint32_t>(m_image));
    ar.WriteInt16(m_intMin);
    ar.WriteInt16(m_intMax);
    ar.WriteFloat(m_realMin);
    ar.WriteFloat(m_realMax);
}

void CCmdFrag::Read(ArchiveReader& ar) {
    m_command = ar.ReadString();
    m_param = ar.ReadString();
    m_flags = ar.ReadDword();
    m_reserved = ar.ReadDword();
    m_paramType = ar.ReadInt32();
    m_image = ar.ReadInt32();
    m_intMin = ar.ReadInt16();
    m_intMax = ar.ReadInt16();
    m_realMin = ar.ReadFloat();
    m_realMax = ar.ReadFloat();
    UpdateText();
}

int CCmdFrag::SetCommand(std::string_view text) {
    std::string_view trimmed = ascii::Trim(text);
    if (!CMTObj::IsValidName(trimmed))
        return IDS_COMMAND_INVALID;
    m_command = std::string(trimmed);
    return 0;
}

void CCmdFrag::SetParamType(int type) {
    m_paramType = type;
    switch (type) {
    case ParamUnset:
    case ParamNone:
    case ParamString:
    case ParamUser:
        m_param.clear();
        break;
    case ParamAction:
    case ParamToggle:
        SetState(StateOn);
        break;
    case ParamInteger:
        m_param = FormatInt(m_intMin < m_intMax ? m_intMin : 0);
        break;
    case ParamReal:
        m_param = FormatFixed6(m_realMax > m_realMin ? m_realMin : 0.0);
        break;
    case ParamUserDefined:
        m_image = kUserDefinedImage;
        m_param.clear();
        break;
    default:
        break;
    }
}

int CCmdFrag::SetParam(std::string_view text) {
    const char first = text.empty() ? '\0' : text[0];
    switch (m_paramType) {
    case ParamUnset:
    case ParamNone:
        m_param.clear();
        return 0;
    case ParamAction:
        if (text.empty() || first == '2')
            SetState(StateToggle);
        else if (first == '+' || first == '1')
            SetState(StateOn);
        else if (first == '-' || first == '0')
            SetState(StateOff);
        else
            return kRefused;
        return 0;
    case ParamToggle:
        if (text.empty() || first == '2')
            SetState(StateToggle);
        else if (first == '0')
            SetState(StateOff);
        else if (first == '1')
            SetState(StateOn);
        else
            return kRefused;
        return 0;
    case ParamInteger: {
        std::int32_t value = 0;
        switch (ScanInt(text, value)) {
        case ScanResult::NoNumber:
            return IDS_INTEGER_ILLEGAL;
        case ScanResult::OutOfRange:
            return IDS_INTEGER_OUT_OF_RANGE;
        case ScanResult::Ok:
            break;
        }
        if (!IsIntInRange(value))
            return IDS_INTEGER_OUT_OF_RANGE;
        m_param = std::string(text);
        return 0;
    }
    case ParamReal: {
        float value = 0;
        switch (ScanFloat(text, value)) {
        case ScanResult::NoNumber:
            return IDS_REAL_ILLEGAL;
        case ScanResult::OutOfRange:
            return IDS_REAL_OUT_OF_RANGE;
        case ScanResult::Ok:
            break;
        }
        if (!IsRealInRange(value))
            return IDS_REAL_OUT_OF_RANGE;
        m_param = std::string(text);
        return 0;
    }
    case ParamString:
        if (text.find('"') != std::string_view::npos)
            return IDS_STRING_HAS_QUOTES;
        m_param = std::string(text);
        return 0;
    case ParamUser:
    case ParamUserDefined:
        m_param = std::string(text);
        return 0;
    default:
        return 0;
    }
}

int CCmdFrag::GetState() const {
    if (m_param.empty())
        return StateOn;
    if (m_param[0] == '0')
        return StateOff;
    if (m_param[0] == '2')
        return StateToggle;
    return StateOn;
}

void CCmdFrag::SetState(int state) {
    switch (state) {
    case StateOn:
        m_param = "1";
        break;
    case StateOff:
        m_param = "0";
        break;
    case StateToggle:
        m_param = "2";
        break;
    default:
        break;
    }
}

bool CCmdFrag::IsIntInRange(std::int32_t value) const {
    return m_intMin >= m_intMax || (m_intMin <= value && value <= m_intMax);
}

bool CCmdFrag::IsRealInRange(double value) const {
    return m_realMax <= m_realMin || (m_realMin <= value && value <= m_realMax);
}

bool CCmdFrag::GetRealParam(float& value) const {
    float v = 0;
    if (ScanFloat(m_param, v) != ScanResult::Ok || !IsRealInRange(v))
        return false;
    value = v;
    return true;
}

bool CCmdFrag::GetUseSlider() const {
    return (m_flags & FlagSlider) != 0;
}

void CCmdFrag::SetUseSlider(bool on) {
    if (on)
        m_flags |= FlagSlider;
    else
        m_flags &= ~std::uint32_t(FlagSlider);
}

void CCmdFrag::CopyFromDefinition(const CVCommand& definition) {
    SetCommand(definition.GetName());
    m_intMin = definition.GetIntMin();
    m_intMax = definition.GetIntMax();
    m_realMin = definition.GetRealMin();
    m_realMax = definition.GetRealMax();
    m_image = definition.GetCommandImage();
    SetUseSlider(definition.GetUseSlider());
    SetParamType(definition.GetDefParamType());
}

bool CCmdFrag::FormatCommand(std::string& out, bool standAlone, bool inBind) const {
    std::string text;
    if (!AppendCommand(text, standAlone, inBind))
        return false;
    out = std::move(text);
    return true;
}

bool CCmdFrag::AppendCommand(std::string& out, bool standAlone, bool inBind) const {
    if (m_command.empty())
        return false;
    switch (m_paramType) {
    case ParamNone:
        out += m_command;
        return true;
    case ParamAction:
        switch (GetState()) {
        case StateOn:
            out += '+';
            break;
        case StateOff:
            out += '-';
            break;
        default:
            // A toggle is only the bare command bound alone to a key.
            if (!(standAlone && inBind))
                return false;
            break;
        }
        out += m_command;
        return true;
    case ParamToggle:
        out += m_command;
        switch (GetState()) {
        case StateOn:
            out += " 1";
            break;
        case StateOff:
            out += " 0";
            break;
        default:
            break;
        }
        return true;
    case ParamString:
        out += m_command;
        out += ' ';
        if (standAlone && !inBind) {
            out += '"';
            out += m_param;
            out += '"';
        } else {
            out += m_param;
        }
        return true;
    default:
        out += m_command;
        if (!m_param.empty()) {
            out += ' ';
            out += m_param;
        }
        return true;
    }
}

void CCmdFrag::UpdateText() {
    if (m_command.empty())
        m_text = LoadString(IDS_NO_COMMAND);
    else
        FormatCommand(m_text, true, false); // an Action toggle keeps the old text
    if (ModelObserver* observer = m_owner ? m_owner->GetObserver() : nullptr)
        observer->FragmentChanged(*this);
}

std::string CCmdFrag::WriteCommandData(const std::vector<const CCmdFrag*>& fragments) {
    std::string data;
    ArchiveWriter ar(data);
    ar.WriteDword(static_cast<std::uint32_t>(fragments.size()));
    for (const CCmdFrag* fragment : fragments)
        ar.WriteObject(fragment);
    return data;
}

} // namespace vantor
