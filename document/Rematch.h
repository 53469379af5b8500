#pragma once

#include <cstddef>

namespace vantor {

class CVantorDoc;
class ProgressMonitor;

/// Gives every user-defined command (parameter type 8) of the Library's Modules in rows
/// `firstRow` to `lastRow` a second chance to name a Definition or Alias.
///
/// The commands are visited in Library order, depth first within a Module (Aliases before
/// Binds before Startups). A command is looked up by its upper-cased name among the
/// Definitions, then the Aliases, of every Module from the first up to its own, a later
/// one winning over an earlier one of the same name; those of parameter type 0 do not
/// count. When one is found and accepts the command's parameter, the command is bound to it
/// and keeps its parameter; otherwise it stays as it was. Bound commands never change.
///
/// `progress` (optional) hears of each command and can stop the pass: the commands not
/// reached stay as they were. Returns the number of commands bound; the Library is marked
/// modified when there is at least one. Rows outside the Library are ignored.
std::size_t RematchCommands(CVantorDoc& library, int firstRow, int lastRow,
                            ProgressMonitor* progress);

} // namespace vantor
