#pragma once

#include <memory>
#include <string>
#include <string_view>

// Opening, creating and saving the Library a command works on, and finding its Games by the
// names given on the command line. Every failure is reported here.
namespace vantor {

class CScript;
class CVantorDoc;

namespace cli {

/// True when something (a file, a folder, a link) exists at the path.
bool PathExists(const std::string& path);

/// The Library read from its file; null after reporting why it could not be opened.
std::unique_ptr<CVantorDoc> OpenLibrary(const std::string& path);
/// The same, or a new Library with its defaults when nothing exists at the path yet.
std::unique_ptr<CVantorDoc> OpenOrCreateLibrary(const std::string& path);
/// Saves the Library file alone (no Game script). False after reporting the failure; the
/// file is then as it was.
bool SaveLibraryFile(CVantorDoc& library, const std::string& path);

/// The first Game of that name (UTF-8) in Library order; null after reporting.
CScript* FindGame(const CVantorDoc& library, std::string_view name);
/// Reports that the Library holds no Game or Module ("kind") of that name (UTF-8).
void ReportNoSuch(std::string_view kind, std::string_view name);

} // namespace cli
} // namespace vantor
