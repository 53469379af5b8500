#include "cli/CliMain.h"

#include "cli/CommandTable.h"
#include "cli/Messages.h"

#include <cstdio>
#include <string_view>

namespace vantor::cli {
namespace {

constexpr std::string_view kIntro =
    "Usage: vantor-cli COMMAND ARGUMENTS...\n"
    "The Library operations of Vantor on the command line.\n"
    "\n"
    "Names and text are given as UTF-8 and stored in the Library as Windows-1252; a\n"
    "character that Windows-1252 lacks is refused. A Game or Module named on the command\n"
    "line is the first one of that name in Library order. A command that changes a Library\n"
    "saves the Library file only, replacing it once the new one is complete; a command\n"
    "that fails leaves the Library as it was.\n"
    "\n"
    "Commands:\n";

constexpr std::string_view kOutro =
    "  help COMMAND\n"
    "      Shows the help of one command.\n"
    "  --help, --version\n"
    "\n"
    "Environment: when SOURCE_DATE_EPOCH holds a number of seconds, written scripts are\n"
    "dated with that moment (in UTC) instead of the local time.\n"
    "\n"
    "Exit status: 0 done, 1 the operation failed, 2 usage error.\n";

void Print(std::FILE* out, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), out);
}

// Each line of the text, indented.
void PrintIndented(std::FILE* out, std::string_view text, std::string_view indent) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        Print(out, indent);
        Print(out, text.substr(0, end));
        Print(out, "\n");
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

std::string UsageLine(const CommandSpec& command) {
    return "vantor-cli " + std::string(command.name) + " " + std::string(command.arguments);
}

int ShowHelp() {
    Print(stdout, kIntro);
    for (const CommandSpec& command : Commands()) {
        PrintIndented(stdout, std::string(command.name) + " " + std::string(command.arguments),
                      "  ");
        PrintIndented(stdout, command.summary, "      ");
    }
    Print(stdout, kOutro);
    return Done;
}

int ShowCommandHelp(const CommandSpec& command) {
    Print(stdout, "Usage: " + UsageLine(command) + "\n");
    PrintIndented(stdout, command.summary, "");
    PrintIndented(stdout, command.details, "");
    return Done;
}

int UsageFault(std::string_view usage) {
    Report("Usage: " + std::string(usage));
    Report("Try \"vantor-cli --help\".");
    return UsageError;
}

} // namespace

int Main(std::span<const std::string> args) {
    if (args.empty())
        return UsageFault("vantor-cli COMMAND ARGUMENTS...");
    const std::string& first = args[0];
    if (first == "--help" && args.size() == 1)
        return ShowHelp();
    if (first == "--version" && args.size() == 1) {
        Print(stdout, "vantor-cli " VANTOR_VERSION "\n");
        return Done;
    }
    if (first == "help") {
        const CommandSpec* command = args.size() == 2 ? FindCommand(args[1]) : nullptr;
        if (command == nullptr) {
            if (args.size() == 2)
                Report("Unknown command \"" + args[1] + "\".");
            return UsageFault("vantor-cli help COMMAND");
        }
        return ShowCommandHelp(*command);
    }
    const CommandSpec* command = FindCommand(first);
    if (command == nullptr) {
        Report("Unknown command \"" + first + "\".");
        return UsageFault("vantor-cli COMMAND ARGUMENTS...");
    }
    const auto call = ReadArguments(*command, args.subspan(1));
    if (!call)
        return UsageFault(UsageLine(*command));
    const Status status = command->run(*call);
    if (status == UsageError)
        return UsageFault(UsageLine(*command));
    return status;
}

} // namespace vantor::cli
