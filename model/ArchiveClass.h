#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace vantor {

class ArchiveObject;

/// The run-time class record of an archivable class: the name written into archives, the
/// schema, how to create an empty object while reading, and the base class.
struct ArchiveClass {
    /// Every class of the format is stored under this schema.
    static constexpr std::uint16_t kSchema = 2;

    std::string_view name;
    std::uint16_t schema = kSchema;
    /// Creates an empty object to read into; null for a class that is never read (an
    /// abstract base, or a class whose record is not archived).
    std::unique_ptr<ArchiveObject> (*create)() = nullptr;
    /// The archivable base class, or null.
    const ArchiveClass* base = nullptr;

    /// True when this class is `other` or derives from it.
    bool IsDerivedFrom(const ArchiveClass& other) const;

    /// The readable class stored under `name`, or null when no such class is known.
    static const ArchiveClass* Find(std::string_view name);
};

} // namespace vantor
