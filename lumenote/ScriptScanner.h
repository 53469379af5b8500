#pragma once

#include <cstddef>
#include <memory>

namespace lumenote {

class InputReader;
class OutputBuffer;

/// Turns a script into the coloured body of the page: line ends get "<BR>", strings,
/// comments and the keywords bind and alias get their colour tags, every other byte is
/// copied unchanged (nothing is escaped). Tokens may be of any length: the buffer grows.
class ScriptScanner {
public:
    ScriptScanner(InputReader& in, OutputBuffer& out);
    ~ScriptScanner();
    ScriptScanner(const ScriptScanner&) = delete;
    ScriptScanner& operator=(const ScriptScanner&) = delete;

    /// Scans the whole input into the output. Throws ScanError when the input cannot be
    /// read or the buffer cannot grow; what was written stays written.
    void run();

private:
    static constexpr std::size_t kReadBlock = 8192;
    static constexpr std::size_t kInitialSize = 16384;

    /// Writes the token that begins at start and returns where it ends. Reading more input
    /// may move the buffer's contents: start is updated to match.
    std::size_t longestMatch(std::size_t& start);
    /// Moves the bytes from start on to the front of the buffer, growing it when full, and
    /// reads more behind them. Returns how far the bytes moved.
    std::size_t refill(std::size_t start);
    void grow();
    void emit(int rule, const char* token, std::size_t size);

    InputReader& in_;
    OutputBuffer& out_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t end_ = 0; ///< bytes of input in the buffer
    bool eof_ = false;
};

} // namespace lumenote
