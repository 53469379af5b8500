// libFuzzer entry point: see ImportScript in FuzzBodies.h.

#include "FuzzBodies.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vantor::fuzz::ImportScript({reinterpret_cast<const char*>(data), size});
    return 0;
}
