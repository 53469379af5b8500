#pragma once

#include <stdexcept>
#include <string>

namespace vantor {

/// An archive that cannot be read or written. Thrown by the archive reader and writer; it
/// ends the whole read, and whatever was read so far is destroyed as the error unwinds.
class ArchiveError : public std::runtime_error {
public:
    enum class Kind {
        BadIndex,  ///< an object or class index that names nothing usable
        BadClass,  ///< an unknown class, or one that is not what the reader expects
        BadSchema, ///< a class stored under another schema
        EndOfFile, ///< fewer bytes than a field or a count needs
        BadFormat, ///< anything else this format does not allow
    };

    explicit ArchiveError(Kind kind, const std::string& detail = {});

    Kind GetKind() const { return m_kind; }

private:
    Kind m_kind;
};

} // namespace vantor
