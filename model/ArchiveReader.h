#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

struct ArchiveClass;
struct GameReadContext;
class ArchiveObject;

/// Reads an object archive from a span of bytes. Every error throws ArchiveError and ends
/// the read: the reader must not be used after it has thrown.
class ArchiveReader {
public:
    /// Deepest nesting of object references that a read accepts.
    static constexpr int kMaxDepth = 64;

    /// An object reference as read: a new object, or a back-reference to an object read
    /// earlier in the same archive (the same instance), or neither for a null reference.
    struct ObjectRef {
        std::unique_ptr<ArchiveObject> created;
        ArchiveObject* existing = nullptr;
    };

    /// Reads `bytes`, which must outlive the reader. The index counter starts at 1.
    explicit ArchiveReader(std::string_view bytes) : m_bytes(bytes) {}
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::uint32_t ReadDword();
    std::int16_t ReadInt16() { return static_cast<std::int16_t>(ReadWord()); }
    std::int32_t ReadInt32() { return static_cast<std::int32_t>(ReadDword()); }
    float ReadFloat();

    /// A string in any of the three byte forms, or in the wide form (UTF-16LE code units),
    /// which is converted to Windows-1252 with '?' for characters the code page lacks.
    std::string ReadString();

    /// A DWORD count of object references, read as signed: 0 or less gives 0. Fails with end
    /// of file when the bytes left cannot hold that many references.
    std::size_t ReadSignedCount();
    /// The same for a count stored unsigned.
    std::size_t ReadUnsignedCount();

    /// An object reference whose class must be `expected` or derived from it. Errors: bad
    /// index (an index that was never assigned, 0 where a class is needed, a class where an
    /// object is expected or an object where a class is expected), bad class (unknown
    /// name, a name of 64 bytes or more, a class that cannot be created or is not
    /// `expected`), bad schema, end of file, and bad format for nesting deeper than
    /// kMaxDepth.
    ObjectRef ReadObject(const ArchiveClass& expected);

    /// Bytes not read yet.
    std::size_t Remaining() const { return m_bytes.size() - m_pos; }

    /// The Modules that the Games read from this archive refer to; null (the default) in
    /// an archive that holds no Games. Not owned; must outlive the reads that use it.
    void SetGameContext(const GameReadContext* context) { m_gameContext = context; }
    const GameReadContext* GetGameContext() const { return m_gameContext; }

private:
    // One assigned index: a class (object null) or an object.
    struct Entry {
        const ArchiveClass* cls;
        ArchiveObject* object;
    };

    const unsigned char* Take(std::size_t n);
    std::uint32_t ReadStringLength(bool& wide);
    std::size_t CheckCount(std::uint32_t count);
    const ArchiveClass& ReadNewClass();
    const ArchiveClass& ClassAt(std::uint32_t index) const;

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::vector<Entry> m_entries; // index i is m_entries[i - 1]
    int m_depth = 0;
    const GameReadContext* m_gameContext = nullptr;
};

} // namespace vantor
