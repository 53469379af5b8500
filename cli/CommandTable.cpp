#include "cli/CommandTable.h"

#include "cli/Commands.h"
#include "cli/Messages.h"

#include <algorithm>
#include <array>

namespace vantor::cli {
namespace {

constexpr std::size_t kAny = CommandSpec::kAny;

constexpr OptionSpec kNewOptions[] = {{"--engine", true}};
constexpr OptionSpec kPreviewOptions[] = {{"--game", true}, {"--module", true}, {"--view"}};

constexpr std::string_view kCreatesLibrary =
    "LIBRARY is created when it does not exist. When a file cannot be imported,\n"
    "nothing is saved.";
constexpr std::string_view kKeepsBackup =
    "The previous version of the file is kept as its .bak file.";

constexpr std::array kCommands = {
    CommandSpec{
        .name = "dump",
        .arguments = "FILE",
        .summary = "Prints a Library (.vtl) or a Module file (.vtm) as JSON on standard output.",
        .details =
            "A file whose name ends in .vtm, in any case, is read as a Module file; any other\n"
            "file as a Library. Text comes out as UTF-8.",
        .minOperands = 1,
        .maxOperands = 1,
        .options = {},
        .run = DumpFile,
    },
    CommandSpec{
        .name = "new",
        .arguments = "LIBRARY [--engine DIR]",
        .summary = "Creates an empty Library with the defaults of a new Library.",
        .details = "Fails when LIBRARY exists. --engine DIR sets the game engine folder.",
        .minOperands = 1,
        .maxOperands = 1,
        .options = kNewOptions,
        .run = NewLibrary,
    },
    CommandSpec{
        .name = "add-game",
        .arguments = "LIBRARY NAME SCRIPTFILE",
        .summary = "Appends a Game named NAME whose script file is SCRIPTFILE; it uses no Modules\n"
                   "yet, and write-scripts writes its script.",
        .details = "SCRIPTFILE is stored as given: a relative path is taken from the folder in\n"
                   "which the script is written.",
        .minOperands = 3,
        .maxOperands = 3,
        .options = {},
        .run = AddGame,
    },
    CommandSpec{
        .name = "use",
        .arguments = "LIBRARY GAME MODULE...",
        .summary = "Makes the Game named GAME use exactly the Modules named.",
        .details = "Modules that the Game used before and that are not named stop being used.",
        .minOperands = 3,
        .maxOperands = kAny,
        .options = {},
        .run = UseModules,
    },
    CommandSpec{
        .name = "import-script",
        .arguments = "LIBRARY SCRIPT...",
        .summary = "Makes each script file a new Module named after the file, then rematches the\n"
                   "commands of that Module.",
        .details = kCreatesLibrary,
        .minOperands = 2,
        .maxOperands = kAny,
        .options = {},
        .run = ImportScripts,
    },
    CommandSpec{
        .name = "import-module",
        .arguments = "LIBRARY FILE.vtm...",
        .summary = "Adds the Module of each Module file.",
        .details = kCreatesLibrary,
        .minOperands = 2,
        .maxOperands = kAny,
        .options = {},
        .run = ImportModules,
    },
    CommandSpec{
        .name = "import-defs",
        .arguments = "LIBRARY DEFS...",
        .summary = "Makes each definitions file (lines \"name;type letter;description\") a new\n"
                   "Module of Definitions, then rematches the commands that may name them.",
        .details = kCreatesLibrary,
        .minOperands = 2,
        .maxOperands = kAny,
        .options = {},
        .run = ImportDefinitions,
    },
    CommandSpec{
        .name = "export-module",
        .arguments = "LIBRARY MODULE OUT.vtm",
        .summary = "Writes a Module to a Module file.",
        .details = "",
        .minOperands = 3,
        .maxOperands = 3,
        .options = {},
        .run = ExportModule,
    },
    CommandSpec{
        .name = "rematch",
        .arguments = "LIBRARY",
        .summary = "Binds the user-defined commands of every Module to the Definitions and\n"
                   "Aliases known by then.",
        .details = "A command can be bound to a Definition or Alias of its own Module or of a\n"
                   "Module before it. The Library is saved when a command was bound.",
        .minOperands = 1,
        .maxOperands = 1,
        .options = {},
        .run = Rematch,
    },
    CommandSpec{
        .name = "write-scripts",
        .arguments = "LIBRARY",
        .summary = "Writes the script of every Game that is written with the Library and has a\n"
                   "script file, in Game order, stopping at the first failure.",
        .details = "The previous version of each script is kept as its .bak file. Scripts\n"
                   "written before a failure stay written.",
        .minOperands = 1,
        .maxOperands = 1,
        .options = {},
        .run = WriteScripts,
    },
    CommandSpec{
        .name = "write-game",
        .arguments = "LIBRARY GAME [OUT]",
        .summary = "Writes a Game's script to its own script file, or to OUT.",
        .details = kKeepsBackup,
        .minOperands = 2,
        .maxOperands = 3,
        .options = {},
        .run = WriteGame,
    },
    CommandSpec{
        .name = "write-module",
        .arguments = "LIBRARY MODULE OUT",
        .summary = "Writes one Module's script to OUT, as the Module preview writes it.",
        .details = kKeepsBackup,
        .minOperands = 3,
        .maxOperands = 3,
        .options = {},
        .run = WriteModule,
    },
    CommandSpec{
        .name = "add-exec",
        .arguments = "SCRIPTPATH",
        .summary = "Adds the EXEC line for SCRIPTPATH to the autoexec.cfg of the script's folder.",
        .details = "autoexec.cfg is created when it is missing; its previous version is kept as\n"
                   "autoexec.bak. Running the command twice adds the line twice.",
        .minOperands = 1,
        .maxOperands = 1,
        .options = {},
        .run = AddExec,
    },
    CommandSpec{
        .name = "preview",
        .arguments = "LIBRARY (--game NAME | --module NAME) OUT.html [--view]",
        .summary = "Makes the HTML page of a Game's or a Module's script with lumenote.",
        .details = "The script goes to a temporary file, which is removed afterwards; lumenote is\n"
                   "the program beside vantor-cli. --view also opens the page in the web browser.\n"
                   "When lumenote fails, OUT.html is left as it was.",
        .minOperands = 2,
        .maxOperands = 2,
        .options = kPreviewOptions,
        .run = Preview,
    },
};

} // namespace

bool Invocation::Has(std::string_view option) const {
    return Value(option) != nullptr;
}

const std::string* Invocation::Value(std::string_view option) const {
    for (const auto& [name, value] : options)
        if (name == option)
            return &value;
    return nullptr;
}

std::span<const CommandSpec> Commands() {
    return kCommands;
}

const CommandSpec* FindCommand(std::string_view name) {
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [&](const CommandSpec& c) { return c.name == name; });
    return it == kCommands.end() ? nullptr : &*it;
}

std::optional<Invocation> ReadArguments(const CommandSpec& command,
                                        std::span<const std::string> args) {
    Invocation call;
    call.command = &command;
    bool optionsEnded = command.options.empty();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            call.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto option = std::find_if(command.options.begin(), command.options.end(),
                                         [&](const OptionSpec& o) { return o.name == arg; });
        if (option == command.options.end()) {
            Report("Unknown option " + arg + ".");
            return std::nullopt;
        }
        if (call.Has(option->name)) {
            Report("The option " + arg + " is given twice.");
            return std::nullopt;
        }
        if (option->takesValue) {
            if (i + 1 == args.size()) {
                Report("The option " + arg + " needs a value.");
                return std::nullopt;
            }
            call.options.emplace_back(option->name, args[++i]);
        } else {
            call.options.emplace_back(option->name, std::string());
        }
    }
    const std::size_t count = call.operands.size();
    if (count < command.minOperands || count > command.maxOperands) {
        Report(count < command.minOperands ? "Too few arguments." : "Too many arguments.");
        return std::nullopt;
    }
    return call;
}

} // namespace vantor::cli
