#pragma once

#include "cli/CommandTable.h"

// The commands of vantor-cli, one function each; CommandTable.cpp lists them with their help.
namespace vantor::cli {

// DumpCommand.cpp
Status DumpFile(const Invocation& call);

// LibraryCommands.cpp
Status NewLibrary(const Invocation& call);
Status AddGame(const Invocation& call);
Status UseModules(const Invocation& call);

// ImportCommands.cpp
Status ImportScripts(const Invocation& call);
Status ImportModules(const Invocation& call);
Status ImportDefinitions(const Invocation& call);
Status ExportModule(const Invocation& call);
Status Rematch(const Invocation& call);

// ScriptCommands.cpp
Status WriteScripts(const Invocation& call);
Status WriteGame(const Invocation& call);
Status WriteModule(const Invocation& call);
Status AddExec(const Invocation& call);

// PreviewCommand.cpp
Status Preview(const Invocation& call);

} // namespace vantor::cli
