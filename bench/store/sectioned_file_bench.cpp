// Key reads and same-width writes in a statistics file of about 1 MB with
// 2,000 sections, the size a long-used Stat.dat reaches. Goal: each under 1 ms.
#include "store/sectioned_file.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using vellamor::store::AdviceAnswer;
using vellamor::store::SectionedFile;

class QuietHost : public vellamor::store::StoreHost {
public:
    void message(std::string_view) override {}
    bool showAdvice(std::string_view, int) override { return false; }
    AdviceAnswer askAdvice(std::string_view, bool) override { return {}; }
    void busy(bool) override {}
};

constexpr int kSections = 2000;

std::string sectionName(int i) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d_Player %d", i % 1000, i / 1000 + 1);
    return buf;
}

// A temporary folder with the benchmark file; removed at exit.
struct BenchFile {
    BenchFile() {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "vellamor-bench-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) std::abort();
        folder = tmpl;
        path = folder + "/Stat.dat";
        std::string content = "[Version]\r\nVersion=0300\r\n";
        for (int i = 0; i < kSections; ++i) {
            content += "\r\n[" + sectionName(i) + "]\r\n";
            for (const char* k :
                 {"Won", "Lost", "Streak_Won", "Streak_Lost", "Cur_Streak", "Best_Time",
                  "Total_Time", "Best_Score", "Total_Score", "Last_Played", "Moves", "Undos"})
                content += std::string(k) + "=" + std::string(30, '0') + "\r\n";
        }
        std::ofstream(path, std::ios::binary) << content;
        size = content.size();
    }
    ~BenchFile() { std::filesystem::remove_all(folder); }
    std::string folder, path;
    std::size_t size = 0;
};

BenchFile& benchFile() {
    static BenchFile file;
    return file;
}

// Which section: 0 the first, 1 the middle, 2 the last.
int sectionOf(const benchmark::State& state) {
    return state.range(0) == 0 ? 0 : state.range(0) == 1 ? kSections / 2 : kSections - 1;
}

void BM_ReadKey(benchmark::State& state) {
    QuietHost host;
    SectionedFile file(benchFile().path, host);
    const std::string section =
        sectionOf(state) == 0 ? sectionName(0) : sectionName(sectionOf(state));
    for (auto _ : state) {
        auto r = file.readKey(section, "Total_Score", "");
        benchmark::DoNotOptimize(r);
    }
    state.counters["file_kB"] = static_cast<double>(benchFile().size) / 1024.0;
}
BENCHMARK(BM_ReadKey)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_WriteKeySameWidth(benchmark::State& state) {
    QuietHost host;
    SectionedFile file(benchFile().path, host);
    const std::string section = sectionName(sectionOf(state));
    std::string value(30, '0');
    long n = 0;
    for (auto _ : state) {
        std::snprintf(value.data(), value.size() + 1, "%030ld", ++n);
        if (!file.writeKey(section, "Total_Score", value)) state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteKeySameWidth)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The same with the file held open over the calls, as one statistics
// operation does for its run of reads and writes.
void BM_WriteKeySameWidthHeldOpen(benchmark::State& state) {
    QuietHost host;
    SectionedFile file(benchFile().path, host);
    file.open(true);
    const std::string section = sectionName(kSections - 1);
    std::string value(30, '0');
    long n = 0;
    for (auto _ : state) {
        std::snprintf(value.data(), value.size() + 1, "%030ld", ++n);
        if (!file.writeKey(section, "Total_Score", value)) state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteKeySameWidthHeldOpen)->Unit(benchmark::kMicrosecond);

// For comparison: a write that changes the width rewrites the file.
void BM_WriteKeyRewrite(benchmark::State& state) {
    QuietHost host;
    SectionedFile file(benchFile().path, host);
    const std::string section = sectionName(kSections / 2);
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        if (!file.writeKey(section, "Moves", longer ? std::string(31, '1') : std::string(30, '0')))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteKeyRewrite)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
