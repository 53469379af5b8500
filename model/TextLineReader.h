#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

/// Reads a file as text, one line at a time: the bytes as they are, except that CR LF
/// becomes LF (also when the pair straddles two reads). A line of any length is returned
/// whole; the last line needs no line end.
class TextLineReader {
public:
    static constexpr std::size_t kDefaultChunk = 64 * 1024;

    /// `chunk` is the size of each read from the file (at least 1).
    explicit TextLineReader(std::size_t chunk = kDefaultChunk);
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    /// Opens the file for reading; false when it cannot be opened.
    bool Open(const std::string& path);

    /// The next line without its line end, valid until the next call. False at the end of
    /// the file and after a read error.
    bool Next(std::string_view& line);

    /// True when a read from the file failed: the lines returned so far are not the whole
    /// file.
    bool Failed() const { return m_failed; }

private:
    bool Fill();

    std::FILE* m_file = nullptr;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0; ///< first unread byte in m_buffer
    std::size_t m_end = 0;   ///< end of the bytes read into m_buffer
    std::string m_carry;     ///< a line that spans reads, as far as it has been read
    bool m_eof = false;
    bool m_failed = false;
};

} // namespace vantor
