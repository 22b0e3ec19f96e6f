// Times the scanner on generated instruments: whole runs of the built program (10,000 and
// 100,000 parameters over 10,000 units), and the bare load and unload of the larger module.

#include "../../base/platform/FilePath.h"
#include "../../base/platform/Process.h"
#include "../../finder/FactoryModule.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string drivePath(const std::string& posix) {
    std::string out = "Z:";
    for (char c : posix)
        out += c == '/' ? '\\' : c;
    return out;
}

const std::string kBin = drivePath(OSTREL_BENCH_BIN_DIR);

void scan(benchmark::State& state, const char* module) {
    std::string list = drivePath(OSTREL_BENCH_WORK_DIR) + "\\" + module + ".txt";
    for (auto _ : state) {
        int code =
            Ostrel::Platform::runProcess(kBin + "\\" + OSTREL_INSTFINDER_FILE,
                                         {kBin + "\\" + module, list}, {{"OSTREL_DRIVE_Z", ""}});
        if (code != 0) {
            state.SkipWithError("instfinder did not list the module");
            break;
        }
    }
}

void BM_Scan10kParams(benchmark::State& state) {
    scan(state, "generated_10k.plx3");
}
void BM_Scan100kParams(benchmark::State& state) {
    scan(state, "generated_100k.plx3");
}

void BM_LoadUnload100k(benchmark::State& state) {
    std::string module = kBin + "\\generated_100k.plx3";
    for (auto _ : state) {
        Ostrel::FactoryModule loaded;
        loaded.load(module.c_str());
        if (!loaded.usable()) {
            state.SkipWithError("module not usable");
            break;
        }
    }
}

BENCHMARK(BM_Scan10kParams)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Scan100kParams)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_LoadUnload100k)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
