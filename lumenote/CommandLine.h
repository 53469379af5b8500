#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumenote {

/// What one run of lumenote is asked to do.
struct Options {
    std::string inputPath;
    std::string outputPath;
    std::optional<std::string> title; ///< set by -t, even when empty
    bool view = false;                ///< -v: open the page when done
};

/// The command line: [-t <title>] [-v] <infile> <outfile>.
class CommandLine {
public:
    struct Result {
        Options options;
        int viewNotices = 0; ///< how many -v options were read before parsing stopped
        std::string error;   ///< the message to report; empty when the line is good
    };

    /// Parses the arguments after the program name. Options are read in order while the
    /// current argument begins with '-'; only its second character counts. The first two
    /// arguments after the options are the files, later ones are ignored.
    static Result parse(const std::vector<std::string>& args);
};

} // namespace lumenote
