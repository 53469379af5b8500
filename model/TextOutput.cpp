#include "model/TextOutput.h"

namespace vantor {

TextOutput::~TextOutput() {
    if (m_file != nullptr)
        std::fclose(m_file);
}

bool TextOutput::Open(const std::string& path) {
    if (m_file != nullptr)
        std::fclose(m_file);
    m_string = nullptr;
    m_failed = false;
    // Binary mode: the line ends are made here, not by the C library.
    m_file = std::fopen(path.c_str(), "wb");
    if (m_file == nullptr)
        m_failed = true;
    return !m_failed;
}

void TextOutput::Put(std::string_view bytes) {
    if (Failed() || bytes.empty())
        return;
    if (m_string != nullptr)
        m_string->append(bytes);
    else if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        m_failed = true;
}

void TextOutput::Write(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
         lf = text.find('\n', start)) {
        Put(text.substr(start, lf - start));
        Put("\r\n");
        start = lf + 1;
    }
    Put(text.substr(start));
}

bool TextOutput::Close() {
    if (m_file != nullptr) {
        if (std::fclose(m_file) != 0)
            m_failed = true;
        m_file = nullptr;
        return !m_failed;
    }
    return m_string != nullptr && !m_failed;
}

} // namespace vantor
