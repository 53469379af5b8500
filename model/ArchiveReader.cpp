#include "model/ArchiveReader.h"

#include "model/ArchiveClass.h"
#include "model/ArchiveError.h"
#include "model/ArchiveObject.h"
#include "model/Cp1252.h"
#include "model/Endian.h"

namespace vantor {
namespace {

using Kind = ArchiveError::Kind;

constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint32_t kBigClassTag = 0x80000000;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::size_t kMaxClassName = 64;
// The smallest object reference is one WORD.
constexpr std::size_t kMinReferenceBytes = 2;

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

} // namespace

const unsigned char* ArchiveReader::Take(std::size_t n) {
    if (n > Remaining())
        throw ArchiveError(Kind::EndOfFile);
    const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.data()) + m_pos;
    m_pos += n;
    return p;
}

std::uint8_t ArchiveReader::ReadByte() {
    return *Take(1);
}

std::uint16_t ArchiveReader::ReadWord() {
    return le::GetU16(Take(2));
}

std::uint32_t ArchiveReader::ReadDword() {
    return le::GetU32(Take(4));
}

float ArchiveReader::ReadFloat() {
    return le::GetF32(Take(4));
}

std::uint32_t ArchiveReader::ReadStringLength(bool& wide) {
    wide = false;
    std::uint8_t b = ReadByte();
    if (b < 0xFF)
        return b;
    std::uint16_t w = ReadWord();
    if (w == kWideMarker) {
        // The wide form repeats the length forms; here 0xFFFE is an ordinary length.
        wide = true;
        b = ReadByte();
        if (b < 0xFF)
            return b;
        w = ReadWord();
    }
    if (w < 0xFFFF)
        return w;
    std::uint32_t d = ReadDword();
    if (d == 0xFFFFFFFF)
        throw ArchiveError(Kind::BadFormat, "64-bit string length");
    return d;
}

std::string ArchiveReader::ReadString() {
    bool wide = false;
    std::uint32_t length = ReadStringLength(wide);
    if (!wide) {
        const unsigned char* p = Take(length);
        return std::string(reinterpret_cast<const char*>(p), length);
    }

    const unsigned char* p = Take(std::size_t(length) * 2);
    std::string out;
    out.reserve(length);
    for (std::uint32_t i = 0; i < length; ++i) {
        char16_t u = le::GetU16(p + 2 * i);
        if (IsHighSurrogate(u) && i + 1 < length && IsLowSurrogate(le::GetU16(p + 2 * i + 2))) {
            ++i; // a character outside the BMP: never in the code page
            out.push_back('?');
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            out.push_back('?');
        } else {
            out.push_back(static_cast<char>(cp1252::FromUnicode(u)));
        }
    }
    return out;
}

std::size_t ArchiveReader::CheckCount(std::uint32_t count) {
    if (count > Remaining() / kMinReferenceBytes)
        throw ArchiveError(Kind::EndOfFile, "count larger than the data");
    return count;
}

std::size_t ArchiveReader::ReadSignedCount() {
    std::int32_t n = ReadInt32();
    return n <= 0 ? 0 : CheckCount(static_cast<std::uint32_t>(n));
}

std::size_t ArchiveReader::ReadUnsignedCount() {
    return CheckCount(ReadDword());
}

const ArchiveClass& ArchiveReader::ReadNewClass() {
    std::uint16_t schema = ReadWord();
    std::uint16_t length = ReadWord();
    if (length >= kMaxClassName)
        throw ArchiveError(Kind::BadClass, "class name too long");
    const unsigned char* p = Take(length);
    std::string_view name(reinterpret_cast<const char*>(p), length);
    const ArchiveClass* cls = ArchiveClass::Find(name);
    if (cls == nullptr)
        throw ArchiveError(Kind::BadClass, "unknown class " + std::string(name));
    if (schema != cls->schema)
        throw ArchiveError(Kind::BadSchema, std::string(name));
    m_entries.push_back({cls, nullptr});
    return *cls;
}

const ArchiveClass& ArchiveReader::ClassAt(std::uint32_t index) const {
    if (index == 0 || index > m_entries.size() || m_entries[index - 1].object != nullptr)
        throw ArchiveError(Kind::BadIndex, "no class at index " + std::to_string(index));
    return *m_entries[index - 1].cls;
}

ArchiveReader::ObjectRef ArchiveReader::ReadObject(const ArchiveClass& expected) {
    std::uint16_t tag = ReadWord();
    const ArchiveClass* cls = nullptr;
    if (tag == kNewClassTag) {
        cls = &ReadNewClass();
    } else {
        std::uint32_t big = tag == kBigTag ? ReadDword() : 0;
        bool isClass = tag == kBigTag ? (big & kBigClassTag) != 0 : (tag & kClassTag) != 0;
        std::uint32_t index = tag == kBigTag ? (big & ~kBigClassTag) : (tag & ~kClassTag);
        if (isClass) {
            cls = &ClassAt(index);
        } else {
            if (index == 0)
                return {};
            if (index > m_entries.size() || m_entries[index - 1].object == nullptr)
                throw ArchiveError(Kind::BadIndex, "no object at index " + std::to_string(index));
            const Entry& e = m_entries[index - 1];
            if (!e.cls->IsDerivedFrom(expected))
                throw ArchiveError(Kind::BadClass, std::string(e.cls->name));
            return {nullptr, e.object};
        }
    }

    if (!cls->IsDerivedFrom(expected) || cls->create == nullptr)
        throw ArchiveError(Kind::BadClass, std::string(cls->name));
    if (m_depth >= kMaxDepth)
        throw ArchiveError(Kind::BadFormat, "objects nested too deeply");

    std::unique_ptr<ArchiveObject> object = cls->create();
    m_entries.push_back({cls, object.get()});
    ++m_depth;
    object->Read(*this);
    --m_depth;
    return {std::move(object), nullptr};
}

} // namespace vantor
