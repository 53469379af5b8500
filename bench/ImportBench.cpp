// Benchmark of the script import: imports a generated console script of about 50 MB into a
// Module and compares the time with reading the same file line by line without parsing,
// both measured in this run (best of several rounds each).
//
//   build-bench/bin/import_bench [MEGABYTES]
//
// The script goes to a fresh folder under the temporary folder ($TMPDIR) and is removed at
// the end. MB here is 10^6 bytes.

#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "model/TextLineReader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;
using vantor::CVConfig;
using vantor::TextLineReader;

namespace {

constexpr int kRounds = 3;

const char* const kKeys[] = {"w",      "a",      "s",  "d",       "space", "ctrl",
                             "mouse1", "mouse2", "f1", "f2",      "kp_5",  "mwheelup",
                             "1",      "2",      "3",  "uparrow", "tab",   "enter"};

// One block of a hand-written-looking script; `n` makes its names unique, so the Alias
// List and the Action Alias index grow with the file.
void AppendBlock(std::string& out, unsigned n) {
    const std::string id = std::to_string(n);
    const char* key = kKeys[n % std::size(kKeys)];
    out += "// ---- block " + id + " ------------------------------------------\r\n";
    out += "alias +act" + id + " \"+attack; impulse " + id + "; wait\"\r\n";
    out += "alias -act" + id + " \"-attack; impulse 2\"\r\n";
    out +=
        "alias cycle" + id + " \"fov 90; alias next cycle" + id + "b; echo Step " + id + "\"\r\n";
    out += "alias +ACT" + id + " r_drawviewmodel 0 // appended to the same half\r\n";
    out += "bind " + std::string(key) + " +act" + id + "\r\n";
    out += "BIND \"" + std::string(key) + "\" \"impulse 7; +attack; say_team \"go\"\"\r\n";
    out += "\tsensitivity 3.5\t\t// mouse speed\r\n";
    out += "m_pitch 0.022; m_yaw 0.022; cl_bob 0; exec weapons" + id + ".cfg\r\n";
    out += "echo \"Loaded block " + id + "\"\r\n";
    out += "\r\n";
}

// The best wall-clock and the best processor time (user and system) of the rounds; on a
// busy machine the processor time shows the work when the wall clock also shows waiting.
struct Timing {
    double wall = 1e300;
    double cpu = 1e300;
};

double CpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// `prepare` runs before each round, outside the timing.
template <typename Prepare, typename Work> Timing BestOf(Prepare&& prepare, Work&& work) {
    Timing best;
    for (int round = 0; round < kRounds; ++round) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = CpuSeconds();
        work();
        const double cpu = CpuSeconds() - cpuStart;
        best.wall = std::min(
            best.wall,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        best.cpu = std::min(best.cpu, cpu);
    }
    return best;
}

void Report(const char* what, double bytes, const Timing& t) {
    std::printf("%-11s wall %7.3f s %8.1f MB/s   cpu %7.3f s %8.1f MB/s\n", what, t.wall,
                bytes / 1e6 / t.wall, t.cpu, bytes / 1e6 / t.cpu);
}

} // namespace

int main(int argc, char** argv) {
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 50.0;
    if (!(megabytes > 0)) {
        std::fprintf(stderr, "usage: import_bench [MEGABYTES]\n");
        return 2;
    }

    std::string pattern = (fs::temp_directory_path() / "vantor-import-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path dir = pattern;
    const std::string path = (dir / "generated.cfg").string();

    std::string script;
    const auto target = static_cast<std::size_t>(megabytes * 1e6);
    script.reserve(target + 1024);
    for (unsigned n = 0; script.size() < target; ++n)
        AppendBlock(script, n);
    std::ofstream(path, std::ios::binary) << script;
    const double size = static_cast<double>(script.size());
    script = std::string();

    // The floor: every line of the file, CR LF turned into LF, and nothing else.
    std::size_t lines = 0;
    std::size_t lineBytes = 0;
    const Timing read = BestOf([] {},
                               [&] {
                                   TextLineReader reader;
                                   if (!reader.Open(path))
                                       std::exit(1);
                                   lines = lineBytes = 0;
                                   std::string_view line;
                                   while (reader.Next(line)) {
                                       ++lines;
                                       lineBytes += line.size();
                                   }
                               });

    // Each round imports into a new Module; the Module is destroyed outside the timing.
    int aliases = 0;
    int binds = 0;
    int startups = 0;
    std::unique_ptr<CVConfig> module;
    const Timing import = BestOf([&] { module = std::make_unique<CVConfig>(); },
                                 [&] {
                                     if (!module->ReadScriptFile(path)) {
                                         std::fprintf(stderr, "import failed\n");
                                         std::exit(1);
                                     }
                                 });
    aliases = module->GetList(vantor::TypeAliasList)->GetChildCount();
    binds = module->GetList(vantor::TypeBindList)->GetChildCount();
    startups = module->GetList(vantor::TypeStartupList)->GetCommandCount();
    fs::remove_all(dir);

    std::printf("script:     %.1f MB, %zu lines (%zu bytes of line text)\n", size / 1e6, lines,
                lineBytes);
    std::printf("imported:   %d Aliases and Action Aliases, %d Binds, %d startup commands\n",
                aliases, binds, startups);
    std::printf("best of %d rounds:\n", kRounds);
    Report("line read", size, read);
    Report("import", size, import);
    std::printf("ratio:      the import takes %.1f times the line read (wall), %.1f (cpu)\n",
                import.wall / read.wall, import.cpu / read.cpu);
    return 0;
}
