// Replays through the fuzz targets' own checks (fuzz/FuzzBodies.h) every input the fuzzers
// found a fault with (tests/fixtures/bad/fuzz/TARGET/), and the fixtures they start from.

#include "FuzzBodies.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace vantor {
namespace {

const fs::path kFixtures = VANTOR_FIXTURES;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The files of `folder` whose names end in `extension` (every file for an empty one).
std::vector<fs::path> Files(const fs::path& folder, const std::string& extension = {}) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder))
        return files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && (extension.empty() || entry.path().extension() == extension))
            files.push_back(entry.path());
    return files;
}

void Replay(void (*body)(std::string_view), const std::vector<fs::path>& files) {
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        EXPECT_NO_THROW(body(ReadBytes(file)));
    }
}

TEST(FuzzRegression, LibraryReader) {
    const auto files = Files(kFixtures / "bad", ".vtl");
    ASSERT_GE(files.size(), 20u);
    Replay(fuzz::ReadLibrary, files);
    Replay(fuzz::ReadLibrary, Files(kFixtures / "bad" / "fuzz" / "fuzz_library"));
}

TEST(FuzzRegression, ModuleReader) {
    auto files = Files(kFixtures / "bad", ".vtm");
    files.push_back(kFixtures / "model" / "movement.vtm");
    Replay(fuzz::ReadModule, files);
    Replay(fuzz::ReadModule, Files(kFixtures / "bad" / "fuzz" / "fuzz_module"));
}

TEST(FuzzRegression, ScriptImport) {
    const auto files = Files(kFixtures / "import", ".cfg");
    ASSERT_FALSE(files.empty());
    Replay(fuzz::ImportScript, files);
    Replay(fuzz::ImportScript, Files(kFixtures / "bad" / "fuzz" / "fuzz_script_import"));
}

} // namespace
} // namespace vantor
