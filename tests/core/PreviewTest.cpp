// Script previews: the counter and the page names, the converter's arguments, the notice
// and the failure message, the temporary files and their deletion, and one run of the real
// converter.

#include "ModelTestSupport.h"
#include "document/AtomicFile.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "document/PreviewHost.h"
#include "document/WaitingProcessLauncher.h"
#include "model/CScript.h"
#include "model/CVAlias.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace vantor {
namespace {

using test::Frag;
using Log = std::vector<std::string>;

class RecordingHost : public PreviewHost {
public:
    explicit RecordingHost(Log& log) : m_log(log) {}
    std::string converter = "/opt/vantor/lumenote";
    bool firstPreview = false;

    std::string GetConverterPath() const override { return converter; }
    bool TakeFirstPreview() override { return std::exchange(firstPreview, false); }
    void ShowInformation(std::string_view text) override {
        m_log.push_back("information: " + std::string(text));
    }
    void ShowWarning(std::string_view text) override {
        m_log.push_back("warning: " + std::string(text));
    }

private:
    Log& m_log;
};

// Records each start; writes the page, as the converter would, so that deletion can be seen.
class RecordingLauncher : public ProcessLauncher {
public:
    explicit RecordingLauncher(Log& log) : m_log(log) {}
    std::string program;
    std::vector<std::vector<std::string>> calls;
    bool writePage = true;

    bool Start(const std::string& prog, const std::vector<std::string>& args) override {
        m_log.push_back("start");
        program = prog;
        calls.push_back(args);
        if (writePage && !args.empty()) {
            EXPECT_TRUE(WriteFileAtomically(args.back(), "<HTML>"));
        }
        return true;
    }

private:
    Log& m_log;
};

std::string Page(const fs::path& folder, unsigned number) {
    char name[32];
    std::snprintf(name, sizeof name, "~vantor%04x.htm", number);
    return (folder / name).string();
}

class Preview : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vantor-preview-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        temp = dir / "temp folder"; // a blank in the path
        fs::create_directories(temp);

        auto module = std::make_unique<CVConfig>();
        module->Rename("Moves");
        auto alias = std::make_unique<CVAlias>();
        alias->Rename("hop");
        alias->AddCommand(Frag("jump", ParamNone));
        module->GetList(TypeAliasList)->AddChild(std::move(alias));
        module->GetList(TypeStartupList)->AddCommand(Frag("say", ParamString, "ready"));
        moves = module.get();
        library.AddModule(std::move(module));
        auto g = std::make_unique<CScript>();
        g->SetGameName("Dm \"Pro\"", false);
        g->AddModuleUse(*moves);
        game = g.get();
        library.AddGame(std::move(g));
    }
    void TearDown() override { fs::remove_all(dir); }

    // A preview object that writes into `temp` and reports to the recorders.
    std::unique_ptr<CScriptOutput> Output(int x = 0, int y = 0, bool recordStarts = true) {
        auto output = std::make_unique<CScriptOutput>(x, y);
        output->SetTempFolder(temp.string());
        output->SetPreviewHost(&host);
        if (recordStarts)
            output->SetProcessLauncher(&launcher);
        return output;
    }

    fs::path dir;
    fs::path temp;
    CVantorDoc library;
    CVConfig* moves = nullptr;
    CScript* game = nullptr;
    Log log;
    RecordingHost host{log};
    RecordingLauncher launcher{log};
};

TEST(PreviewCounter, SeededFromTheCursorAsTheCLibraryGeneratorDoes) {
    struct Case {
        int x, y;
        std::uint32_t counter;
    };
    // 38 and 41 are the generator's first values after seeding it with 0 and 1.
    const Case cases[] = {{0, 0, 38},   {1, 0, 41},     {0, 1, 4489},
                          {1, 1, 4486}, {-1, -1, 4486}, {640, 480, 4501}};
    for (const Case& c : cases)
        EXPECT_EQ(CScriptOutput(c.x, c.y).GetPreviewCounter(), c.counter) << c.x << "," << c.y;
}

