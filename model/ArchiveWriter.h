#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantor {

struct ArchiveClass;
class ArchiveObject;

/// Writes an object archive by appending to a byte buffer: little-endian integers, the
/// three string forms, and object references with class descriptors and indices. Throws
/// ArchiveError when something cannot be written.
class ArchiveWriter {
public:
    /// Appends to `out`. One writer is one archive: its index counter starts at 1.
    explicit ArchiveWriter(std::string& out) : m_out(out) {}
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

    void WriteByte(std::uint8_t v) { m_out.push_back(static_cast<char>(v)); }
    void WriteWord(std::uint16_t v);
    void WriteDword(std::uint32_t v);
    void WriteInt16(std::int16_t v) { WriteWord(static_cast<std::uint16_t>(v)); }
    void WriteFloat(float v);

    /// A string in its shortest form: a BYTE length below 255, 0xFF and a WORD length below
    /// 65534, else 0xFF 0xFFFF and a DWORD length; then the bytes.
    void WriteString(std::string_view s);

    /// An object reference: 0 for null, otherwise the class tag (the descriptor the first
    /// time a class is met) followed by the object's record. Every object has one owner and
    /// is written once, so no back-reference is ever written. Fails with bad class for a
    /// class that cannot be read back.
    void WriteObject(const ArchiveObject* object);

private:
    std::uint32_t TakeIndex();
    void WriteTag(std::uint32_t index, bool isClass);

    std::string& m_out;
    std::uint32_t m_nextIndex = 1;
    // The few classes met so far, with their indices.
    std::vector<std::pair<const ArchiveClass*, std::uint32_t>> m_classIndex;
};

} // namespace vantor
