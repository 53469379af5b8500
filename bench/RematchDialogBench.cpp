// Rematching a Library of a million commands, with and without the processing dialog: the
// dialog should cost little beyond the pass itself, since it pumps events and repaints at most
// every few tens of milliseconds, not once per command. The floor is the same pass with no
// progress report at all, on an identical Library built the same way.
//
//   rematch_dialog_bench [commands]      (offscreen unless QT_QPA_PLATFORM says otherwise)

#include "BenchSteps.h"
#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/dialogs/CProcessingDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using vantor::bench::Seconds;

namespace {

using namespace vantor;

constexpr int kModules = 100;
constexpr int kDefinitions = 1000;

// The first Module defines def0 ... def999; the others hold the commands, startup fragments
// read as a script would be ("DEF17 5"): user-defined until rematched, every third one naming
// no Definition.
std::unique_ptr<CVantorDoc> MakeLibrary(std::size_t commands) {
    auto library = std::make_unique<CVantorDoc>();
    auto definitions = std::make_unique<CVConfig>();
    definitions->Rename("Definitions");
    for (int i = 0; i < kDefinitions; ++i) {
        auto definition = std::make_unique<CVCommand>();
        definition->Rename("def" + std::to_string(i));
        definition->SetDefParamType(ParamInteger);
        definitions->GetList(TypeDefinitionList)->AddChild(std::move(definition));
    }
    library->AddModule(std::move(definitions));
    const std::size_t perModule = commands / kModules;
    for (int m = 0; m < kModules; ++m) {
        auto module = std::make_unique<CVConfig>();
        module->Rename("Module" + std::to_string(m));
        std::vector<std::unique_ptr<CCmdFrag>> fragments;
        fragments.reserve(perModule);
        for (std::size_t i = 0; i < perModule; ++i) {
            auto fragment = std::make_unique<CCmdFrag>();
            const std::size_t n = i + static_cast<std::size_t>(m) * perModule;
            fragment->SetCommand(n % 3 == 2 ? "unknown" : "DEF" + std::to_string(n % kDefinitions));
            fragment->SetParamType(ParamUserDefined);
            fragment->SetParam("5");
            fragments.push_back(std::move(fragment));
        }
        module->GetList(TypeStartupList)->AppendCommands(std::move(fragments));
        library->AddModule(std::move(module));
    }
    return library;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::size_t commands = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;

    const std::unique_ptr<CVantorDoc> plain = MakeLibrary(commands);
    QElapsedTimer timer;
    timer.start();
    const std::size_t boundPlain = plain->RematchCommands(nullptr, nullptr);
    const double floor = Seconds(timer);

    const std::unique_ptr<CVantorDoc> shown = MakeLibrary(commands);
    QMainWindow window;
    window.resize(640, 480);
    window.show();
    CProcessingDlg dialog(&window);
    timer.restart();
    const std::size_t boundShown = shown->RematchCommands(nullptr, &dialog);
    const double withDialog = Seconds(timer);

    std::printf("commands            %zu (%zu bound)\n", commands, boundShown);
    std::printf("rematch, no window  %.3f s\n", floor);
    std::printf("rematch, dialog     %.3f s  (%.2fx the floor)\n", withDialog, withDialog / floor);
    return boundPlain == boundShown ? 0 : 1;
}
