#include "document/ScriptFiles.h"

#include "document/AtomicFile.h"
#include "model/TextOutput.h"
#include "model/TextUtil.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace vantor {
namespace {

// Text-mode reading: CR LF becomes LF; a lone CR stays.
std::string FromCrLf(const std::string& in) {
    std::string out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == '\r' && i + 1 < in.size() && in[i + 1] == '\n')
            continue;
        out.push_back(in[i]);
    }
    return out;
}

} // namespace

std::string BackupPathFor(const std::string& path) {
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return path.substr(0, dot) + ".bak";
}

void MakeBackup(const std::string& path) {
    const std::string backup = BackupPathFor(path);
    if (backup.empty() || backup == path)
        return;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return;
    std::filesystem::copy_file(path, backup, std::filesystem::copy_options::overwrite_existing, ec);
}

bool AddExecLine(const std::string& scriptPath) {
    const auto slash = scriptPath.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return false;
    const std::string folder = scriptPath.substr(0, slash);
    const std::string scriptName = scriptPath.substr(slash + 1);
    const std::string autoexec = folder + "/" + std::string(LoadString(IDS_AUTOEXEC_NAME));

    std::string text;
    std::error_code ec;
    if (std::filesystem::exists(autoexec, ec)) {
        std::string old;
        if (!ReadWholeFile(autoexec, old))
            return false;
        text = FromCrLf(old);
    } else if (ec) {
        return false;
    }
    text += FormatText(LoadString(IDS_EXEC_LINE), {scriptName});

    std::string bytes;
    TextOutput out(bytes);
    out.Write(text);
    AtomicFile file(autoexec, "VTR");
    if (!file.Open() || !file.Write(bytes))
        return false;
    MakeBackup(autoexec);
    return file.Commit();
}

} // namespace vantor
