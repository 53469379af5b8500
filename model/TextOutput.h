#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vantor {

/// A text stream for scripts: every LF written becomes CR LF. Writes to a file or appends
/// to a string. The first failure is kept: later writes are dropped and `Close` reports it.
/// A file is written in large blocks: the bytes reach it at the latest on `Close`.
class TextOutput {
public:
    /// A stream with no target yet: writes fail until `Open` succeeds.
    TextOutput() = default;
    /// Appends to `target`.
    explicit TextOutput(std::string& target) : m_string(&target) {}
    /// Writes what is buffered and closes an open file; call `Close` first to learn whether
    /// everything was written.
    ~TextOutput();
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    /// Creates or truncates the file at `path` and writes to it from now on. False (and the
    /// stream failed) when the file cannot be created.
    bool Open(const std::string& path);

    /// Writes the text, each LF as CR LF.
    void Write(std::string_view text);

    /// Flushes and closes the file; true when every byte was written. A file stream has no
    /// target afterwards; a string stream stays usable.
    bool Close();

    /// True once a write (or the opening) has failed, or when there is no target.
    bool Failed() const { return m_failed || (m_file == nullptr && m_string == nullptr); }

private:
    /// Hands the buffered bytes to the file.
    void Flush();

    std::FILE* m_file = nullptr;
    std::string m_buffer; ///< bytes for the file, line ends already made
    std::string* m_string = nullptr;
    bool m_failed = false;
};

} // namespace vantor
