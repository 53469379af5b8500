// preview: the HTML page of a Game's or a Module's script, made by lumenote.

#include "cli/Commands.h"
#include "cli/FileRollback.h"
#include "cli/LibraryAccess.h"
#include "cli/Messages.h"
#include "cli/ModuleIndex.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "document/PreviewHost.h"
#include "document/WaitingProcessLauncher.h"

#include <climits>
#include <string>
#include <unistd.h>
#include <vector>

namespace vantor::cli {
namespace {

// The converter beside the running program.
std::string ConverterBesideProgram() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buf)
        return {};
    std::string path(buf, static_cast<std::size_t>(n));
    path.erase(path.rfind('/') + 1);
    return path + "lumenote";
}

// The tool has no settings: the converter is the one beside it, there is no first-preview
// notice (it speaks of the browser, which only --view involves) and messages go to
// standard error.
class CliPreviewHost : public PreviewHost {
public:
    std::string GetConverterPath() const override { return ConverterBesideProgram(); }
    bool TakeFirstPreview() override { return false; }
    void ShowInformation(std::string_view text) override { Report(text); }
    void ShowWarning(std::string_view text) override { Report(text); }
};

// Runs the converter and waits, remembering whether it could be started at all.
class ConverterRun : public WaitingProcessLauncher {
public:
    bool Start(const std::string& program, const std::vector<std::string>& args) override {
        m_started = WaitingProcessLauncher::Start(program, args);
        return m_started;
    }
    bool WasStarted() const { return m_started; }

private:
    bool m_started = false;
};

} // namespace

Status Preview(const Invocation& call) {
    const std::string* gameName = call.Value("--game");
    const std::string* moduleName = call.Value("--module");
    if ((gameName == nullptr) == (moduleName == nullptr)) {
        Report("Give either --game NAME or --module NAME.");
        return UsageError;
    }
    const auto library = OpenLibrary(call.operands[0]);
    if (!library)
        return Failed;
    const CScript* game = gameName != nullptr ? FindGame(*library, *gameName) : nullptr;
    const CVConfig* module = moduleName != nullptr ? FindModule(*library, *moduleName) : nullptr;
    if (game == nullptr && module == nullptr)
        return Failed;

    const std::string& page = call.operands[1];
    FileRollback rollback(page);
    if (!rollback.Begin()) {
        Report(page + " cannot be replaced.");
        return Failed;
    }
    CliPreviewHost host;
    ConverterRun converter;
    bool written = false;
    {
        // Destroying the writer removes the temporary script.
        CScriptOutput output;
        output.SetPreviewHost(&host);
        output.SetProcessLauncher(&converter);
        output.SetPreviewPage(page);
        output.SetPreviewView(call.Has("--view"));
        written =
            game != nullptr ? output.PreviewGame(*library, *game) : output.PreviewModule(*module);
    }
    if (!written) {
        Report("The preview script could not be written to the temporary folder.");
        return Failed;
    }
    // When lumenote could not be started, the host has said so.
    if (!converter.WasStarted())
        return Failed;
    if (const int status = converter.GetExitStatus(); status != 0) {
        Report(status < 0 ? "lumenote did not finish."
                          : "lumenote ended with status " + std::to_string(status) + ".");
        return Failed;
    }
    rollback.Keep();
    return Done;
}

} // namespace vantor::cli
