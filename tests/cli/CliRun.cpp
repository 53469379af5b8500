#include "CliRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vantor::cli::test {

namespace fs = std::filesystem;

namespace {

// Records "$@" one argument per line; the rename makes the record appear whole.
constexpr const char* kStandInViewer = "#!/bin/sh\n"
                                       "printf '%s\\n' \"$@\" > \"$VIEW_RECORD.part\"\n"
                                       "mv \"$VIEW_RECORD.part\" \"$VIEW_RECORD\"\n";

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

std::string Fixture(const std::string& name) {
    return ReadFile(std::string(VANTOR_CLI_FIXTURES) + "/" + name);
}

CliRun::CliRun() {
    std::string templ = (fs::temp_directory_path() / "vantor-cli-test-XXXXXX").string();
    if (::mkdtemp(templ.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_dir = templ;
    fs::create_directory(Path("bin"));
    fs::create_directory(Path("tmp"));
    Write("bin/xdg-open", kStandInViewer);
    fs::permissions(Path("bin/xdg-open"), fs::perms::owner_all);
}

CliRun::~CliRun() {
    std::error_code ignored;
    fs::remove_all(m_dir, ignored);
}

RunResult CliRun::Run(const std::vector<std::string>& args) const {
    return RunProgram(VANTOR_CLI_PROGRAM, args);
}

RunResult CliRun::RunProgram(const std::string& program,
                             const std::vector<std::string>& args) const {
    const std::string outFile = Path("stdout.txt");
    const std::string errFile = Path("stderr.txt");
    std::vector<std::string> env = {
        "PATH=" + Path("bin") + ":/usr/bin:/bin",
        "TMPDIR=" + Path("tmp"),
        "VIEW_RECORD=" + Path("viewed.txt"),
        std::string("SOURCE_DATE_EPOCH=") + kEpoch,
    };
    std::vector<std::string> copies = args;
    copies.insert(copies.begin(), program);
    std::vector<char*> argv;
    for (auto& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || ::chdir(m_dir.c_str()) != 0 || ::dup2(out, 1) < 0 ||
            ::dup2(err, 2) < 0)
            ::_exit(127);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    RunResult result;
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) {
        ADD_FAILURE() << "could not run " << program;
        return result;
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Read("stdout.txt");
    result.err = Read("stderr.txt");
    fs::remove(outFile);
    fs::remove(errFile);
    return result;
}

void CliRun::MustRun(const std::vector<std::string>& args) const {
    const RunResult result = Run(args);
    ASSERT_EQ(result.status, 0) << "vantor-cli " << testing::PrintToString(args) << ": "
                                << result.err;
}

void CliRun::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream file(Path(name), std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string CliRun::Read(const std::string& name) const {
    return ReadFile(Path(name));
}

bool CliRun::Exists(const std::string& name) const {
    std::error_code ec;
    return fs::exists(fs::symlink_status(Path(name), ec));
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

std::vector<std::string> CliRun::ViewerArguments() const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!Exists("viewed.txt") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::vector<std::string> args;
    std::istringstream lines(Read("viewed.txt"));
    for (std::string line; std::getline(lines, line);)
        args.push_back(line);
    return args;
}

testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected)
        return testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    const std::size_t from = at < 40 ? 0 : at - 40;
    return testing::AssertionFailure()
           << "sizes " << actual.size() << " and " << expected.size() << ", first difference at "
           << at << "\n  actual:   " << testing::PrintToString(actual.substr(from, 80))
           << "\n  expected: " << testing::PrintToString(expected.substr(from, 80));
}

} // namespace vantor::cli::test
