#include "Converter.h"

#include "InputReader.h"
#include "Messages.h"
#include "OutputBuffer.h"
#include "PageViewer.h"
#include "ScanError.h"
#include "ScriptScanner.h"
#include "Version.h"

#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace lumenote {

namespace {

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

/// Closes a descriptor when it goes out of scope.
struct FileHandle {
    int fd;
    explicit FileHandle(int descriptor) : fd(descriptor) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

std::string pageHead(const std::string& title) {
    std::string head = "<HTML>\n"
                       "<HEAD>\n"
                       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                       "charset=iso-8859-1\">\n"
                       "<META NAME=\"Author\" CONTENT=\"Lumenote\">\n"
                       "<META NAME=\"GENERATOR\" CONTENT=\"Lumenote ";
    head += kVersion;
    head += "\">\n<TITLE>";
    head += title;
    head += "</TITLE>\n"
            "</HEAD>\n"
            "<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#FF0000\" VLINK=\"#800080\" "
            "ALINK=\"#0000FF\">\n"
            "<TT><NOBR>";
    return head;
}

constexpr std::string_view kPageTail = "</NOBR></TT>\n</BODY>\n</HTML>\n";

/// True when path names the file already open as fd (also through a link).
bool isSameFile(int fd, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

int Converter::run() {
    const std::string& inPath = options_.inputPath;
    const std::string& outPath = options_.outputPath;

    FileHandle input(::open(inPath.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat inputStat {};
    if (input.fd < 0 || ::fstat(input.fd, &inputStat) != 0 || S_ISDIR(inputStat.st_mode)) {
        report("Unable to open input file " + quoted(inPath));
        return 3;
    }
    // Truncating the output would destroy the script before it is read.
    if (isSameFile(input.fd, outPath)) {
        report("Unable to open output file" + quoted(outPath));
        return 3;
    }
    FileHandle output(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (output.fd < 0) {
        report("Unable to open output file" + quoted(outPath));
        return 3;
    }

    OutputBuffer page(output.fd);
    InputReader script(input.fd);
    page.appendText(pageHead(options_.title ? *options_.title : outPath + " script file"));
    try {
        ScriptScanner(script, page).run();
    } catch (const ScanError& error) {
        page.flush(); // the page stays as written so far
        report(error.what());
        return 2;
    }
    page.appendText(kPageTail);
    if (!page.commit()) {
        report("Unable to write output file " + quoted(outPath));
        return 3;
    }

    report("Converted " + quoted(inPath) + " to " + quoted(outPath) + "\n");
    if (options_.view) {
        report("Viewing " + quoted(outPath) + " in default browser");
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        PageViewer::open(outPath);
    }
    return 0;
}

} // namespace lumenote
