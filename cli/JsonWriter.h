#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::cli {

/// Writes one JSON value to a stream as it is built, indented two blanks per level, through a
/// buffer of its own: nothing is held in memory beyond the buffer and the nesting, so the
/// output of a Library of any size costs time in proportion to its length.
///
/// Strings are the model's Windows-1252 bytes and come out as UTF-8, escaped as RFC 8259
/// asks (quote, backslash, control characters as \u00XX). Floats are written in the shortest
/// form that reads back to the same value; a value that is not finite becomes null, since
/// JSON has no form for it.
class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out);
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    /// The key of the next member of the current object (ASCII, written as given).
    void Key(std::string_view key);

    void String(std::string_view cp1252);
    void Int(std::int64_t value);
    void Uint(std::uint64_t value);
    void Float(float value);
    void Bool(bool value);

    /// Ends the output with a line feed and flushes it; false when any write failed.
    bool Finish();

private:
    struct Level {
        bool empty = true;
    };

    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine();
    void Flush();

    std::FILE* m_out;
    std::string m_buffer;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
    bool m_failed = false;
};

} // namespace vantor::cli
