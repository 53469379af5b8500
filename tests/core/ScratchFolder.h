#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace vantor::test {

/// An empty folder of its own for the running test: under the temporary folder, named after
/// the prefix, the process and the test. Anything left there by an earlier run is removed.
inline std::filesystem::path MakeScratchFolder(std::string_view prefix) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() /
                         (std::string(prefix) + "-" + std::to_string(::getpid()) + "-" +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

} // namespace vantor::test
