#pragma once

#include "CommandLine.h"

#include <utility>

namespace lumenote {

/// Turns one script file into an HTML page and, when asked, opens it.
class Converter {
public:
    explicit Converter(Options options) : options_(std::move(options)) {}

    /// Converts the input file into the output page, reporting on standard error, and
    /// returns the exit status: 0 done, 3 a file could not be opened or written. A fatal
    /// scanner error ends the process with status 2 instead of returning.
    int run();

private:
    Options options_;
};

} // namespace lumenote
