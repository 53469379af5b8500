#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace lumenote {

/// Buffered writer on a file descriptor for a text-mode page: bytes given to appendText have
/// every line feed written as CR LF; bytes given to append are written unchanged. The first
/// failing write makes the writer stop writing and remember the error.
class OutputBuffer {
public:
    explicit OutputBuffer(int fd, std::size_t capacity = 1 << 20);
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    /// Writes the bytes as they are; the caller promises they hold no line feed.
    void append(const char* data, std::size_t size) {
        if (size <= static_cast<std::size_t>(end_ - pos_)) {
            std::memcpy(pos_, data, size);
            pos_ += size;
        } else {
            appendLarge(data, size);
        }
    }
    void append(std::string_view text) { append(text.data(), text.size()); }
    void put(char c) {
        if (pos_ == end_) {
            flush();
        }
        *pos_++ = c;
    }

    /// Writes the bytes with each line feed expanded to CR LF.
    void appendText(const char* data, std::size_t size);
    void appendText(std::string_view text) { appendText(text.data(), text.size()); }

    /// Hands the buffered bytes to the file. False once any write has failed.
    bool flush();
    /// Flushes and then asks the system to put the file's data on the disk. False when a
    /// write or the sync failed (a file that cannot be synced, such as a pipe, is no failure).
    bool commit();

    /// The errno of the first failure, 0 while none.
    int error() const { return error_; }

private:
    void appendLarge(const char* data, std::size_t size);
    void writeOut(const char* data, std::size_t size);

    int fd_;
    std::unique_ptr<char[]> buffer_;
    char* pos_;
    char* end_;
    int error_ = 0;
};

} // namespace lumenote