TEST_F(Preview, TwoGamePreviewsUseConsecutiveNumbersAndTheirOwnFiles) {
    auto output = Output(1, 0); // counter 41 = 0x29
    ASSERT_TRUE(output->PreviewGame(library, *game));
    ASSERT_TRUE(output->PreviewGame(library, *game));

    EXPECT_EQ(launcher.program, "/opt/vantor/lumenote");
    ASSERT_EQ(launcher.calls.size(), 2u);
    const auto& first = launcher.calls[0];
    const auto& second = launcher.calls[1];
    ASSERT_EQ(first.size(), 5u);
    ASSERT_EQ(second.size(), 5u);
    const std::string title = "Preview of Script Dm 'Pro'";
    EXPECT_EQ(first, (std::vector<std::string>{"-v", "-t", title, first[3], Page(temp, 0x2a)}));
    EXPECT_EQ(second, (std::vector<std::string>{"-v", "-t", title, second[3], Page(temp, 0x2b)}));
    EXPECT_EQ(output->GetPreviewCounter(), 43u);

    // Each script is a file of its own in the temporary folder, holding the Game's script.
    EXPECT_NE(first[3], second[3]);
    for (const std::string& script : {first[3], second[3]}) {
        EXPECT_EQ(fs::path(script).parent_path(), temp);
        EXPECT_EQ(fs::path(script).filename().string().rfind("~vt", 0), 0u) << script;
        std::string text;
        ASSERT_TRUE(ReadWholeFile(script, text));
        EXPECT_NE(text.find("\r\n// Module: Moves\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find("ALIAS hop \"jump\"\r\n"), std::string::npos) << text;
    }
    EXPECT_EQ(output->GetTempFiles(),
              (std::vector<std::string>{Page(temp, 0x2a), first[3], Page(temp, 0x2b), second[3]}));
    EXPECT_EQ(log, (Log{"start", "start"}));
}

TEST_F(Preview, ModulePreviewAndAPreviewWithoutTitle) {
    auto output = Output(); // counter 38 = 0x26
    ASSERT_TRUE(output->PreviewModule(*moves));
    ASSERT_EQ(launcher.calls.size(), 1u);
    const std::string script = launcher.calls[0][3];
    EXPECT_EQ(launcher.calls[0], (std::vector<std::string>{"-v", "-t", "Preview of Module Moves",
                                                           script, Page(temp, 0x27)}));
    std::string text;
    ASSERT_TRUE(ReadWholeFile(script, text));
    EXPECT_EQ(text.find("// Game:"), std::string::npos);
    EXPECT_NE(text.find("say \"ready\"\r\n"), std::string::npos);

    output->RunPreview("/some where/x.cfg", std::nullopt);
    EXPECT_EQ(launcher.calls[1],
              (std::vector<std::string>{"-v", "/some where/x.cfg", Page(temp, 0x28)}));
    output->RunPreview("/x.cfg", std::string("\"\"\""));
    EXPECT_EQ(launcher.calls[2][2], "'''");
}

TEST_F(Preview, TheNameTakesTheCountersLow16BitsOnly) {
    auto output = Output();
    launcher.writePage = false;
    while ((output->GetPreviewCounter() & 0xFFFFu) != 0xFFFEu)
        output->RunPreview("/x.cfg", std::nullopt);
    launcher.calls.clear();
    output->RunPreview("/x.cfg", std::nullopt);
    output->RunPreview("/x.cfg", std::nullopt);
    EXPECT_EQ(output->GetPreviewCounter(), 0x10000u);
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[0][2], Page(temp, 0xFFFF));
    EXPECT_EQ(launcher.calls[1][2], Page(temp, 0x0000));
}

