#include "CommandLine.h"
#include "Converter.h"
#include "Messages.h"
#include "Version.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace lumenote;
    report("Lumenote v " + std::string(kVersion) + " " + std::string(kNotice));

    const CommandLine::Result line =
        CommandLine::parse(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    for (int i = 0; i < line.viewNotices; ++i) {
        std::fputs("You want to view!\n", stdout);
    }
    if (!line.error.empty()) {
        report(line.error);
        return 3;
    }
    return Converter(line.options).run();
}
