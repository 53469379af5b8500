// The Keyboard window at scale: refreshing over a Library with 1,000,000 Binds against a plain
// walk over the same Binds, and the hit test against a search of every key.

#include "BenchSteps.h"
#include "document/CVantorDoc.h"
#include "model/CKeyTable.h"
#include "model/CScript.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/keyboard/CKeyboardBar.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>

using namespace vantor;

using vantor::bench::Seconds;

namespace {} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kBinds = 1000000;
    constexpr int kPoints = 10000000;

    const std::vector<KeyboardKey> keys = CKeyTable::Instance().KeyboardKeys();
    CVantorDoc library;
    CVConfig* module = library.NewModule("bench");
    CVObList* list = module->GetList(TypeBindList);
    for (int i = 0; i < kBinds; ++i) {
        auto bind = std::make_unique<CVBind>();
        bind->SetKey(keys[static_cast<std::size_t>(i) % keys.size()].code);
        list->AddChild(std::move(bind));
    }
    CScript* game = library.NewGame();
    game->AddModuleUse(*module);

    // Floor: reading every Bind's key once.
    QElapsedTimer timer;
    timer.start();
    unsigned long sum = 0;
    for (int i = 0; i < list->GetChildCount(); ++i)
        sum += static_cast<const CVBind*>(list->GetChild(i))->GetKey();
    const double walk = Seconds(timer);

    CKeyboardBar bar;
    timer.restart();
    bar.SetGame(&library, game);
    const double refresh = Seconds(timer);
    std::printf("refresh over %d Binds: %.1f ms (walk of the Binds: %.1f ms, ratio %.1f)\n", kBinds,
                refresh * 1e3, walk * 1e3, refresh / walk);

    // The hit test against a search of every key, over the window's pixels.
    timer.restart();
    for (int i = 0; i < kPoints; ++i)
        sum += bar.HitTest(QPoint(i % 280, (i / 280) % 77));
    const double hits = Seconds(timer);
    timer.restart();
    for (int i = 0; i < kPoints; ++i) {
        const int x = i % 280 - 4, y = (i / 280) % 77 - 4;
        for (const KeyboardKey& key : keys)
            if (x >= key.left && x < key.right && y >= key.top && y < key.bottom) {
                sum += key.code;
                break;
            }
    }
    const double search = Seconds(timer);
    std::printf("hit test: %.1f ns a point (search of every key: %.1f ns, %.1fx faster)\n",
                hits / kPoints * 1e9, search / kPoints * 1e9, search / hits);
    return sum == 0 ? 1 : 0;
}
