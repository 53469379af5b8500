// Benchmark of the Module Pane on a big Library: a generated Library of about a million
// objects (10 Modules; the first holds one Definition List of 100,000 Definitions, the others
// 40,000 Definitions, 30,000 Aliases with a command each and 30,000 Binds each) is opened in a
// real Library window under the offscreen platform, and each step prints its time beside a
// floor measured in the same run:
//
//   open     reading and parsing the Library file      (floor: reading its bytes)
//   show     the window with its tree painted           (floor: the same for an empty Library)
//   expand   opening the list of 100,000 and painting it
//   scroll   jumping to the list's end and painting
//   insert   one new Definition at the top of the list, painted
//   rename   renaming one Definition, painted
//   select   the model's select-in-tree of the list's last item
//   close    closing the window (the Library destroyed)
//
// Last, the Library saved with that list open is opened and shown again in one step.
//
//   build/bin/module_pane_bench [MODULES]
//
// The file goes to a fresh folder under $TMPDIR, removed at the end.

#include "app/AppSettings.h"
#include "bench/BenchLibrary.h"
#include "bench/BenchSteps.h"
#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CVAlias.h"
#include "model/CVBind.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CModuleView.h"
#include "ui/frame/CPaneView.h"
#include "ui/frame/ModuleTreeModel.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

using namespace vantor;
using bench::Paint;
using bench::Time;

namespace {

constexpr int kBigList = 100000;

std::unique_ptr<CVConfig> MakeModule(int m, std::size_t& objects) {
    auto module = std::make_unique<CVConfig>();
    module->Rename("Module" + std::to_string(m));
    objects += 5;
    CVObList& definitions = *module->GetList(TypeDefinitionList);
    const int definitionCount = m == 0 ? kBigList : 40000;
    for (int j = 0; j < definitionCount; ++j) {
        auto definition = std::make_unique<CVCommand>();
        definition->Rename("def" + std::to_string(m) + "_" + std::to_string(j));
        definition->SetDefParamType(ParamInteger);
        definitions.AddChild(std::move(definition));
    }
    objects += static_cast<std::size_t>(definitionCount);
    if (m == 0)
        return module;
    bench::AddAliasesAndBinds(*module, m, 30000);
    objects += 60000;
    return module;
}

struct Shown {
    QMainWindow main;
    QMdiArea* area = new QMdiArea;
    CChildFrame* window = nullptr;
};

void Show(Shown& shown, std::unique_ptr<CVantorDoc> document, AppSettings& settings) {
    shown.main.setCentralWidget(shown.area);
    shown.main.resize(1000, 700);
    shown.window = new CChildFrame(std::move(document), QStringLiteral("Bench"), settings,
                                   PaneHeaderStyle{QApplication::font(), 16, true}, nullptr);
    shown.area->addSubWindow(shown.window);
    shown.window->showMaximized();
    shown.main.show();
    Paint(shown.main);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int modules = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("big.vtl")).toStdString();
    std::size_t objects = 0;
    {
        CVantorDoc library;
        for (int m = 0; m < modules; ++m)
            library.AddModule(MakeModule(m, objects));
        if (!library.SaveLibrary(path).saved) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    std::string bytes;
    const double readMs = Time([&] {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr)
            return;
        char buffer[1 << 16];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, n);
        std::fclose(file);
    });
    std::printf("Library: %zu objects, %zu bytes\n", objects, bytes.size());

    std::unique_ptr<CVantorDoc> document;
    const double openMs = Time([&] { document = CVantorDoc::Open(path).document; });
    std::printf("open    %9.1f ms   (floor: read %.1f ms, x%.1f)\n", openMs, readMs,
                openMs / readMs);

    AppSettings settings;
    Shown warmUp; // the first window loads fonts and styles
    Show(warmUp, std::make_unique<CVantorDoc>(), settings);
    Shown empty;
    const double floorMs = Time([&] { Show(empty, std::make_unique<CVantorDoc>(), settings); });
    Shown big;
    const double showMs = Time([&] { Show(big, std::move(document), settings); });
    std::printf("show    %9.1f ms   (floor: empty Library %.1f ms)\n", showMs, floorMs);

    CModuleView& pane = big.window->ModuleTreeView();
    ModuleTree& tree = *pane.Tree();
    CVantorDoc& library = big.window->Document();
    CVConfig* first = library.GetModule(0);
    CVObList* list = first->GetList(TypeDefinitionList);
    const double expandMs = Time([&] {
        tree.expand(pane.Model()->IndexOf(first));
        tree.expand(pane.Model()->IndexOf(list));
        Paint(big.main);
    });
    std::printf("expand  %9.1f ms   (%d items)\n", expandMs, list->GetChildCount());
    const double scrollMs = Time([&] {
        tree.verticalScrollBar()->setValue(tree.verticalScrollBar()->maximum());
        Paint(big.main);
    });
    std::printf("scroll  %9.1f ms\n", scrollMs);
    const double insertMs = Time([&] {
        list->InsertChildAfter(std::make_unique<CVCommand>(), nullptr);
        Paint(big.main);
    });
    std::printf("insert  %9.1f ms\n", insertMs);
    const double renameMs = Time([&] {
        list->GetChild(list->GetChildCount() - 1)->Rename("renamed");
        Paint(big.main);
    });
    std::printf("rename  %9.1f ms\n", renameMs);
    const double selectMs = Time([&] {
        list->GetChild(list->GetChildCount() - 2)->SelectNode();
        Paint(big.main);
    });
    std::printf("select  %9.1f ms\n", selectMs);
    // The same Library saved with the big list open opens with it open.
    const std::string openPath = dir.filePath(QStringLiteral("open.vtl")).toStdString();
    if (!library.SaveLibrary(openPath).saved)
        return 1;
    const int listSize = list->GetChildCount();
    const double closeMs = Time([&] {
        big.window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    std::printf("close   %9.1f ms\n", closeMs);

    Shown reopened;
    const double reopenMs =
        Time([&] { Show(reopened, CVantorDoc::Open(openPath).document, settings); });
    std::printf("open+show with the list of %d open: %.1f ms\n", listSize, reopenMs);
    return 0;
}
