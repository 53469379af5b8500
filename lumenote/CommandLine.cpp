#include "CommandLine.h"

namespace lumenote {

CommandLine::Result CommandLine::parse(const std::vector<std::string>& args) {
    Result result;
    if (args.size() < 2) {
        result.error = "usage lumenote [-t <title>] [-v] <infile> <outfile>";
        return result;
    }
    std::size_t i = 0;
    for (; i < args.size() && !args[i].empty() && args[i][0] == '-'; ++i) {
        // An argument "-" alone has the terminating NUL as its second character.
        const char option = args[i].size() > 1 ? args[i][1] : '\0';
        if (option == 't' || option == 'T') {
            if (i + 1 >= args.size()) {
                result.error = "Title name expected after -t";
                return result;
            }
            result.options.title = args[++i];
        } else if (option == 'v' || option == 'V') {
            result.options.view = true;
            ++result.viewNotices;
        }
    }
    if (args.size() - i < 2) {
        result.error = "Too few parameters specified";
        return result;
    }
    result.options.inputPath = args[i];
    result.options.outputPath = args[i + 1];
    return result;
}

} // namespace lumenote
