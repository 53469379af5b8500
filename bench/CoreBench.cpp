// Benchmark of the core at scale: a generated Library of about 1.3 million objects (1,000
// Modules, each with 100 Definitions, 100 Aliases of three commands, 100 Action Aliases with
// a command in each half, 100 Binds and 100 Startup commands; ten Games sharing the Modules
// out between them). Each figure is printed beside a floor measured in the same run on the
// same bytes without any parsing or model work, and with the most heap it took (peak_MB,
// above what was live before; floor_peak_MB for the floor).
//
//   build-bench/bin/core_bench [--benchmark_filter=REGEX] [MODULES]
//
// Figures: Open (read and parse the Library file; floor: read its bytes), Save (write the
// Library file atomically, fsync included; floor: the same bytes through the same atomic
// file), WriteScripts (every Game's script file, written afresh; floor: the same bytes to
// the same files with stdio; walk_ms: visiting every object the scripts are made of), Rematch
// (every command of every Module; floor: visiting each command and upper-casing its name), the
// key table lookups (floor: touching the same names), and the commands offered to a fragment
// (CommandOffersIndex: building the index; CommandOffersTyping: a lookup per keystroke, with
// load_ms for the list of a fragment's page). The files go to a fresh folder under $TMPDIR,
// removed at the end.

#include "../tests/core/CountingHeap.h"
#include "document/AtomicFile.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "document/CommandOffers.h"
#include "model/CCmdFrag.h"
#include "model/CKeyTable.h"
#include "model/CScript.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVAliasActSub.h"
#include "model/CVBind.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace vantor;
namespace heap = vantor::test::heap;

namespace {

constexpr int kGames = 10;
int g_modules = 1000;

// --- The generated Library -----------------------------------------------------------------

std::unique_ptr<CCmdFrag> Fragment(const std::string& command, int type, const std::string& param) {
    auto fragment = std::make_unique<CCmdFrag>();
    fragment->SetCommand(command);
    fragment->SetParamType(type);
    fragment->SetParam(param);
    fragment->UpdateText();
    return fragment;
}

// Commands as the script import leaves them: user-defined, naming Definitions of this or an
// earlier Module, so that rematching has something to bind.
std::unique_ptr<CCmdFrag> Imported(int module, int j) {
    return Fragment("def" + std::to_string((module * 7 + j) % 100), ParamUserDefined,
                    std::to_string(j % 50));
}

std::unique_ptr<CVConfig> MakeModule(int m, const std::vector<std::uint16_t>& keys) {
    auto module = std::make_unique<CVConfig>();
    module->Rename("Module" + std::to_string(m));
    module->SetAuthor("Bench");
    const std::string id = std::to_string(m) + "_";
    CVObList& definitions = *module->GetList(TypeDefinitionList);
    CVObList& aliases = *module->GetList(TypeAliasList);
    CVObList& binds = *module->GetList(TypeBindList);
    CVObList& startups = *module->GetList(TypeStartupList);
    for (int j = 0; j < 100; ++j) {
        auto definition = std::make_unique<CVCommand>();
        definition->Rename("def" + std::to_string(j));
        definition->SetDefParamType(j % 2 ? ParamInteger : ParamUser);
        definition->SetIntMin(0);
        definition->SetIntMax(100);
        definition->SetDescription("Definition number " + std::to_string(j));
        definitions.AddChild(std::move(definition));

        auto alias = std::make_unique<CVAlias>();
        alias->Rename("alias" + id + std::to_string(j));
        alias->AddCommand(Imported(m, j));
        alias->AddCommand(Fragment("attack", ParamAction, "1"));
        alias->AddCommand(Fragment("echo", ParamString, "Alias " + std::to_string(j)));
        aliases.AddChild(std::move(alias));

        auto action = std::make_unique<CVAliasAct>();
        action->Rename("act" + id + std::to_string(j));
        action->GetHalf(true)->AddCommand(Fragment("forward", ParamAction, "1"));
        action->GetHalf(false)->AddCommand(Imported(m, j + 1));
        aliases.AddChild(std::move(action));

        auto bind = std::make_unique<CVBind>();
        bind->SetKey(keys[static_cast<std::size_t>(j) % keys.size()]);
        bind->AddCommand(Fragment("impulse", ParamInteger, std::to_string(j % 10)));
        binds.AddChild(std::move(bind));

        startups.AddCommand(Imported(m, j + 2));
    }
    return module;
}

std::unique_ptr<CVantorDoc> MakeLibrary(const fs::path& dir, std::size_t& objects) {
    std::vector<std::uint16_t> keys;
    for (const KeyRecord& record : CKeyTable::Instance().Records().subspan(1))
        keys.push_back(record.code);
    auto doc = std::make_unique<CVantorDoc>();
    doc->SetLibraryProperties(dir.string(), false);
    for (int m = 0; m < g_modules; ++m)
        doc->AddModule(MakeModule(m, keys));
    for (int g = 0; g < kGames; ++g) {
        auto game = std::make_unique<CScript>();
        game->SetGameName("Game" + std::to_string(g), false);
        game->SetScriptFile((dir / ("game" + std::to_string(g) + ".cfg")).string(), false);
        for (int m = g; m < g_modules; m += kGames)
            game->AddModuleUse(*doc->GetModule(m));
        doc->AddGame(std::move(game));
    }
    // Modules and their four lists; per Module 100 of each kind of object.
    objects = static_cast<std::size_t>(g_modules) *
              (1 + 4 + 100 * (1 + (1 + 3) + (1 + 2 + 2) + (1 + 1) + 1));
    return doc;
}

struct Fixture {
    fs::path dir;
    std::string libraryPath;
    std::size_t libraryBytes = 0;
    std::size_t objects = 0;
    std::unique_ptr<CVantorDoc> doc;
    CScriptOutput output;