TEST_F(Preview, TheFirstPreviewShowsTheNoticeOnceBeforeTheConverterStarts) {
    host.firstPreview = true;
    {
        auto output = Output();
        ASSERT_TRUE(output->PreviewGame(library, *game));
        ASSERT_TRUE(output->PreviewModule(*moves));
    }
    // The flag lives in the settings: the next run of the program shows nothing either.
    auto nextRun = Output();
    ASSERT_TRUE(nextRun->PreviewGame(library, *game));
    const std::string notice(LoadString(IDS_FIRST_PREVIEW_NOTICE));
    EXPECT_EQ(notice, "Vantor previews scripts using your default web browser. If you do not "
                      "have a web browser installed you will not be able to preview them.");
    EXPECT_EQ(log, (Log{"information: " + notice, "start", "start", "start"}));
}

TEST_F(Preview, AConverterThatCannotStartIsReportedAndOnlyTheScriptRecorded) {
    for (const std::string& converter : {(dir / "no-such-converter").string(), std::string()}) {
        log.clear();
        host.converter = converter;
        auto output = Output(0, 0, /*recordStarts=*/false); // the real, waiting launcher
        ASSERT_TRUE(output->PreviewGame(library, *game));
        EXPECT_EQ(log, (Log{"warning: Unable to start preview application"})) << converter;
        ASSERT_EQ(output->GetTempFiles().size(), 1u);
        const std::string script = output->GetTempFiles()[0];
        EXPECT_EQ(fs::path(script).filename().string().rfind("~vt", 0), 0u);
        EXPECT_TRUE(fs::exists(script));
        EXPECT_FALSE(fs::exists(Page(temp, 0x27)));
    }
}

TEST_F(Preview, EveryRecordedFileIsGoneAfterDestruction) {
    std::vector<std::string> files;
    {
        auto output = Output();
        ASSERT_TRUE(output->PreviewGame(library, *game));
        ASSERT_TRUE(output->PreviewModule(*moves));
        files = output->GetTempFiles();
        ASSERT_EQ(files.size(), 4u);
        for (const std::string& file : files)
            EXPECT_TRUE(fs::exists(file)) << file;
    }
    for (const std::string& file : files)
        EXPECT_FALSE(fs::exists(file)) << file;
    EXPECT_TRUE(fs::is_empty(temp));
}

TEST_F(Preview, AScriptThatCannotBeWrittenStopsSilently) {
    auto output = Output();
    output->SetTempFolder((dir / "missing").string());
    EXPECT_FALSE(output->PreviewGame(library, *game));
    EXPECT_FALSE(output->PreviewModule(*moves));
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(output->GetTempFiles().empty());
    EXPECT_EQ(output->GetPreviewCounter(), 38u);
}

TEST(PreviewFolder, DefaultsToTmpdirAndNeverPassesForAnOption) {
    const char* saved = std::getenv("TMPDIR");
    const std::string savedValue = saved ? saved : "";
    ::setenv("TMPDIR", "/var/tmp/mine", 1);
    CScriptOutput withTmpdir;
    EXPECT_EQ(withTmpdir.GetTempFolder(), "/var/tmp/mine");
    ::setenv("TMPDIR", "", 1);
    CScriptOutput emptyTmpdir;
    EXPECT_EQ(emptyTmpdir.GetTempFolder(), "/tmp");
    ::unsetenv("TMPDIR");
    CScriptOutput output;
    EXPECT_EQ(output.GetTempFolder(), "/tmp");
    output.SetTempFolder("-odd");
    EXPECT_EQ(output.GetTempFolder(), "./-odd");
    output.SetTempFolder("/work/");
    EXPECT_EQ(output.GetTempFolder(), "/work/");
    output.SetTempFolder("");
    EXPECT_EQ(output.GetTempFolder(), "/tmp");
    if (saved)
        ::setenv("TMPDIR", savedValue.c_str(), 1);
}

