// The preview side of CScriptOutput: temporary scripts, the converter and its page.

#include "document/CScriptOutput.h"
#include "document/PreviewHost.h"
#include "model/CScript.h"
#include "model/CVConfig.h"
#include "model/TextUtil.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <stdlib.h> // mkstemp
#include <unistd.h>

namespace vantor {
namespace {

// The first value (0 to 32767) of the classic C library generator seeded with `seed`. The C
// library here has another generator and range, so this one is written out, and the
// process-wide generator stays untouched.
std::uint32_t FirstRandomValue(std::uint32_t seed) {
    return ((seed * 214013u + 2531011u) >> 16) & 0x7FFFu;
}

std::string DefaultTempFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    return tmpdir != nullptr && *tmpdir != '\0' ? tmpdir : "/tmp";
}

// The paths become the converter's arguments: one that starts with "-" would pass for an
// option.
std::string SafeFolder(std::string folder) {
    if (folder.empty())
        return SafeFolder(DefaultTempFolder());
    if (folder.front() == '-')
        folder.insert(0, "./");
    return folder;
}

std::string InFolder(const std::string& folder, std::string_view name) {
    std::string path = folder;
    if (path.empty() || path.back() != '/')
        path.push_back('/');
    path += name;
    return path;
}

// A new empty file "~vt" + six random characters in the folder; empty when it cannot be made.
std::string MakeTempFile(const std::string& folder) {
    std::string path = InFolder(folder, "~vtXXXXXX");
    const int fd = ::mkstemp(path.data());
    if (fd < 0)
        return {};
    ::close(fd);
    return path;
}

// The converter's arguments from a command-line string: its words after the program name,
// each "%s" word (quoted or not) replaced by the next value. The quotes only kept a blank
// value together on one command line; as list items the values need none.
std::vector<std::string> ConverterArguments(std::string_view format,
                                            std::initializer_list<std::string_view> values) {
    std::vector<std::string> args;
    auto value = values.begin();
    bool program = true;
    std::size_t at = 0;
    while (at < format.size()) {
        const std::size_t end = std::min(format.find(' ', at), format.size());
        std::string_view word = format.substr(at, end - at);
        at = end + 1;
        if (word.empty())
            continue;
        if (program) {
            program = false;
            continue;
        }
        if (word.size() >= 2 && word.front() == '"' && word.back() == '"')
            word = word.substr(1, word.size() - 2);
        if (word == "%s")
            args.emplace_back(value != values.end() ? *value++ : std::string_view{});
        else
            args.emplace_back(word);
    }
    return args;
}

} // namespace

CScriptOutput::CScriptOutput(int cursorX, int cursorY)
    : m_tempFolder(SafeFolder({})),
      m_previewCounter(FirstRandomValue(static_cast<std::uint32_t>(cursorY) * 1363u ^
                                        static_cast<std::uint32_t>(cursorX))) {}

CScriptOutput::~CScriptOutput() {
    for (auto it = m_tempFiles.rbegin(); it != m_tempFiles.rend(); ++it)
        ::unlink(it->c_str());
}

void CScriptOutput::SetTempFolder(std::string folder) {
    m_tempFolder = SafeFolder(std::move(folder));
}

void CScriptOutput::SetPreviewPage(std::string pagePath) {
    if (!pagePath.empty() && pagePath.front() == '-')
        pagePath.insert(0, "./");
    m_pagePath = std::move(pagePath);
}

bool CScriptOutput::PreviewGame(const CVantorDoc& library, const CScript& game) {
    const std::string script = MakeTempFile(m_tempFolder);
    if (script.empty())
        return false;
    if (!WriteGameScript(library, game, script)) {
        // Nothing records the file, so nothing would ever delete it.
        ::unlink(script.c_str());
        return false;
    }
    RunPreview(script, FormatText(LoadString(IDS_PREVIEW_GAME_TITLE), {game.GetGameName()}));
    return true;
}

bool CScriptOutput::PreviewModule(const CVConfig& module) {
    const std::string script = MakeTempFile(m_tempFolder);
    if (script.empty())
        return false;
    if (!WriteModuleScript(module, script)) {
        ::unlink(script.c_str());
        return false;
    }
    RunPreview(script, FormatText(LoadString(IDS_PREVIEW_MODULE_TITLE), {module.GetName()}));
    return true;
}

bool CScriptOutput::RunPreview(const std::string& scriptPath,
                               const std::optional<std::string>& title) {
    ++m_previewCounter;
    const bool tempPage = m_pagePath.empty();
    std::string pagePath = m_pagePath;
    if (tempPage) {
        char page[32];
        std::snprintf(page, sizeof page, "~vantor%04x.htm",
                      static_cast<unsigned>(m_previewCounter & 0xFFFFu));
        pagePath = InFolder(m_tempFolder, page);
    }

    std::vector<std::string> args;
    if (title) {
        std::string shown = *title;
        std::replace(shown.begin(), shown.end(), '"', '\'');
        args =
            ConverterArguments(LoadString(IDS_CONVERTER_ARGS_TITLE), {shown, scriptPath, pagePath});
    } else {
        args = ConverterArguments(LoadString(IDS_CONVERTER_ARGS), {scriptPath, pagePath});
    }
    // The converter's "-v" opens the page in the web browser.
    if (!m_view)
        std::erase(args, std::string("-v"));

    if (m_host != nullptr && m_host->TakeFirstPreview())
        m_host->ShowInformation(LoadString(IDS_FIRST_PREVIEW_NOTICE));

    ProcessLauncher& launcher = m_launcher != nullptr ? *m_launcher : m_waitingLauncher;
    const std::string converter = m_host != nullptr ? m_host->GetConverterPath() : std::string();
    const bool started = !converter.empty() && launcher.Start(converter, args);
    if (!started) {
        if (m_host != nullptr)
            m_host->ShowWarning(LoadString(IDS_PREVIEW_START_FAILED));
    } else if (tempPage) {
        m_tempFiles.push_back(pagePath);
    }
    m_tempFiles.push_back(scriptPath);
    return started;
}

} // namespace vantor
