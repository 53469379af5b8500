#pragma once

#include <string>

namespace lumenote {

/// Opens a file with the desktop's default program.
class PageViewer {
public:
    /// Starts "xdg-open path" (found on PATH, no shell) and returns without waiting for it.
    /// Whether the program could be started is not reported.
    static void open(const std::string& path);
};

} // namespace lumenote
