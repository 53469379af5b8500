#pragma once

#include "document/WaitingProcessLauncher.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

class CScript;
class CVConfig;
class CVantorDoc;
class PreviewHost;
class ProcessLauncher;

/// Writes the script files the game engine executes, and previews scripts as HTML pages.
/// The application keeps one.
///
/// A script is written anew each time, after its previous version was copied to the
/// backup name (MakeBackup). Lines end in CR LF. A write that fails returns false and
/// leaves the backup; the caller chooses the message.
///
/// A preview writes the script to a temporary file and starts the converter on it, which
/// writes the page and opens it in the web browser. Every temporary file of a preview is
/// deleted when the object is destroyed.
class CScriptOutput {
public:
    /// `cursorX` and `cursorY` (the mouse position at start-up) seed the preview counter.
    explicit CScriptOutput(int cursorX = 0, int cursorY = 0);
    /// Deletes the temporary files of the previews, the last one first; errors are ignored.
    ~CScriptOutput();
    CScriptOutput(const CScriptOutput&) = delete;
    CScriptOutput& operator=(const CScriptOutput&) = delete;

    // --- Scripts -------------------------------------------------------------------------

    /// Writes the Game's script to `fileName`, or to the Game's own script file when
    /// `fileName` is empty: the header, the Game line with the script time, the echo line,
    /// the section of each of `library`'s Modules that the Game uses, in Library order, and
    /// the footer. False when there is no target or it cannot be written.
    bool WriteGameScript(const CVantorDoc& library, const CScript& game,
                         std::string_view fileName = {}) const;
    /// Writes one Module's section between the header and the footer, with no Game line.
    bool WriteModuleScript(const CVConfig& module, std::string_view fileName) const;

    /// Copies an existing file to its backup name (see ScriptFiles.h).
    static void MakeBackup(const std::string& path);
    /// Adds the EXEC line for `scriptPath` to the autoexec.cfg beside it (see ScriptFiles.h).
    static bool AddExecLine(const std::string& scriptPath);

    // --- Previews (Preview.cpp) ----------------------------------------------------------

    /// The converter's path, the first-preview flag and the messages (not owned; null: no
    /// converter, no messages).
    void SetPreviewHost(PreviewHost* host) { m_host = host; }
    /// Starts the converter (not owned). Null, the default, runs it and waits.
    void SetProcessLauncher(ProcessLauncher* launcher) { m_launcher = launcher; }
    /// The folder of the temporary files. By default TMPDIR, or /tmp when that is unset or
    /// empty; an empty folder restores the default.
    void SetTempFolder(std::string folder);
    const std::string& GetTempFolder() const { return m_tempFolder; }

    /// The page of the next previews: by default (empty) a temporary file, recorded for
    /// deletion; a page named here belongs to the caller and is not recorded. A relative path
    /// starting with "-" gets "./", so that the converter does not take it for an option.
    void SetPreviewPage(std::string pagePath);
    /// Whether the converter opens the page in the web browser ("-v"); on by default.
    void SetPreviewView(bool view) { m_view = view; }

    /// Numbers the pages: set at construction from the seed, incremented before each
    /// preview.
    std::uint32_t GetPreviewCounter() const { return m_previewCounter; }
    /// Every temporary file recorded for deletion, in the order recorded.
    const std::vector<std::string>& GetTempFiles() const { return m_tempFiles; }

    /// Writes the Game's script to a new temporary file and previews it titled "Preview of
    /// Script <name>". False, with nothing shown and no file left, when the script could not
    /// be written.
    bool PreviewGame(const CVantorDoc& library, const CScript& game);
    /// The same for one Module's script, titled "Preview of Module <name>".
    bool PreviewModule(const CVConfig& module);
    /// Starts the converter on the script: "-v", then "-t" and the title when there is one
    /// (double quotes become single quotes), then the script path and the page path (the
    /// temporary folder's "~vantor<4 hex digits>.htm", from the counter's low 16 bits, unless
    /// SetPreviewPage named one). The first preview ever shows the browser notice first.
    /// When the converter cannot be started, shows "Unable to start preview application";
    /// otherwise records a temporary page for deletion. Records the script for deletion in
    /// both cases. True when it started.
    bool RunPreview(const std::string& scriptPath, const std::optional<std::string>& title);

private:
    PreviewHost* m_host = nullptr;
    ProcessLauncher* m_launcher = nullptr;
    WaitingProcessLauncher m_waitingLauncher;
    std::string m_tempFolder;
    std::string m_pagePath;
    bool m_view = true;
    std::uint32_t m_previewCounter = 0;
    std::vector<std::string> m_tempFiles;
};

} // namespace vantor
