// libFuzzer entry point: see LumenoteScan.h.

#include "LumenoteScan.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumenote::fuzz::ScanScript({reinterpret_cast<const char*>(data), size});
    return 0;
}
