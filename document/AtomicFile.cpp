#include "document/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vantor {
namespace {

long long g_failAfter = -1;
AtomicFile::SyncStep g_failSync = AtomicFile::SyncStep::None;

// fsync, or the failure a test asked for at this step.
int Sync(int fd, AtomicFile::SyncStep step) {
    if (step == g_failSync) {
        errno = EIO;
        return -1;
    }
    return ::fsync(fd);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        size_t chunk = size;
        if (g_failAfter >= 0) {
            if (g_failAfter == 0) {
                errno = ENOSPC;
                return false;
            }
            chunk = std::min<size_t>(chunk, static_cast<size_t>(g_failAfter));
        }
        const ssize_t n = ::write(fd, data, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) { // no progress: retrying would loop for ever
            errno = EIO;
            return false;
        }
        if (g_failAfter >= 0)
            g_failAfter -= n;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

AtomicFile::AtomicFile(std::string target, std::string tempPrefix)
    : m_target(std::move(target)), m_tempPrefix(std::move(tempPrefix)) {}

AtomicFile::~AtomicFile() {
    Discard();
}

void AtomicFile::FailWritesAfter(long long bytes) {
    g_failAfter = bytes;
}

void AtomicFile::FailSync(SyncStep step) {
    g_failSync = step;
}

bool AtomicFile::Open() {
    Discard();
    m_failed = false;
    // A hidden name beside the target, so the rename stays within one file system.
    const auto slash = m_target.rfind('/');
    const std::string base = slash == std::string::npos ? m_target : m_target.substr(slash + 1);
    const std::string folder =
        slash == std::string::npos ? std::string() : m_target.substr(0, slash + 1);
    const std::string prefix = m_tempPrefix.empty() ? "." + base + "." : m_tempPrefix;
    std::string pattern = folder + prefix + "XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    m_fd = ::mkostemp(buf.data(), O_CLOEXEC);
    if (m_fd < 0)
        return false;
    m_tempPath.assign(buf.data());
    // Keep the permissions of the file being replaced; a new file gets the usual 0666 & ~umask.
    struct stat st {};
    if (::stat(m_target.c_str(), &st) == 0) {
        ::fchmod(m_fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(m_fd, 0666 & ~mask);
    }
    return true;
}

bool AtomicFile::Write(std::string_view bytes) {
    if (m_fd < 0 || m_failed)
        return false;
    if (!WriteAll(m_fd, bytes.data(), bytes.size()))
        m_failed = true;
    return !m_failed;
}

bool AtomicFile::Commit() {
    if (m_fd < 0 || m_failed) {
        Discard();
        return false;
    }
    const bool synced = Sync(m_fd, SyncStep::File) == 0;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    if (!synced || !closed || ::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
        Discard();
        return false;
    }
    m_tempPath.clear();
    // Make the rename itself durable. A folder this process may not read cannot be synced,
    // and some file systems cannot sync folders (EINVAL); any other failure fails the save,
    // although the target already holds the new content.
    const int dir = ::open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return errno == EACCES;
    const bool folderSynced = Sync(dir, SyncStep::Folder) == 0 || errno == EINVAL;
    ::close(dir);
    return folderSynced;
}

void AtomicFile::Discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::string out;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    if (ok)
        bytes = std::move(out);
    return ok;
}

} // namespace vantor
