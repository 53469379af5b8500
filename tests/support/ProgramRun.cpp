#include "ProgramRun.h"

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

namespace vantor::testsupport {

namespace fs = std::filesystem;

namespace {

// Records "$@" one argument per line; the rename makes the record appear whole.
constexpr const char* kStandInViewer = "#!/bin/sh\n"
                                       "printf '%s\\n' \"$@\" > \"$VIEW_RECORD.part\"\n"
                                       "mv \"$VIEW_RECORD.part\" \"$VIEW_RECORD\"\n";

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (auto& s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

} // namespace

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

ProgramRun::ProgramRun(std::string_view prefix) {
    std::string templ = (fs::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    if (::mkdtemp(templ.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_dir = templ;
    fs::create_directory(Path("bin"));
    Write("bin/xdg-open", kStandInViewer);
    fs::permissions(Path("bin/xdg-open"), fs::perms::owner_all);
}

ProgramRun::~ProgramRun() {
    std::error_code ignored;
    fs::remove_all(m_dir, ignored);
}

RunResult ProgramRun::RunIn(const std::string& program, const std::vector<std::string>& args,
                            std::vector<std::string> env) const {
    const std::string outFile = Path("stdout.txt");
    const std::string errFile = Path("stderr.txt");
    env.push_back("VIEW_RECORD=" + Path("viewed.txt"));
    std::vector<std::string> command = args;
    command.insert(command.begin(), program);
    std::vector<char*> argv = Pointers(command);
    std::vector<char*> envp = Pointers(env);

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
    result.out = ReadFile(outFile);
    result.err = ReadFile(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return result;
}

void ProgramRun::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream file(Path(name), std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ProgramRun::Read(const std::string& name) const {
    return ReadFile(Path(name));
}

bool ProgramRun::Exists(const std::string& name) const {
    std::error_code ec;
    return fs::exists(fs::symlink_status(Path(name), ec));
}

std::vector<std::string> ProgramRun::ViewerArguments() const {
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

} // namespace vantor::testsupport
