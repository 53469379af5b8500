// Benchmark of the whole editor on a big Library, offscreen, with its real main window and
// Library windows (the program's own LibraryWindows) and private settings. A generated Library
// of about a million objects (MODULES Modules of 40,000 Definitions, 30,000 Aliases with a
// command each and 30,000 Binds; a Game using them all; in the last Module one Alias of
// 10,000 commands) goes through what a user does, each step timed until the main window has
// been painted again:
//
//   open      File Open of the Library through the Library windows, the window painted
//   alias     selecting the Alias of 10,000 commands in the Module Pane (the Command Pane
//             lists them, the Property Window shows the Alias)
//   command   selecting its first command in the Command Pane (the command page shown)
//   first key the first keystroke in the command page's command box (clearing it), a second
//             after the command was shown
//   keystroke typing a Definition's name into the command box, per key
//   open list opening the command box's list of every offered name
//   key after a rename  a keystroke right after a Definition of the first Module was renamed
//   save      File Save of the Library (all Game scripts written)
//
//   build/bin/editor_bench [MODULES]      (default 10: about 1,000,000 objects)
//
// Start-up to a shown window of the real program is measured by bench/startup.sh.

#include "app/CVantorApp.h"
#include "bench/BenchLibrary.h"
#include "bench/BenchSteps.h"
#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CScript.h"
#include "model/CVAlias.h"
#include "model/CVBind.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CCmdFragView.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CommandListModel.h"
#include "ui/frame/LibraryWindows.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace vantor;
using bench::Paint;
using bench::Time;

namespace {

constexpr int kBigAlias = 10000;

std::unique_ptr<CVConfig> MakeModule(int m, bool last, std::size_t& objects) {
    auto module = std::make_unique<CVConfig>();
    module->Rename("Module" + std::to_string(m));
    objects += 5;
    for (int j = 0; j < 40000; ++j) {
        auto definition = std::make_unique<CVCommand>();
        definition->Rename("def" + std::to_string(m) + "_" + std::to_string(j));
        definition->SetDefParamType(j % 2 ? ParamInteger : ParamReal);
        module->GetList(TypeDefinitionList)->AddChild(std::move(definition));
    }
    bench::AddAliasesAndBinds(*module, m, 30000);
    objects += 100000;
    if (last) {
        auto alias = std::make_unique<CVAlias>();
        alias->Rename("big");
        for (int j = 0; j < kBigAlias; ++j) {
            auto fragment = std::make_unique<CCmdFrag>();
            fragment->SetCommand("def0_" + std::to_string(j));
            alias->AddCommand(std::move(fragment));
        }
        module->GetList(TypeAliasList)->AddChild(std::move(alias));
        objects += 1 + kBigAlias;
    }
    return module;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("settings"));
    CVantorApp app(argc, argv);
    const int modules = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    const QString path = dir.filePath(QStringLiteral("big.vtl"));
    std::size_t objects = 0;
    {
        CVantorDoc library;
        for (int m = 0; m < modules; ++m)
            library.AddModule(MakeModule(m, m == modules - 1, objects));
        CScript* game = library.NewGame();
        game->SetGameName("Bench", false);
        for (int m = 0; m < modules; ++m)
            game->AddModuleUse(*library.GetModule(m));
        if (!library.SaveLibrary(QFile::encodeName(path).toStdString()).saved) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("Library: %zu objects, %lld bytes\n", objects,
                static_cast<long long>(QFileInfo(path).size()));

    LibraryWindows libraries;
    app.SetLibraryHost(&libraries);
    if (!app.InitInstance({}))
        return 1;
    CMainFrame& frame = *app.MainFrame();
    if (!QTest::qWaitForWindowExposed(&frame))
        return 1;
    Paint(frame);

    const double openMs = Time([&] {
        libraries.OpenLibrary(path);
        Paint(frame);
    });
    CChildFrame* window = libraries.ActiveWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "the Library did not open\n");
        return 1;
    }
    std::printf("open       %9.1f ms\n", openMs);

    CVantorDoc& library = window->Document();
    CVConfig& last = *library.GetModule(library.GetModuleCount() - 1);
    CVObList& aliases = *last.GetList(TypeAliasList);
    CMTObj* big = aliases.GetChild(aliases.GetChildCount() - 1);
    const double aliasMs = Time([&] {
        big->SelectNode();
        Paint(frame);
    });
    std::printf("alias      %9.1f ms   (%d commands listed)\n", aliasMs,
                window->CommandView().Model()->rowCount({}));

    CCmdFrag& fragment = *big->GetCommand(0);
    const double commandMs = Time([&] {
        window->ActivatePane(2);
        window->CommandView().SelectFragment(fragment);
        Paint(frame);
    });
    std::printf("command    %9.1f ms\n", commandMs);

    auto* box = frame.findChild<QComboBox*>(QStringLiteral("commandBox"));
    if (box == nullptr || !box->isVisible()) {
        std::fprintf(stderr, "no command box shown\n");
        return 1;
    }
    QLineEdit* edit = box->lineEdit();
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    // The user reads the page before typing: the editor is idle for a moment.
    QTest::qWait(1000);
    // The first keystroke after showing the fragment: the name cleared.
    const double firstMs = Time([&] {
        QTest::keyClick(edit, Qt::Key_Backspace);
        Paint(frame);
    });
    std::printf("first key  %9.1f ms\n", firstMs);
    std::vector<double> keys;
    for (const QChar c : QStringLiteral("def9_39999")) {
        keys.push_back(Time([&] {
            QTest::keyClick(edit, c.toLatin1());
            Paint(frame);
        }));
    }
    std::sort(keys.begin(), keys.end());
    std::printf("keystroke  %9.1f ms median, %.1f ms slowest of %zu (command now \"%s\")\n",
                keys[keys.size() / 2], keys.back(), keys.size(), fragment.GetCommand().c_str());

    // The command box's list opened (filled with every offered name) and closed.
    const double listMs = Time([&] {
        box->showPopup();
        Paint(frame);
    });
    std::printf("open list  %9.1f ms   (%d names)\n", listMs, box->count());
    box->hidePopup();

    // A Definition renamed in the first Module, then a keystroke: only that Module's part of
    // the command index is made again.
    library.GetModule(0)->GetList(TypeDefinitionList)->GetChild(0)->Rename("renamed");
    edit->setFocus(Qt::MouseFocusReason);
    const double afterEditMs = Time([&] {
        QTest::keyClick(edit, Qt::Key_Backspace);
        Paint(frame);
    });
    std::printf("key after a rename %5.1f ms\n", afterEditMs);

    library.SetModified(true);
    const double saveMs = Time([&] {
        libraries.SaveLibrary(*window, false);
        Paint(frame);
    });
    std::printf("save       %9.1f ms   (modified afterwards: %s)\n", saveMs,
                library.IsModified() ? "yes" : "no");

    library.SetModified(false);
    app.DestroyMainFrame();
    app.SetLibraryHost(nullptr);
    return 0;
}
