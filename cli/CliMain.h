#pragma once

#include <span>
#include <string>

namespace vantor::cli {

/// Runs vantor-cli with the arguments after the program name: a command, "--help",
/// "help COMMAND" or "--version". Returns the exit status (Status).
int Main(std::span<const std::string> args);

} // namespace vantor::cli
