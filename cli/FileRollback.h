#pragma once

#include <string>

namespace vantor::cli {

/// Lets another program write a file in place while keeping the promise that a failure
/// leaves the file as it was: an existing regular file is first moved aside (renamed within
/// its folder), and unless the new file is kept, the destructor removes what was written and
/// puts the old file back. Anything else at the path (a folder, a link) is left alone.
class FileRollback {
public:
    explicit FileRollback(std::string path);
    /// Without Keep: removes the new file and restores the old one, if there was one.
    ~FileRollback();
    FileRollback(const FileRollback&) = delete;
    FileRollback& operator=(const FileRollback&) = delete;

    /// Moves an existing regular file aside. False when it exists but cannot be moved (the
    /// folder is not writable): the caller must not write it then.
    bool Begin();
    /// The new file stays; the old one is deleted.
    void Keep();

private:
    std::string m_path;
    std::string m_aside; ///< where the old file waits; empty when there was none
    bool m_active = false;
};

} // namespace vantor::cli
