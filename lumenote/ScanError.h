#pragma once

#include <stdexcept>

namespace lumenote {

/// A fatal scanner error; what() is the message for standard error.
class ScanError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace lumenote
