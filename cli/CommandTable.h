#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::cli {

/// How a command ends; the value is the program's exit status.
enum Status : int {
    Done = 0,       ///< the command did what it was asked
    Failed = 1,     ///< the operation failed; every file is as it was, unless the help says
    UsageError = 2, ///< the command line was wrong; nothing was done
};

/// An option of a command: a flag ("--view") or one that takes the next argument as its value
/// ("--engine DIR").
struct OptionSpec {
    std::string_view name;
    bool takesValue = false;
};

struct Invocation;

/// One command: its name and arguments as the help shows them, what it does, how many
/// operands it takes, its options and the function that runs it.
struct CommandSpec {
    static constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();

    std::string_view name;
    std::string_view arguments; ///< "LIBRARY NAME SCRIPTFILE"
    std::string_view summary;   ///< one line for the command list
    std::string_view details;   ///< the rest of `help COMMAND`
    std::size_t minOperands = 0;
    std::size_t maxOperands = 0; ///< kAny: no limit
    std::span<const OptionSpec> options;
    Status (*run)(const Invocation&) = nullptr;
};

/// A command line read against a command's table entry: its operands in order and the options
/// given.
struct Invocation {
    const CommandSpec* command = nullptr;
    std::vector<std::string> operands;
    std::vector<std::pair<std::string_view, std::string>> options;

    /// Whether the option was given.
    bool Has(std::string_view option) const;
    /// The value of an option that takes one, or null when it was not given.
    const std::string* Value(std::string_view option) const;
};

/// Every command, in the order the help lists them.
std::span<const CommandSpec> Commands();
/// The command of that name, or null.
const CommandSpec* FindCommand(std::string_view name);

/// Reads the arguments after the command name. An argument that names one of the command's
/// options is that option ("--" ends the options); any other argument starting with "--" is
/// an unknown option when the command has options, and an operand otherwise. Null, after
/// reporting the fault, when an option is unknown, repeated or lacks its value, or the
/// number of operands is wrong.
std::optional<Invocation> ReadArguments(const CommandSpec& command,
                                        std::span<const std::string> args);

} // namespace vantor::cli
