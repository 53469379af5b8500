#include "model/CVCommand.h"

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/AsciiText.h"
#include "model/ModelCodes.h"
#include "model/ModelObserver.h"
#include "resources/StringIds.h"

namespace vantor {

const ArchiveClass CVCommand::kClass{
    "CVCommand", ArchiveClass::kSchema,
    []() -> std::unique_ptr<ArchiveObject> { return std::make_unique<CVCommand>(); },
    &CMTObj::kClass};

CVCommand::CVCommand() = default;

int CVCommand::ConfirmDelete() const {
    return IDS_CONFIRM_DELETE_DEFINITION;
}

int CVCommand::RenameChecked(std::string_view name, int emptyId, int invalidId) {
    std::string_view trimmed = ascii::Trim(name);
    if (trimmed.empty())
        return emptyId;
    if (!IsValidName(trimmed))
        return invalidId;
    StoreName(std::string(trimmed));
    MarkModified();
    return 0;
}

int CVCommand::Rename(std::string_view name) {
    return RenameChecked(name, IDS_DEFINITION_NAME_EMPTY, IDS_DEFINITION_NAME_INVALID);
}

int CVCommand::GetImage() const {
    switch (m_paramType) {
    case ParamNone:
        return 17;
    case ParamAction:
        return 19;
    case ParamToggle:
        return 18;
    case ParamInteger:
        return 20;
    case ParamReal:
        return 21;
    case ParamString:
        return 22;
    case ParamUser:
    case ParamUserDefined:
        return 23;
    default:
        return 16;
    }
}

int CVCommand::GetType() const {
    return TypeDefinition;
}

bool CVCommand::IsAllowed(int op) const {
    return op == OpRename || op == OpDelete || op == OpMove || op == OpCopy;
}

std::optional<InsertPoint> CVCommand::GetInsertPoint(int op, int type) {
    return NodeInsertPoint(op, type, {TypeDefinition}, false);
}

void CVCommand::WriteScript(TextOutput& /*out*/) const {}

int CVCommand::GetMenuId() const {
    return MenuDefinition;
}

void CVCommand::Write(ArchiveWriter& ar) const {
    CMTObj::Write(ar);
    ar.WriteString(m_description);
    ar.WriteDword(static_cast<std::uint32_t>(m_paramType));
    ar.WriteDword(static_cast<std::uint32_t>(m_commandImage));
    ar.WriteInt16(m_intMin);
    ar.WriteInt16(m_intMax);
    ar.WriteFloat(m_realMin);
    ar.WriteFloat(m_realMax);
}

void CVCommand::Read(ArchiveReader& ar) {
    CMTObj::Read(ar);
    m_description = ar.ReadString();
    m_paramType = ar.ReadInt32();
    m_commandImage = ar.ReadInt32();
    m_intMin = ar.ReadInt16();
    m_intMax = ar.ReadInt16();
    m_realMin = ar.ReadFloat();
    m_realMax = ar.ReadFloat();
}

void CVCommand::SetDefParamType(int type) {
    m_paramType = type;
    if (ModelObserver* observer = GetObserver())
        observer->NodeChanged(*this, ModelObserver::ImageChanged);
}

bool CVCommand::GetUseSlider() const {
    return (GetFlags() & FlagSlider) != 0;
}

void CVCommand::SetUseSlider(bool on) {
    SetFlag(FlagSlider, on);
}

bool CVCommand::GetCustomImage() const {
    return (GetFlags() & FlagCustomImage) != 0;
}

void CVCommand::SetCustomImage(bool on) {
    SetFlag(FlagCustomImage, on);
}

int CVCommand::GetCommandImage() const {
    if (GetCustomImage())
        return m_commandImage;
    switch (m_paramType) {
    case ParamNone:
        return 0;
    case ParamAction:
        return 2;
    case ParamToggle:
        return 1;
    case ParamInteger:
        return 3;
    case ParamReal:
        return 4;
    case ParamString:
        return 5;
    case ParamUser:
        return 6;
    default:
        return 7;
    }
}

} // namespace vantor
