#pragma once

namespace vantor {

struct ArchiveClass;
class ArchiveReader;
class ArchiveWriter;

/// Base of every class that an object archive can hold. Each concrete class names its
/// `ArchiveClass` and writes and reads its own record.
class ArchiveObject {
public:
    virtual ~ArchiveObject() = default;

    /// The class this object is written under.
    virtual const ArchiveClass& GetClass() const = 0;
    /// Writes the object's record (without the object reference in front of it).
    virtual void Write(ArchiveWriter& ar) const = 0;
    /// Reads the object's record into this object; throws ArchiveError.
    virtual void Read(ArchiveReader& ar) = 0;

protected:
    ArchiveObject() = default;
    ArchiveObject(const ArchiveObject&) = default;
    ArchiveObject& operator=(const ArchiveObject&) = default;
};

} // namespace vantor
