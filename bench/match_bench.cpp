// velb-match-bench: the indexed matcher against the nested scan kept in the tests, on the
// dialog tables of the generated scripts (20,000 dialogs each). The tables are read and cut
// once, outside the timed loops, so only matching is measured. The nested scan's result is
// compared with the matcher's, because a speed-up over a scan that disagrees means nothing.
//
// Usage: velb-match-bench [benchmark options] [DIRECTORY]   (default: bench/data of the sources)

#include "CodePage.h"
#include "DialogMatcher.h"
#include "FileSystem.h"
#include "NestedScan.h"
#include "ScriptReader.h"
#include "ScriptText.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {

std::filesystem::path g_directory = VELB_BENCH_DATA_DIR;

void load(velb::LoadedScript& into, const char* name) {
    velb::testing::QuietView view;
    velb::loadLines(*velb::diskFileSystem().open(g_directory / name), velb::testing::big5(), into.script, view);
    velb::cutDialogs(into, view, velb::HeaderRule::FixedImpure);
}

struct Scripts {
    Scripts() {
        load(oldEnglish, "old_en.rc");
        load(oldChinese, "old_zh.rc");
        load(newEnglish, "new_en.rc");
    }
    velb::LoadedScript oldEnglish;
    velb::LoadedScript oldChinese;
    velb::LoadedScript newEnglish;
};

// One load for every case; a LoadedScript cannot move, so the scripts are built in place.
const Scripts& scripts() {
    static const Scripts loaded;
    return loaded;
}

void matchDialogs(benchmark::State& state) {
    const Scripts& s = scripts();
    velb::testing::QuietView view;
    for (auto _ : state) {
        const velb::MatchResult match =
            velb::MatchDialogs(s.oldEnglish.dialogs, s.oldChinese.dialogs, s.newEnglish.dialogs,
                               velb::OutputMode::Separate, velb::Carrying::WholeDialogs, view);
        benchmark::DoNotOptimize(match.replacementTable.data());
    }
    state.counters["dialogs"] = static_cast<double>(s.newEnglish.dialogs.size());
}

void nestedScan(benchmark::State& state) {
    const Scripts& s = scripts();
    std::vector<std::u16string_view> table;
    for (auto _ : state) {
        table = velb::reference::nestedScan(s.oldEnglish.dialogs, s.oldChinese.dialogs, s.newEnglish.dialogs);
        benchmark::DoNotOptimize(table.data());
    }
    velb::testing::QuietView view;
    const velb::MatchResult match = velb::MatchDialogs(s.oldEnglish.dialogs, s.oldChinese.dialogs, s.newEnglish.dialogs,
                                                       velb::OutputMode::Separate, velb::Carrying::WholeDialogs, view);
    if (match.replacementTable != table)
        state.SkipWithError("the matcher and the nested scan disagree");
    state.counters["dialogs"] = static_cast<double>(s.newEnglish.dialogs.size());
}

BENCHMARK(matchDialogs)->Unit(benchmark::kMillisecond);
BENCHMARK(nestedScan)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc > 2) {
        std::fprintf(stderr, "usage: %s [benchmark options] [DIRECTORY]\n", argv[0]);
        return 2;
    }
    if (argc == 2)
        g_directory = argv[1];
    // Read before any case runs, so a missing script is reported instead of ending the run midway.
    try {
        scripts();
    } catch (const velb::FileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