TEST(WaitingLauncher, PassesEachArgumentWholeAndWaitsForTheExit) {
    const std::string out =
        (fs::temp_directory_path() / ("vantor-launch-" + std::to_string(::getpid()) + ".txt"))
            .string();
    WaitingProcessLauncher launcher;
    ASSERT_TRUE(launcher.Start("/bin/sh", {"-c", "printf '%s\\n' \"$@\" > \"$0\"; exit 3", out,
                                           "a b", "c\"d", "$HOME", ""}));
    EXPECT_EQ(launcher.GetExitStatus(), 3);
    std::string text;
    ASSERT_TRUE(ReadWholeFile(out, text)); // written before Start returned
    EXPECT_EQ(text, "a b\nc\"d\n$HOME\n\n");
    fs::remove(out);

    EXPECT_TRUE(launcher.Start("sh", {"-c", "exit 0"})); // found on PATH
    EXPECT_EQ(launcher.GetExitStatus(), 0);
    EXPECT_FALSE(launcher.Start("/nonexistent/program", {}));
    EXPECT_EQ(launcher.GetExitStatus(), -1);
    EXPECT_FALSE(launcher.Start("", {}));
}

// The converter built with the editor, on a previewed Game: the page it writes, and its
// request to open the page. A stand-in for the desktop's opener records that request.
TEST_F(Preview, TheRealConverterWritesThePageOfAPreviewedGame) {
    const fs::path bin = dir / "bin";
    fs::create_directories(bin);
    const fs::path record = dir / "viewed.txt";
    ASSERT_TRUE(WriteFileAtomically((bin / "xdg-open").string(),
                                    "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + record.string() +
                                        ".part\"\nmv \"" + record.string() + ".part\" \"" +
                                        record.string() + "\"\n"));
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
    ::setenv("PATH", (bin.string() + ":" + savedPath).c_str(), 1);
    ::setenv("SOURCE_DATE_EPOCH", "912953100", 1);

    host.converter = LUMENOTE_PROGRAM;
    std::string page;
    {
        WaitingProcessLauncher waiting;
        auto output = Output();
        output->SetProcessLauncher(&waiting);
        ASSERT_TRUE(output->PreviewGame(library, *game));
        EXPECT_EQ(waiting.GetExitStatus(), 0);
        ASSERT_EQ(output->GetTempFiles().size(), 2u);
        EXPECT_EQ(output->GetTempFiles()[0], Page(temp, 0x27));
        ASSERT_TRUE(ReadWholeFile(Page(temp, 0x27), page));

        // The converter asks for the page to be opened a moment after it has written it.
        for (int i = 0; i < 100 && !fs::exists(record); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::string viewed;
        EXPECT_TRUE(ReadWholeFile(record.string(), viewed));
        EXPECT_EQ(viewed, Page(temp, 0x27) + "\n");
    }
    ::setenv("PATH", savedPath.c_str(), 1);
    ::unsetenv("SOURCE_DATE_EPOCH");

    const std::string head =
        "<HTML>\r\n<HEAD>\r\n"
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\r\n"
        "<META NAME=\"Author\" CONTENT=\"Lumenote\">\r\n"
        "<META NAME=\"GENERATOR\" CONTENT=\"Lumenote 0.90 Beta\">\r\n"
        "<TITLE>Preview of Script Dm 'Pro'</TITLE>\r\n</HEAD>\r\n"
        "<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#FF0000\" VLINK=\"#800080\" "
        "ALINK=\"#0000FF\">\r\n<TT><NOBR>";
    EXPECT_EQ(page.substr(0, head.size()), head);
    const std::string tail = "</NOBR></TT>\r\n</BODY>\r\n</HTML>\r\n";
    ASSERT_GE(page.size(), tail.size());
    EXPECT_EQ(page.substr(page.size() - tail.size()), tail);
    for (const char* line : {
             "<I><FONT COLOR=\"#006600\">// Module: Moves</FONT></I><BR>\r\n",
             "<FONT COLOR=\"#000099\">ALIAS</FONT> hop <FONT COLOR=\"#660066\">\"jump\"</FONT>"
             "<BR>\r\n",
             "say <FONT COLOR=\"#660066\">\"ready\"</FONT><BR>\r\n",
         })
        EXPECT_NE(page.find(line), std::string::npos) << line << "\n" << page;
    // Both files are gone with the preview object.
    EXPECT_FALSE(fs::exists(Page(temp, 0x27)));
    EXPECT_TRUE(fs::is_empty(temp));
}

} // namespace
} // namespace vantor
