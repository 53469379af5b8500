#include "model/ArchiveWriter.h"

#include "model/ArchiveClass.h"
#include "model/ArchiveError.h"
#include "model/ArchiveObject.h"
#include "model/Endian.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint32_t kBigClassTag = 0x80000000;
constexpr std::uint32_t kMaxIndex = 0x3FFFFFFE;

} // namespace

void ArchiveWriter::WriteWord(std::uint16_t v) {
    le::PutU16(m_out, v);
}

void ArchiveWriter::WriteDword(std::uint32_t v) {
    le::PutU32(m_out, v);
}

void ArchiveWriter::WriteFloat(float v) {
    le::PutF32(m_out, v);
}

void ArchiveWriter::WriteString(std::string_view s) {
    if (s.size() < 0xFF) {
        WriteByte(static_cast<std::uint8_t>(s.size()));
    } else if (s.size() < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(static_cast<std::uint16_t>(s.size()));
    } else if (s.size() < 0xFFFFFFFF) {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDword(static_cast<std::uint32_t>(s.size()));
    } else {
        throw ArchiveError(ArchiveError::Kind::BadFormat, "string too long");
    }
    m_out.append(s);
}

std::uint32_t ArchiveWriter::TakeIndex() {
    if (m_nextIndex >= kMaxIndex)
        throw ArchiveError(ArchiveError::Kind::BadIndex, "too many objects");
    return m_nextIndex++;
}

void ArchiveWriter::WriteTag(std::uint32_t index, bool isClass) {
    if (index < kBigTag) {
        WriteWord(static_cast<std::uint16_t>(isClass ? (kClassTag | index) : index));
    } else {
        WriteWord(kBigTag);
        WriteDword(isClass ? (kBigClassTag | index) : index);
    }
}

void ArchiveWriter::WriteObject(const ArchiveObject* object) {
    if (object == nullptr) {
        WriteWord(kNullTag);
        return;
    }
    const ArchiveClass& cls = object->GetClass();
    if (cls.create == nullptr)
        throw ArchiveError(ArchiveError::Kind::BadClass, std::string(cls.name));
    const auto known = std::find_if(m_classIndex.begin(), m_classIndex.end(),
                                    [&cls](const auto& entry) { return entry.first == &cls; });
    if (known != m_classIndex.end()) {
        WriteTag(known->second, true);
    } else {
        m_classIndex.emplace_back(&cls, TakeIndex());
        WriteWord(kNewClassTag);
        WriteWord(cls.schema);
        WriteWord(static_cast<std::uint16_t>(cls.name.size()));
        m_out.append(cls.name);
    }
    TakeIndex();
    object->Write(*this);
}

} // namespace vantor
