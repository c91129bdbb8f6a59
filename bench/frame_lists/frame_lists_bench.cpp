// The plug-in's profile folder and context menu through the interfaces the console calls,
// against the server reads they cannot avoid. The program prints the ratios they are held to:
//   folder of 10,000 profiles, every column of every row / the same list and attribute reads
//                                                                            at most 1.5
//   menu for 1,000 selected profiles / 4 x menu for 250                     about 1 (linear)
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/support/best_cpu_time.h"
#include "bench/support/plugin_bench.h"
#include "console/session/plugin_session.h"
#include "host/in_process_host.h"
#include "platform/com/registry.h"
#include "platform/ui/driver.h"
#include "platform/ui/script_driver.h"
#include "platform/vocabulary/kinds.h"
#include "server/system.h"
#include "tests/support/test_paths.h"

namespace {

constexpr const char* kSystem = "BENCHSYS";
constexpr int kProfiles = 10000;
// The attributes a profile row is made of.
constexpr int kRowAttributes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12};

using ptp::bench::CpuSeconds;
using ptp::bench::g_seconds;
using ptp::bench::Record;

struct Bench : ptp::bench::PluginBench {
    std::vector<std::string> names;

    Bench() : PluginBench(kSystem, Seed) {
        for (int i = 0; i < kProfiles; ++i)
            names.push_back(Name(i));
    }

    static std::string Name(int i) {
        char name[16];  // room for any int, though the names stay within 10 characters
        std::snprintf(name, sizeof name, "PRF%05d", i);
        return name;
    }

    static void Seed(ptp::server::System& system) {
        (void)system.Transact([&](ptp::server::ObjectTx& tx) {
            for (int i = 0; i < kProfiles; ++i) {
                const std::string name = Name(i);
                ptp::server::Attributes a = {
                    {0, name},       {1, "1"},      {2, "2"},          {3, i % 3 ? "1" : "14"},
                    {4, "LINE1"},    {5, "*ASYNC"}, {6, "1"},          {7, "10.1.1.1"},
                    {8, "10.1.1.2"}, {9, ""},       {10, "A profile"}, {12, "2"},
                    {13, "1"}};
                if (auto s = tx.Put(ptp::kinds::kProfile, name, a); !s) return s;
            }
            return ptp::server::Status::Ok();
        });
    }
};

Bench& TheBench() {
    return ptp::bench::TheBenchOf<Bench>();
}

void BM_ServerReads(benchmark::State& state) {
    Bench& bench = TheBench();
    for (auto _ : state) {
        const double start = CpuSeconds();
        ptp::host::SOFError* error = nullptr;
        auto list =
            bench.host->Objects().CreateList(ptp::kinds::kProfile, "NXWIN", kSystem, "", &error);
        list->Open(&error);
        const long count = list->GetCount(&error);
        char buffer[512];
        for (long i = 0; i < count; ++i) {
            ptp::host::IServerObject* element = list->ElementAt(i, &error);
            for (int id : kRowAttributes)
                element->GetAttribute(id, buffer, sizeof buffer, &error);
            benchmark::DoNotOptimize(buffer);
        }
        while (list->GetState(&error) < ptp::host::kListStateComplete)
            list->WaitStep(&error);
        Record("server reads", CpuSeconds() - start);
    }
}
BENCHMARK(BM_ServerReads)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_ProfilesFolder(benchmark::State& state) {
    Bench& bench = TheBench();
    for (auto _ : state) {
        bench.session->CloseFolders();
        const double start = CpuSeconds();
        ptp::session::Failure failure;
        auto listing = bench.session->ListFolder(kSystem, "NPF", failure);
        Record("profiles folder", CpuSeconds() - start);
        if (!listing || listing->rows.size() != static_cast<std::size_t>(kProfiles)) {
            state.SkipWithError("the folder did not list every profile");
            return;
        }
    }
}
BENCHMARK(BM_ProfilesFolder)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Menu(benchmark::State& state) {
    Bench& bench = TheBench();
    const auto selected = static_cast<std::size_t>(state.range(0));
    const std::vector<std::string> items(bench.names.begin(),
                                         bench.names.begin() + static_cast<long>(selected));
    ptp::session::Failure failure;
    (void)bench.session->ListFolder(kSystem, "NPF", failure);
    for (auto _ : state) {
        const double start = CpuSeconds();
        ptp::HRESULT result = 0;
        auto lines =
            bench.session->Menu(kSystem, "NPF", items, ptp::session::kMenuObjects, result, failure);
        Record("menu " + std::to_string(selected), CpuSeconds() - start);
        if (!lines) state.SkipWithError(failure.text.c_str());
    }
}
BENCHMARK(BM_Menu)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Iterations(10)->Unit(
    benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ptp::bench::EndTheBench<Bench>();
    const double folder = g_seconds["profiles folder"] / g_seconds["server reads"];
    const double menu = g_seconds["menu 1000"] / (4 * g_seconds["menu 250"]);
    std::printf("profiles folder / server reads (10,000 profiles): %.2f (at most 1.5)\n", folder);
    std::printf("menu of 1,000 / 4 x menu of 250: %.2f (about 1: linear)\n", menu);
    return folder <= 1.5 ? 0 : 1;
}
