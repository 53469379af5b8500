#include "OutputBuffer.h"

#include <cerrno>
#include <unistd.h>

namespace lumenote {

OutputBuffer::OutputBuffer(int fd, std::size_t capacity)
    : fd_(fd), buffer_(new char[capacity]), pos_(buffer_.get()), end_(buffer_.get() + capacity) {}

void OutputBuffer::appendLarge(const char* data, std::size_t size) {
    flush();
    const auto capacity = static_cast<std::size_t>(end_ - buffer_.get());
    if (size >= capacity) {
        writeOut(data, size);
        return;
    }
    std::memcpy(pos_, data, size);
    pos_ += size;
}

void OutputBuffer::appendText(const char* data, std::size_t size) {
    const char* const last = data + size;
    while (data < last) {
        const auto* lf = static_cast<const char*>(std::memchr(data, '\n', last - data));
        const char* lineEnd = lf ? lf : last;
        append(data, lineEnd - data);
        if (!lf) {
            break;
        }
        append("\r\n", 2);
        data = lf + 1;
    }
}

bool OutputBuffer::flush() {
    const char* start = buffer_.get();
    writeOut(start, pos_ - start);
    pos_ = buffer_.get();
    return error_ == 0;
}

bool OutputBuffer::commit() {
    if (!flush()) {
        return false;
    }
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) {
        error_ = errno;
    }
    return error_ == 0;
}

void OutputBuffer::writeOut(const char* data, std::size_t size) {
    while (size > 0 && error_ == 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0) {
            if (errno != EINTR) {
                error_ = errno;
            }
            continue;
        }
        if (written == 0) { // no progress would mean looping for ever
            error_ = EIO;
            break;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

} // namespace lumenote
