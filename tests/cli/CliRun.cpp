#include "CliRun.h"

#include <algorithm>
#include <filesystem>

namespace vantor::cli::test {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) {
    return testsupport::ReadFile(std::string(VANTOR_CLI_FIXTURES) + "/" + name);
}

CliRun::CliRun() : ProgramRun("vantor-cli-test") {
    fs::create_directory(Path("tmp"));
}

RunResult CliRun::Run(const std::vector<std::string>& args) const {
    return RunProgram(VANTOR_CLI_PROGRAM, args);
}

RunResult CliRun::RunProgram(const std::string& program,
                             const std::vector<std::string>& args) const {
    return RunIn(program, args,
                 {
                     "PATH=" + Path("bin") + ":/usr/bin:/bin",
                     "TMPDIR=" + Path("tmp"),
                     std::string("SOURCE_DATE_EPOCH=") + kEpoch,
                 });
}

void CliRun::MustRun(const std::vector<std::string>& args) const {
    const RunResult result = Run(args);
    ASSERT_EQ(result.status, 0) << "vantor-cli " << testing::PrintToString(args) << ": "
                                << result.err;
}

void CliRun::CopyFixture(const std::string& name) const {
    Write(name, Fixture(name));
}

std::vector<std::string> CliRun::List(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Path(folder)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace vantor::cli::test
