#include "cli/FileRollback.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::cli {

FileRollback::FileRollback(std::string path) : m_path(std::move(path)) {}

FileRollback::~FileRollback() {
    if (!m_active)
        return;
    if (!m_aside.empty()) {
        // Replaces whatever was written, in one step.
        ::rename(m_aside.c_str(), m_path.c_str());
        return;
    }
    struct stat st {};
    if (::lstat(m_path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ::unlink(m_path.c_str());
}

bool FileRollback::Begin() {
    struct stat st {};
    if (::lstat(m_path.c_str(), &st) != 0) {
        // Nothing there yet: a failure only has to remove what gets written.
        m_active = errno == ENOENT;
        return true;
    }
    if (!S_ISREG(st.st_mode))
        return true;
    // A hidden name beside the file, reserved by creating it, then taken over by the rename.
    const auto slash = m_path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : m_path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? m_path : m_path.substr(slash + 1);
    std::string aside = folder + "." + base + ".XXXXXX";
    const int fd = ::mkstemp(aside.data());
    if (fd < 0)
        return false;
    ::close(fd);
    if (::rename(m_path.c_str(), aside.c_str()) != 0) {
        ::unlink(aside.c_str());
        return false;
    }
    m_aside = std::move(aside);
    m_active = true;
    return true;
}

void FileRollback::Keep() {
    if (m_active && !m_aside.empty())
        ::unlink(m_aside.c_str());
    m_active = false;
}

} // namespace vantor::cli