    Fixture() {
        std::string pattern = (fs::temp_directory_path() / "vantor-core-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        dir = pattern;
        libraryPath = (dir / "generated.vtl").string();
        doc = MakeLibrary(dir, objects);
        const auto saved = doc->Save(libraryPath, output);
        if (!saved.saved) {
            std::fprintf(stderr, "cannot write %s\n", libraryPath.c_str());
            std::exit(1);
        }
        libraryBytes = fs::file_size(libraryPath);
        std::printf("Library: %d Modules, %d Games, %zu objects, %.1f MB in %s\n", g_modules,
                    kGames, objects, static_cast<double>(libraryBytes) / 1e6, libraryPath.c_str());
    }
    ~Fixture() {
        doc.reset();
        fs::remove_all(dir);
    }
};

Fixture& Get() {
    static Fixture fixture;
    return fixture;
}

// --- Measuring -----------------------------------------------------------------------------

// Wall-clock seconds and the heap's high-water mark of one call, above what was live before.
struct Sample {
    double seconds = 0;
    double peakMB = 0;
};

template <typename Work> Sample Measure(Work&& work) {
    const std::size_t live = heap::LiveBytes();
    heap::ResetPeak();
    const auto start = std::chrono::steady_clock::now();
    work();
    Sample s;
    s.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    s.peakMB = static_cast<double>(heap::PeakBytes() - live) / 1e6;
    return s;
}

// Runs the floor and the work once per iteration (floor first); the work's time is the
// benchmark's, the floor's and both peaks are counters. `prepare` runs before each, untimed.
// Returns the mean seconds of the work and of the floor.
template <typename Prepare, typename Floor, typename Work>
std::pair<double, double> Run(benchmark::State& state, double bytes, Prepare&& prepare,
                              Floor&& floor, Work&& work) {
    double floorSeconds = 0;
    double workSeconds = 0;
    double floorPeak = 0;
    double workPeak = 0;
    for (auto _ : state) {
        prepare();
        const Sample f = Measure(floor);
        prepare();
        const Sample w = Measure(work);
        state.SetIterationTime(w.seconds);
        floorSeconds += f.seconds;
        workSeconds += w.seconds;
        floorPeak = std::max(floorPeak, f.peakMB);
        workPeak = std::max(workPeak, w.peakMB);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floorSeconds / n * 1e3;
    state.counters["x_floor"] = workSeconds / floorSeconds;
    state.counters["peak_MB"] = workPeak;
    state.counters["floor_peak_MB"] = floorPeak;
    if (bytes > 0)
        state.counters["MB/s"] = bytes / 1e6 / (workSeconds / n);
    return {workSeconds / n, floorSeconds / n};
}

void NoPrepare() {}

// --- The figures ---------------------------------------------------------------------------

void Open(benchmark::State& state) {
    Fixture& fx = Get();
    // Closing the Library is not part of opening it: the last one is closed untimed.
    std::unique_ptr<CVantorDoc> opened;
    Run(
        state, static_cast<double>(fx.libraryBytes), [&] { opened.reset(); },
        [&] {
            std::string bytes;
            if (!ReadWholeFile(fx.libraryPath, bytes))
                state.SkipWithError("cannot read the Library");
            benchmark::DoNotOptimize(bytes.data());
        },
        [&] {
            auto result = CVantorDoc::Open(fx.libraryPath);
            if (!result.document)
                state.SkipWithError(result.error.c_str());
            opened = std::move(result.document);
        });
}

void Save(benchmark::State& state) {
    Fixture& fx = Get();
    const std::string target = (fx.dir / "saved.vtl").string();
    const std::string floorTarget = (fx.dir / "floor.vtl").string();
    std::string bytes;
    ReadWholeFile(fx.libraryPath, bytes);
    Run(
        state, static_cast<double>(bytes.size()), NoPrepare,
        [&] {
            if (!WriteFileAtomically(floorTarget, bytes))
                state.SkipWithError("cannot write the floor's file");
        },
        [&] {
            if (!fx.doc->Save(target, fx.output).saved)
                state.SkipWithError("cannot save the Library");
        });
}

void WriteScripts(benchmark::State& state) {
    Fixture& fx = Get();
    // The scripts once, to learn their bytes for the floor.
    std::vector<std::string> scripts;
    std::size_t total = 0;
    for (int g = 0; g < fx.doc->GetGameCount(); ++g) {
        const CScript& game = *fx.doc->GetGame(g);
        fx.output.WriteGameScript(*fx.doc, game);
        std::string bytes;
        ReadWholeFile(game.GetScriptFile(), bytes);
        total += bytes.size();
        scripts.push_back(std::move(bytes));
    }
    // Each run writes the files afresh: no old script to back up.
    const auto removeScripts = [&] {
        for (int g = 0; g < fx.doc->GetGameCount(); ++g) {
            const std::string file = fx.doc->GetGame(g)->GetScriptFile();
            fs::remove(file);
            fs::remove(fs::path(file).replace_extension(".bak"));
        }
    };
    // A second floor: the walk over every object the scripts are made of, without writing.
    const auto walk = [&] {
        std::size_t touched = 0;
        const auto visit = [&touched](const CMTObj& node, const auto& self) -> void {
            touched += node.GetName().size();
            for (int f = 0; f < node.GetCommandCount(); ++f)
                touched +=
                    node.GetCommand(f)->GetCommand().size() + node.GetCommand(f)->GetParam().size();
            for (int c = 0; c < node.GetChildCount(); ++c)
                self(*node.GetChild(c), self);
        };
        for (int g = 0; g < fx.doc->GetGameCount(); ++g)
            for (int m = 0; m < fx.doc->GetModuleCount(); ++m)
                if (fx.doc->GetGame(g)->UsesModule(*fx.doc->GetModule(m)))
                    visit(*fx.doc->GetModule(m), visit);
        benchmark::DoNotOptimize(touched);
    };
    double walkSeconds = 1e300;
    for (int i = 0; i < 3; ++i)
        walkSeconds = std::min(walkSeconds, Measure(walk).seconds);
    state.counters["walk_ms"] = walkSeconds * 1e3;
    Run(
        state, static_cast<double>(total), removeScripts,
        [&] {
            for (int g = 0; g < fx.doc->GetGameCount(); ++g) {
                std::FILE* f = std::fopen(fx.doc->GetGame(g)->GetScriptFile().c_str(), "wb");
                if (f == nullptr || std::fwrite(scripts[static_cast<std::size_t>(g)].data(), 1,
                                                scripts[static_cast<std::size_t>(g)].size(),
                                                f) != scripts[static_cast<std::size_t>(g)].size())
                    state.SkipWithError("cannot write the floor's script");
                if (f != nullptr)
                    std::fclose(f);
            }
        },
        [&] {
            for (int g = 0; g < fx.doc->GetGameCount(); ++g)
                if (!fx.output.WriteGameScript(*fx.doc, *fx.doc->GetGame(g)))
                    state.SkipWithError("cannot write a script");
        });
    removeScripts();
}

void Rematch(benchmark::State& state) {
    Fixture& fx = Get();
    // Every run starts from the Library as stored: nothing bound yet.
    std::unique_ptr<CVantorDoc> doc;
    std::size_t commands = 0;
    std::size_t bound = 0;
    Run(
        state, 0, [&] { doc = CVantorDoc::Open(fx.libraryPath).document; },
        [&] {
            std::vector<CCmdFrag*> all;
            std::string key;
            for (int m = 0; m < doc->GetModuleCount(); ++m)
                doc->GetModule(m)->CollectCommands(all);
            for (const CCmdFrag* command : all) {
                key = command->GetCommand();
                for (char& c : key)
                    if (c >= 'a' && c <= 'z')
                        c = static_cast<char>(c - 'a' + 'A');
                benchmark::DoNotOptimize(key.data());
            }
            commands = all.size();
        },
        [&] { bound = doc->RematchCommands(); });
    state.counters["commands"] = static_cast<double>(commands);
    state.counters["bound"] = static_cast<double>(bound);
}

void KeyLookups(benchmark::State& state) {
    const CKeyTable& table = CKeyTable::Instance();
    std::vector<std::string> names;
    std::vector<std::uint16_t> codes;
    for (const KeyRecord& record : table.Records().subspan(1)) {
        if (const auto name = table.NameFromCode(record.code)) {
            names.emplace_back(*name);
            codes.push_back(record.code);
        }
    }
    constexpr int kRounds = 2000;
    std::size_t found = 0;
    const auto [work, floor] = Run(
        state, 0, NoPrepare,
        [&] {
            std::size_t sum = 0;
            for (int r = 0; r < kRounds; ++r)
                for (const std::string& name : names)
                    sum += name.size() + static_cast<unsigned char>(name[0]);
            benchmark::DoNotOptimize(sum);
        },
        [&] {
            found = 0;
            for (int r = 0; r < kRounds; ++r) {
                for (const std::string& name : names)
                    found += table.CodeFromName(name).has_value();
                for (std::uint16_t code : codes)
                    found += table.NameFromCode(code).has_value();
            }
        });
    state.counters["lookups"] = static_cast<double>(found);
    state.counters["ns_per_lookup"] = work * 1e9 / static_cast<double>(found);
    state.counters["floor_ns_per_name"] = floor * 1e9 / static_cast<double>(names.size() * kRounds);
}

// The commands offered to a fragment: building the index after a change of the Library
// (floor: visiting every Definition and Alias and upper-casing its name), then what the
// command page pays on loading a fragment (the sorted names offered in the last Module) and
// per keystroke (one lookup for each prefix of a name as it is typed).
void CommandOffersIndex(benchmark::State& state) {
    Fixture& fx = Get();
    std::unique_ptr<CommandOffers> offers;
    std::size_t visited = 0;
    Run(
        state, 0, [&] { offers = std::make_unique<CommandOffers>(); },
        [&] {
            visited = 0;
            std::string key;
            for (int m = 0; m < fx.doc->GetModuleCount(); ++m) {
                for (int list : {TypeDefinitionList, TypeAliasList}) {
                    const CVObList& objects = *fx.doc->GetModule(m)->GetList(list);
                    for (int i = 0; i < objects.GetChildCount(); ++i) {
                        key = objects.GetChild(i)->GetName();
                        for (char& c : key)
                            if (c >= 'a' && c <= 'z')
                                c = static_cast<char>(c - 'a' + 'A');
                        benchmark::DoNotOptimize(key.data());
                        ++visited;
                    }
                }
            }
        },
        [&] { offers->Update(*fx.doc); });
    state.counters["offered_objects"] = static_cast<double>(visited);
}

void CommandOffersTyping(benchmark::State& state) {
    Fixture& fx = Get();
    CommandOffers offers;
    offers.Update(*fx.doc);
    const int last = fx.doc->GetModuleCount() - 1;
    // A name of the last Module, and one every Module defines.
    const std::string names[] = {"alias" + std::to_string(last) + "_42", "def42"};
    const Sample load = Measure([&] { benchmark::DoNotOptimize(offers.Offered(last).size()); });
    std::size_t keystrokes = 0;
    std::size_t found = 0;
    const auto [work, floor] = Run(
        state, 0, NoPrepare,
        [&] {
            std::string typed;
            for (const std::string& name : names)
                for (char c : name) {
                    typed.push_back(c);
                    benchmark::DoNotOptimize(typed.data());
                }
        },
        [&] {
            keystrokes = 0;
            found = 0;
            for (const std::string& name : names) {
                std::string typed;
                for (char c : name) {
                    typed.push_back(c);
                    offers.Update(*fx.doc); // nothing changed: no rebuild
                    found += offers.Find(typed, last) != nullptr;
                    ++keystrokes;
                }
            }
        });
    state.counters["keystrokes"] = static_cast<double>(keystrokes);
    state.counters["matches"] = static_cast<double>(found);
    state.counters["us_per_keystroke"] = work * 1e6 / static_cast<double>(keystrokes);
    state.counters["load_ms"] = load.seconds * 1e3;
    static_cast<void>(floor);
}

} // namespace

BENCHMARK(Open)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Save)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(WriteScripts)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Rematch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(KeyLookups)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(20);
BENCHMARK(CommandOffersIndex)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CommandOffersTyping)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(20);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc > 1) {
        g_modules = std::atoi(argv[1]);
        if (g_modules <= 0) {
            std::fprintf(stderr, "usage: core_bench [--benchmark_...] [MODULES]\n");
            return 2;
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
