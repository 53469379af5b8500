#include "model/TextLineReader.h"

#include <algorithm>
#include <cstring>

namespace vantor {
namespace {

// Drops the CR of a CR LF pair whose LF ended the line.
std::string_view WithoutCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

TextLineReader::TextLineReader(std::size_t chunk) : m_buffer(std::max<std::size_t>(chunk, 1)) {}

TextLineReader::~TextLineReader() {
    if (m_file != nullptr)
        std::fclose(m_file);
}

bool TextLineReader::Open(const std::string& path) {
    if (m_file != nullptr)
        std::fclose(m_file);
    m_begin = m_end = 0;
    m_carry.clear();
    m_eof = m_failed = false;
    m_file = std::fopen(path.c_str(), "rb");
    return m_file != nullptr;
}

bool TextLineReader::Fill() {
    if (m_file == nullptr || m_eof || m_failed)
        return false;
    m_begin = 0;
    m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (m_end == 0) {
        if (std::ferror(m_file))
            m_failed = true;
        else
            m_eof = true;
        return false;
    }
    return true;
}

bool TextLineReader::Next(std::string_view& line) {
    m_carry.clear();
    bool spans = false; // the line began in an earlier read and lives in m_carry
    for (;;) {
        if (m_begin == m_end && !Fill())
            break;
        const char* start = m_buffer.data() + m_begin;
        const std::size_t available = m_end - m_begin;
        const void* lf = std::memchr(start, '\n', available);
        if (lf == nullptr) {
            m_carry.append(start, available);
            m_begin = m_end;
            spans = true;
            continue;
        }
        const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
        m_begin += length + 1;
        if (!spans) {
            line = WithoutCr(std::string_view(start, length));
            return true;
        }
        m_carry.append(start, length);
        line = WithoutCr(m_carry);
        return true;
    }
    // End of the file (or a failed read): what was gathered is the last line, unless the
    // file ended right after a line end.
    if (m_failed || !spans)
        return false;
    line = m_carry;
    return true;
}

} // namespace vantor
