#include "model/TextOutput.h"

#include <cstring>

namespace vantor {
namespace {

// The file gets its bytes in blocks of about this size.
constexpr std::size_t kBlock = 64 * 1024;

} // namespace

TextOutput::~TextOutput() {
    if (m_file != nullptr) {
        Flush();
        std::fclose(m_file);
    }
}

bool TextOutput::Open(const std::string& path) {
    if (m_file != nullptr)
        std::fclose(m_file);
    m_string = nullptr;
    m_failed = false;
    m_buffer.clear();
    m_buffer.reserve(2 * kBlock);
    // Binary mode: the line ends are made here, not by the C library.
    m_file = std::fopen(path.c_str(), "wb");
    if (m_file == nullptr)
        m_failed = true;
    return !m_failed;
}

void TextOutput::Write(std::string_view text) {
    if (Failed())
        return;
    std::string& out = m_string != nullptr ? *m_string : m_buffer;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        const auto* lf =
            static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (lf == nullptr) {
            out.append(p, static_cast<std::size_t>(end - p));
            break;
        }
        out.append(p, static_cast<std::size_t>(lf - p));
        out.append("\r\n", 2);
        p = lf + 1;
    }
    if (m_string == nullptr && m_buffer.size() >= kBlock)
        Flush();
}

void TextOutput::Flush() {
    if (m_file != nullptr && !m_failed && !m_buffer.empty() &&
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
        m_failed = true;
    m_buffer.clear();
}

bool TextOutput::Close() {
    if (m_file != nullptr) {
        Flush();
        if (std::fclose(m_file) != 0)
            m_failed = true;
        m_file = nullptr;
        return !m_failed;
    }
    return m_string != nullptr && !m_failed;
}

} // namespace vantor
