#pragma once

#include <string>
#include <string_view>

namespace vantor {

/// Replaces a file only when its new content was written completely.
///
/// The bytes go to a temporary file in the target's folder; `Commit` flushes it to disk,
/// renames it over the target and flushes the folder. Until then the target is untouched,
/// and a writer that is destroyed without a successful `Commit` removes its temporary file.
class AtomicFile {
public:
    /// `tempPrefix` starts the temporary file's name; by default a dot and the target's name.
    explicit AtomicFile(std::string target, std::string tempPrefix = {});
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    /// Creates the temporary file; false when the folder does not exist or is not writable.
    bool Open();
    /// Appends bytes; false after any write error (later writes are ignored).
    bool Write(std::string_view bytes);
    /// Makes the written bytes the target's content: syncs and closes the temporary file,
    /// renames it over the target and syncs the folder. False on any error so far or now;
    /// the target is unchanged unless only the folder's sync failed (after the rename).
    /// No temporary file is left either way.
    bool Commit();

    const std::string& Target() const { return m_target; }

    /// Test hook: makes writes fail once this many bytes have been written in this
    /// process (negative: never). Lets tests interrupt a save part-way.
    static void FailWritesAfter(long long bytes);
    /// The fsync calls of Commit, in order.
    enum class SyncStep { None, File, Folder };
    /// Test hook: makes that fsync of every later Commit fail (None: no failure).
    static void FailSync(SyncStep step);

private:
    void Discard();

    std::string m_target;
    std::string m_tempPrefix;
    std::string m_tempPath;
    int m_fd = -1;
    bool m_failed = false;
};

/// Writes `bytes` to `path` through an `AtomicFile`.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

/// Reads a whole file as bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace vantor
