#include "LumenoteRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace lumenote::test {

namespace fs = std::filesystem;

namespace {

// Records "$@" one argument per line; the rename makes the record appear whole.
constexpr const char* kStandInViewer = "#!/bin/sh\n"
                                       "printf '%s\\n' \"$@\" > \"$VIEW_RECORD.part\"\n"
                                       "mv \"$VIEW_RECORD.part\" \"$VIEW_RECORD\"\n";

} // namespace

LumenoteRun::LumenoteRun() {
    std::string templ = (fs::temp_directory_path() / "lumenote-test-XXXXXX").string();
    if (::mkdtemp(templ.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    dir_ = templ;
    fs::create_directory(path("bin"));
    fs::create_directory(path("empty-bin"));
    write("bin/xdg-open", kStandInViewer);
    fs::permissions(path("bin/xdg-open"), fs::perms::owner_all);
}

LumenoteRun::~LumenoteRun() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
}

RunResult LumenoteRun::run(const std::vector<std::string>& args, bool viewer) const {
    const std::string outFile = path("stdout.txt");
    const std::string errFile = path("stderr.txt");
    std::vector<std::string> env = {
        "PATH=" + path(viewer ? "bin" : "empty-bin") + ":/usr/bin:/bin",
        "VIEW_RECORD=" + path("viewed.txt"),
    };
    std::vector<char*> argv;
    std::string program = LUMENOTE_PROGRAM;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (auto& arg : copies) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || ::chdir(dir_.c_str()) != 0 || ::dup2(out, 1) < 0 ||
            ::dup2(err, 2) < 0) {
            ::_exit(127);
        }
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
    result.out = read("stdout.txt");
    result.err = read("stderr.txt");
    return result;
}

void LumenoteRun::write(const std::string& name, const std::string& bytes) const {
    std::ofstream file(path(name), std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string LumenoteRun::read(const std::string& name) const {
    std::ifstream file(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool LumenoteRun::exists(const std::string& name) const {
    return fs::exists(path(name));
}

std::vector<std::string> LumenoteRun::viewerArguments() const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!exists("viewed.txt") && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::vector<std::string> args;
    std::istringstream lines(read("viewed.txt"));
    for (std::string line; std::getline(lines, line);) {
        args.push_back(line);
    }
    return args;
}

std::string expectedPage(const std::string& title, const std::string& body) {
    return "<HTML>\r\n"
           "<HEAD>\r\n"
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\r\n"
           "<META NAME=\"Author\" CONTENT=\"Lumenote\">\r\n"
           "<META NAME=\"GENERATOR\" CONTENT=\"Lumenote 0.90 Beta\">\r\n"
           "<TITLE>" +
           title +
           "</TITLE>\r\n"
           "</HEAD>\r\n"
           "<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#FF0000\" VLINK=\"#800080\" "
           "ALINK=\"#0000FF\">\r\n"
           "<TT><NOBR>" +
           body + "</NOBR></TT>\r\n</BODY>\r\n</HTML>\r\n";
}

testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected) {
        return testing::AssertionSuccess();
    }
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    const std::size_t from = at < 40 ? 0 : at - 40;
    return testing::AssertionFailure()
           << "sizes " << actual.size() << " and " << expected.size() << ", first difference at "
           << at << "\n  actual:   " << testing::PrintToString(actual.substr(from, 80))
           << "\n  expected: " << testing::PrintToString(expected.substr(from, 80));
}

} // namespace lumenote::test
