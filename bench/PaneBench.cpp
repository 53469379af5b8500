// The Game and Command Panes over big lists, offscreen: each pane operation on N rows beside
// a floor, the same core operation on the same data with no window listening. A ratio that
// stays flat as N grows means the pane adds a constant cost per row; one that grows with N
// means a scan per notification.
//
//   QT_QPA_PLATFORM=offscreen build-bench/bin/pane_bench [N...]
#include "app/AppSettings.h"
#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CScript.h"
#include "model/CVAlias.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CCmdFragView.h"
#include "ui/frame/CPaneView.h"
#include "ui/frame/CScriptView.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

using namespace vantor;

namespace {

double Seconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    QCoreApplication::processEvents();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A Library with one Alias of `n` commands and `games` Games.
std::unique_ptr<CVantorDoc> MakeLibrary(int n, int games, CMTObj*& alias) {
    auto library = std::make_unique<CVantorDoc>();
    CVConfig* module = library->NewModule("Bench");
    auto made = std::make_unique<CVAlias>();
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "cmd" + std::to_string(i) + ";";
    made->SetCommandsFromText(text);
    alias = made.get();
    module->GetList(TypeAliasList)->AddChild(std::move(made));
    for (int i = 0; i < games; ++i)
        library->NewGame();
    return library;
}

struct Case {
    const char* name;
    // Runs the operation on the Library; `pane` is null for the floor.
    std::function<void(CVantorDoc&, CMTObj&, CChildFrame*)> run;
};

void Report(const char* name, int n, double pane, double floor) {
    std::printf("%-28s N=%-8d pane %9.3f ms  floor %9.3f ms  ratio %6.1f\n", name, n, pane * 1e3,
                floor * 1e3, floor > 0 ? pane / floor : 0.0);
}

void RunCase(const Case& c, int n, AppSettings& settings) {
    double times[2] = {0, 0};
    for (int withPane = 0; withPane < 2; ++withPane) {
        CMTObj* alias = nullptr;
        std::unique_ptr<CVantorDoc> library = MakeLibrary(n, n, alias);
        CVantorDoc& doc = *library;
        std::unique_ptr<CChildFrame> window;
        if (withPane) {
            window = std::make_unique<CChildFrame>(std::move(library), QStringLiteral("Bench"),
                                                   settings, PaneHeaderStyle{}, nullptr);
            window->resize(900, 600);
            window->show();
            window->CommandView().SetCommandOwner(alias);
            QCoreApplication::processEvents();
        }
        times[withPane] = Seconds([&] { c.run(doc, *alias, window.get()); });
    }
    Report(c.name, n, times[1], times[0]);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppSettings settings;
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {10000, 100000};

    const Case cases[] = {
        {"update every command's text",
         [](CVantorDoc&, CMTObj& alias, CChildFrame*) {
             for (int i = 0; i < alias.GetCommandCount(); ++i)
                 alias.GetCommand(i)->UpdateText();
         }},
        {"append a command, one by one",
         [](CVantorDoc&, CMTObj& alias, CChildFrame*) {
             for (int i = 0; i < 1000; ++i)
                 alias.AddCommand(std::make_unique<CCmdFrag>());
         }},
        {"select all, delete",
         [](CVantorDoc&, CMTObj& alias, CChildFrame* window) {
             if (window) {
                 window->CommandView().Execute(CommandId::EditSelectAll);
                 window->CommandView().Execute(CommandId::EditDelete);
                 return;
             }
             while (alias.GetCommandCount() > 0)
                 alias.RemoveCommand(*alias.GetCommand(alias.GetCommandCount() - 1));
         }},
        {"copy all, paste at the end",
         [](CVantorDoc&, CMTObj& alias, CChildFrame* window) {
             if (window) {
                 window->CommandView().Execute(CommandId::EditSelectAll);
                 window->CommandView().Execute(CommandId::EditCopy);
                 window->CommandView().SelectFragment(
                     *alias.GetCommand(alias.GetCommandCount() - 1));
                 window->CommandView().Execute(CommandId::EditPaste);
                 return;
             }
             std::vector<const CCmdFrag*> all;
             for (int i = 0; i < alias.GetCommandCount(); ++i)
                 all.push_back(alias.GetCommand(i));
             alias.PasteCommands(CCmdFrag::WriteCommandData(all),
                                 alias.GetCommand(alias.GetCommandCount() - 1));
         }},
        {"rename every Game",
         [](CVantorDoc& doc, CMTObj&, CChildFrame*) {
             for (int i = 0; i < doc.GetGameCount(); ++i)
                 doc.GetGame(i)->SetGameName("Game", true);
         }},
        {"move the last Game to the top",
         [](CVantorDoc& doc, CMTObj&, CChildFrame* window) {
             CScript* game = doc.GetGame(doc.GetGameCount() - 1);
             if (window)
                 window->GameView().SelectGame(*game);
             for (int i = 0; i < 100; ++i) {
                 if (window)
                     window->GameView().Execute(CommandId::MoveUp);
                 else
                     doc.MoveGame(*game, true);
             }
         }},
    };
    for (int n : sizes)
        for (const Case& c : cases)
            RunCase(c, n, settings);
    return 0;
}
