// What a front end pays per round trip while the profile setup dialog is open: a user action, the
// snapshot of the screen, and the snapshot as JSON. The plain snapshot is the baseline; the program
// prints the other two as ratios of it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/res/resource_module.h"
#include "platform/ui/script_driver.h"
#include "platform/ui/snapshot_json.h"
#include "platform/ui/toolkit.h"
#include "profiles/point_to_point_profile_setup_dialog.h"
#include "resources/ids/profile_setup.h"
#include "tests/support/test_paths.h"

namespace {

using Dialog = ptp::profiles::CPointToPointProfileSetupDialog;

Dialog* g_pDialog = nullptr;

void BM_Snapshot(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ptp::ui::TakeSnapshot());
}

void BM_SnapshotJson(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ptp::ui::SnapshotToJson(ptp::ui::TakeSnapshot()));
    }
}

// Switching the protocol refills both lists and re-enables buttons: a busy user action.
void BM_UserAction(benchmark::State& state) {
    bool slip = false;
    std::string why;
    for (auto _ : state) {
        slip = !slip;
        const auto action =
            ptp::ui::MakeAction(ptp::ui::ActionKind::Click, slip ? IDC_SETUP_SLIP : IDC_SETUP_PPP);
        benchmark::DoNotOptimize(g_pDialog->PerformAction(action, why));
    }
}

BENCHMARK(BM_Snapshot);
BENCHMARK(BM_SnapshotJson);
BENCHMARK(BM_UserAction);

class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> m_times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::string error;
    auto module =
        ptp::res::ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
    if (!module) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    ptp::ui::SetResourceModule(module);
    int protocol = 0, service = 0, mode = 0, kind = 0;
    Dialog dialog(nullptr, "BENCHSYS", false, true, true, true, &protocol, &service, &mode, &kind);
    g_pDialog = &dialog;
    CollectingReporter reporter;
    ptp::ui::ScriptDriver driver;
    driver.When("CPointToPointProfileSetupDialog")
        .Do([&](ptp::ui::CDialog&) { benchmark::RunSpecifiedBenchmarks(&reporter); })
        .Cancel();
    ptp::ui::ScopedDriver scoped(driver);
    dialog.DoModal();
    const double base = reporter.m_times["BM_Snapshot"];
    if (base <= 0) return 1;
    std::printf("snapshot as JSON / snapshot: %.2f\n", reporter.m_times["BM_SnapshotJson"] / base);
    std::printf("user action / snapshot: %.2f\n", reporter.m_times["BM_UserAction"] / base);
    return 0;
}
