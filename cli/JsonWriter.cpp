#include "cli/JsonWriter.h"

#include "model/Cp1252.h"

#include <charconv>
#include <cmath>

namespace vantor::cli {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;

} // namespace

JsonWriter::JsonWriter(std::FILE* out) : m_out(out) {
    m_buffer.reserve(kBufferSize + 256);
}

void JsonWriter::NewLine() {
    m_buffer.push_back('\n');
    m_buffer.append(2 * m_levels.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (m_buffer.size() >= kBufferSize)
        Flush();
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.empty())
        return;
    if (!m_levels.back().empty)
        m_buffer.push_back(',');
    m_levels.back().empty = false;
    NewLine();
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    m_buffer.push_back(bracket);
    m_levels.push_back({});
}

void JsonWriter::Close(char bracket) {
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty)
        NewLine();
    m_buffer.push_back(bracket);
}

void JsonWriter::BeginObject() {
    Open('{');
}

void JsonWriter::EndObject() {
    Close('}');
}

void JsonWriter::BeginArray() {
    Open('[');
}

void JsonWriter::EndArray() {
    Close(']');
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    m_buffer.push_back('"');
    m_buffer.append(key);
    m_buffer.append("\": ");
    m_afterKey = true;
}

void JsonWriter::String(std::string_view cp1252) {
    static constexpr char kHex[] = "0123456789abcdef";
    BeforeValue();
    m_buffer.push_back('"');
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            m_buffer.push_back('\\');
            m_buffer.push_back(c);
        } else if (byte < 0x20) {
            m_buffer.append("\\u00");
            m_buffer.push_back(kHex[byte >> 4]);
            m_buffer.push_back(kHex[byte & 0xF]);
        } else if (byte < 0x80) {
            m_buffer.push_back(c);
        } else {
            cp1252::AppendUtf8(m_buffer, byte);
        }
    }
    m_buffer.push_back('"');
}

void JsonWriter::Int(std::int64_t value) {
    BeforeValue();
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    m_buffer.append(text, result.ptr);
}

void JsonWriter::Uint(std::uint64_t value) {
    BeforeValue();
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    m_buffer.append(text, result.ptr);
}

void JsonWriter::Float(float value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        m_buffer.append("null");
        return;
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    m_buffer.append(text, result.ptr);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    m_buffer.append(value ? "true" : "false");
}

void JsonWriter::Flush() {
    if (!m_failed && !m_buffer.empty() &&
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) != m_buffer.size())
        m_failed = true;
    m_buffer.clear();
}

bool JsonWriter::Finish() {
    m_buffer.push_back('\n');
    Flush();
    if (std::fflush(m_out) != 0 || std::ferror(m_out))
        m_failed = true;
    return !m_failed;
}

} // namespace vantor::cli
