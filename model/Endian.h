#pragma once

#include <bit>
#include <cstdint>
#include <string>

// Little-endian encoding of the archive's integers and floats. Every multi-byte value of
// the archive goes through these helpers; nothing casts host memory.
namespace vantor::le {

inline void PutU16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

inline void PutU32(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

inline void PutF32(std::string& out, float v) {
    PutU32(out, std::bit_cast<std::uint32_t>(v));
}

inline std::uint16_t GetU16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t GetU32(const unsigned char* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

inline float GetF32(const unsigned char* p) {
    return std::bit_cast<float>(GetU32(p));
}

} // namespace vantor::le
