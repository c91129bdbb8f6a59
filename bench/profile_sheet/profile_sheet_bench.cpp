// Opening a profile's sheet on a system with many profiles against the one server read it cannot
// avoid: the sheet reads the whole profile list for its unique-name check. The program prints
// the ratio it is held to:
//   open the sheet of one profile among 10,000 (and cancel it) / one read of the profile list
//                                                                            at most 1.5
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>

#include "bench/support/best_cpu_time.h"
#include "host/in_process_host.h"
#include "platform/res/resource_module.h"
#include "platform/ui/script_driver.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "profiles/profile_sheet.h"
#include "server/system.h"
#include "tests/support/test_paths.h"

namespace {

constexpr const char* kSystem = "BENCHSYS";
constexpr int kProfiles = 10000;

using ptp::bench::CpuSeconds;
using ptp::bench::g_seconds;
using ptp::bench::Record;

struct Bench {
    std::filesystem::path root;
    std::unique_ptr<ptp::host::InProcessHost> host;

    Bench() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ptp-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        host = std::make_unique<ptp::host::InProcessHost>(
            ptp::host::InProcessOptions{root / "state", "NXWIN", ""});
        (void)host->State().AddSystem(kSystem);
        ptp::host::SetHost(host.get());
        (void)host->SystemFor(kSystem)->Transact([&](ptp::server::ObjectTx& tx) {
            namespace kinds = ptp::kinds;
            for (int i = 0; i < kProfiles; ++i) {
                char name[16];
                std::snprintf(name, sizeof name, "PRF%05d", i);
                ptp::server::Attributes a = {
                    {0, name},     {1, "1"},  {2, "2"},          {3, "1"},        {4, "LINE1"},
                    {5, "*ASYNC"}, {6, "1"},  {10, "A profile"}, {12, "0"},       {13, "1"},
                    {23, "1"},     {27, "1"}, {28, "2"},         {29, "QTOCPTP"}, {30, "0"},
                    {31, "2"},     {32, ""},  {33, "0"},         {34, "0"},       {90, "0"}};
                if (auto s = tx.Put(kinds::kProfile, name, a); !s) return s;
            }
            if (auto s =
                    tx.Put(kinds::kValidationList, "QTOCPTP", {{0, "QTOCPTP"}, {1, "QUSRSYS"}});
                !s)
                return s;
            return tx.Put(kinds::kSystemValue, "QRETSVRSEC", {{0, "QRETSVRSEC"}, {1, "0"}});
        });
        std::string error;
        auto resources =
            ptp::res::ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
        if (!resources) std::fprintf(stderr, "resources: %s\n", error.c_str());
        ptp::ui::SetResourceModule(resources);
    }
    ~Bench() {
        ptp::ui::SetResourceModule(nullptr);
        ptp::host::SetHost(nullptr);
        host.reset();
        std::filesystem::remove_all(root);
    }
};

Bench& TheBench() {
    static Bench bench;
    return bench;
}

void BM_ProfileListRead(benchmark::State& state) {
    Bench& bench = TheBench();
    for (auto _ : state) {
        const double start = CpuSeconds();
        ptp::host::SOFError* error = nullptr;
        auto list = bench.host->Objects().CreateList(ptp::kinds::kProfileList, "NXWIN", kSystem, "",
                                                     &error);
        list->Open(&error);
        while (list->GetState(&error) < ptp::host::kListStateComplete)
            list->WaitStep(&error);
        benchmark::DoNotOptimize(list->GetCount(&error));
        Record("profile list", CpuSeconds() - start);
    }
}
BENCHMARK(BM_ProfileListRead)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_OpenProfileSheet(benchmark::State& state) {
    Bench& bench = TheBench();
    for (auto _ : state) {
        ptp::ui::ScriptDriver driver;
        driver.When("CPointToPointProfilePropertySheet").Cancel();
        ptp::ui::ScopedDriver scoped(driver);
        const double start = CpuSeconds();
        ptp::host::SOFError* error = nullptr;
        // The profile's list record, as the folder hands it to the sheet.
        auto record = bench.host->Objects().CreateObject(ptp::kinds::kProfile, "NXWIN", kSystem,
                                                         "PRF05000", &error);
        ptp::profiles::CProfileSheetOptions options;
        options.systemName = kSystem;
        options.profileName = "PRF05000";
        options.pProfileObject = record.get();
        options.capabilityA = options.capabilityB = options.capabilityC = true;
        options.release050200 = options.release050300 = options.release050400 = true;
        options.changesAllowed = true;
        const auto result = ptp::profiles::ShowProfilePropertySheet(options, nullptr);
        Record("profile sheet", CpuSeconds() - start);
        if (result != ptp::ui::IDCANCEL || !driver.GetTranscript().MessageBoxes().empty()) {
            state.SkipWithError("the sheet did not open cleanly");
            return;
        }
    }
}
BENCHMARK(BM_OpenProfileSheet)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double ratio = g_seconds["profile sheet"] / g_seconds["profile list"];
    std::printf(
        "open one profile's sheet / read the profile list (10,000 profiles): %.2f "
        "(at most 1.5)\n",
        ratio);
    return ratio <= 1.5 ? 0 : 1;
}
