#include "InputReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace lumenote {

ssize_t InputReader::read(char* out, std::size_t max) {
    std::size_t n = 0;
    while (n < max) {
        if (pos_ == end_) {
            if (eof_) {
                break;
            }
            if (!fill(0)) {
                return -1;
            }
            continue;
        }
        const char* from = raw_ + pos_;
        const std::size_t span = std::min(end_ - pos_, max - n);
        const auto* cr = static_cast<const char*>(std::memchr(from, '\r', span));
        const std::size_t plain = cr ? static_cast<std::size_t>(cr - from) : span;
        std::memcpy(out + n, from, plain);
        n += plain;
        pos_ += plain;
        if (!cr) {
            continue;
        }
        if (pos_ + 1 < end_) {
            const bool pair = raw_[pos_ + 1] == '\n';
            out[n++] = pair ? '\n' : '\r';
            pos_ += pair ? 2 : 1;
        } else if (eof_) {
            out[n++] = '\r';
            ++pos_;
        } else {
            // The CR ends this block: keep it and read on to see what follows it.
            raw_[0] = '\r';
            pos_ = 0;
            if (!fill(1)) {
                return -1;
            }
        }
    }
    return static_cast<ssize_t>(n);
}

bool InputReader::fill(std::size_t keep) {
    pos_ = 0;
    end_ = keep;
    for (;;) {
        const ssize_t got = ::read(fd_, raw_ + keep, kBlock - keep);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            eof_ = true;
        }
        end_ += static_cast<std::size_t>(got);
        return true;
    }
}

} // namespace lumenote
