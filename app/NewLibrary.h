#pragma once

#include <QString>

#include <memory>

namespace vantor {

class CVantorApp;
class CVantorDoc;
class MessageService;
struct LibraryWizardResults;

/// The Library the wizard's answers describe, built in memory and named after the chosen
/// file (not yet saved): the engine folder as chosen; one Game per chosen game folder, using
/// no Module, writing "<engine folder>/<game>/Vantor.cfg" (or autoexec.cfg) with the engine
/// folder trimmed; with the VANTOR.CFG choice and the EXEC line wanted, that line added to
/// each game's autoexec.cfg at once; then the chosen standard Modules read from the example
/// folder, each file that cannot be read reported with its own message.
std::unique_ptr<CVantorDoc> BuildNewLibrary(const LibraryWizardResults& answers,
                                            const QString& exampleFolder, MessageService& messages);

/// The New Library command: runs the Library wizard (VANTOR.CFG and the EXEC line preset)
/// and, when it ends with Finish, opens the Library it describes in a window of its own and
/// saves it at once, with every new Game's script. A failed save is reported and leaves the
/// named, unsaved Library open.
void RunNewLibrary(CVantorApp& app);

} // namespace vantor
