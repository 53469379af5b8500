#pragma once

#include "model/ArchiveError.h"
#include "model/ArchiveObject.h"
#include "model/ArchiveReader.h"

#include <memory>

namespace vantor {

/// Reads an object reference for an object that the caller will own: a new object of class
/// `T` (or derived from it), or null when `allowNull` and the reference is null.
///
/// Every object the reader creates goes to exactly one owner as soon as it is read, so a
/// back-reference always names an object that already belongs somewhere or is still being
/// read. Taking it would give one object two owners: it is refused as a bad index. A null
/// reference where an object must be is a format error.
template <class T> std::unique_ptr<T> ReadOwned(ArchiveReader& ar, bool allowNull = false) {
    ArchiveReader::ObjectRef ref = ar.ReadObject(T::kClass);
    if (ref.existing != nullptr)
        throw ArchiveError(ArchiveError::Kind::BadIndex, "object already has an owner");
    if (!ref.created) {
        if (allowNull)
            return nullptr;
        throw ArchiveError(ArchiveError::Kind::BadFormat, "null object reference");
    }
    // The reader checked the class, so the cast holds unless a factory is wrong.
    T* typed = dynamic_cast<T*>(ref.created.get());
    if (typed == nullptr)
        throw ArchiveError(ArchiveError::Kind::BadClass, "factory made another class");
    ref.created.release();
    return std::unique_ptr<T>(typed);
}

} // namespace vantor
