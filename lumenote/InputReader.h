#pragma once

#include <cstddef>
#include <sys/types.h>

namespace lumenote {

/// Reads a text-mode file from a descriptor: each CR LF pair reaches the caller as a single
/// LF, also when the pair is split between two reads; a CR not followed by LF stays.
class InputReader {
public:
    explicit InputReader(int fd) : fd_(fd) {}

    /// Fills out with up to max bytes of translated text, blocking until max bytes are there
    /// or the input ends. Returns the count (0 only at the end of the input), or -1 when
    /// reading failed.
    ssize_t read(char* out, std::size_t max);

private:
    static constexpr std::size_t kBlock = 8192;

    bool fill(std::size_t keep);

    int fd_;
    char raw_[kBlock];
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
};

} // namespace lumenote
