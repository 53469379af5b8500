#include "Messages.h"

#include <cstdio>
#include <string>

namespace lumenote {

void report(std::string_view text) {
    std::string line(text);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}

} // namespace lumenote
