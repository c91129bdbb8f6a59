// The plug-in's folders on the system `ptpctl demo --scale 100` makes (10,000 profiles, 2,000
// lines, 500 modems, a 100,000-statement filters file), each against the server reads it cannot
// avoid: the list and, for every row it shows, the attributes of its columns. The program prints
// the ratios they are held to and fails when one is over:
//   originator profiles folder, every column of every row / its server reads     at most 1.5
//   receiver profiles folder, the same                                            at most 1.5
//   modems folder, the same                                                       at most 1.5
//   group access policies folder (10,000 policies) / reading its file's lines     at most 3
// (The policies folder parses every record of a keyed file, as the rules editor parses its file,
// and is held to the same 3 as the rules file's read and parse.)
// (The menu over 1,000 selected profiles is measured against 250 in frame_lists_bench.)
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/support/best_cpu_time.h"
#include "bench/support/plugin_bench.h"
#include "bench/support/raw_read.h"
#include "console/session/plugin_session.h"
#include "host/in_process_host.h"
#include "platform/com/registry.h"
#include "platform/ui/driver.h"
#include "platform/ui/script_driver.h"
#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/modem.h"
#include "platform/vocabulary/profile.h"
#include "server/demo_data.h"
#include "server/stream_files.h"
#include "server/system.h"
#include "tests/support/test_paths.h"

namespace {

namespace prf = ptp::attr::profile;
namespace md = ptp::attr::modem;
using ptp::bench::CpuSeconds;
using ptp::bench::g_seconds;
using ptp::bench::Record;

constexpr const char* kSystem = "SCALESYS";
constexpr int kScale = 100;
constexpr int kPolicies = kScale * 100;
constexpr std::string_view kGroupPolicyPath = "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg";
// What a profile row shows, besides the mode every profile is read for to choose its folder.
constexpr int kProfileRowAttributes[] = {
    prf::kName,        prf::kProtocol,           prf::kStatus,
    prf::kLineService, prf::kDialVariant,        prf::kLineType,
    prf::kLineName,    prf::kListedLocalAddress, prf::kListedRemoteAddress,
    prf::kJobName,     prf::kDescription};
constexpr int kModemRowAttributes[] = {md::kName,         md::kSystem,       md::kKind,
                                       md::kInitCommand,  md::kResetCommand, md::kDialCommand,
                                       md::kAnswerCommand};

// The group policy file of a system with kPolicies policies.
std::string PolicyText() {
    std::string text;
    for (int i = 0; i < kPolicies; ++i) {
        const std::string n = std::to_string(i);
        text += "GROUPPOLICY=POLICY" + n +
                " MULTILINKENABLE=1 MULTILINKMAXLINKS=4 MULTILINKBACP=0 TCPIPFORWARDING=1 "
                "TCPVJ=0 TCPUSEFILTER=1 TCPFILTERNAME=PF" +
                n + " DESCRIPTION=remote office policy " + n + "\n";
    }
    return text;
}

struct Bench : ptp::bench::PluginBench {
    Bench()
        : PluginBench(kSystem, [](ptp::server::System& system) {
              if (auto seeded = ptp::server::SeedScaleData(system, kScale); !seeded)
                  std::fprintf(stderr, "scale data: %s\n", seeded.error().Reply().c_str());
              if (auto written =
                      system.Files().Write(kGroupPolicyPath, PolicyText(), ptp::server::kCcsidText);
                  !written)
                  std::fprintf(stderr, "policies: %s\n", written.error().Reply().c_str());
          }) {}
};

Bench& TheBench() {
    return ptp::bench::TheBenchOf<Bench>();
}

// The list of `kind`, opened and read to its end, and for each element `wanted` says to show,
// the attributes of a row.
template <class Wanted>
void ReadList(std::string_view kind, const int* attributes, std::size_t count, Wanted wanted) {
    Bench& bench = TheBench();
    ptp::host::SOFError* error = nullptr;
    auto list = bench.host->Objects().CreateList(kind, "NXWIN", kSystem, "", &error);
    list->Open(&error);
    while (list->GetState(&error) < ptp::host::kListStateComplete)
        list->WaitStep(&error);
    const long elements = list->GetCount(&error);
    char buffer[512];
    for (long i = 0; i < elements; ++i) {
        ptp::host::IServerObject* element = list->ElementAt(i, &error);
        if (!wanted(*element)) continue;
        for (std::size_t a = 0; a < count; ++a)
            element->GetAttribute(attributes[a], buffer, sizeof buffer, &error);
        benchmark::DoNotOptimize(buffer);
    }
}

void ReadProfiles(bool receivers) {
    ReadList(ptp::kinds::kProfile, kProfileRowAttributes, std::size(kProfileRowAttributes),
             [&](ptp::host::IServerObject& element) {
                 char mode[512];
                 ptp::host::SOFError* error = nullptr;
                 element.GetAttribute(prf::kMode, mode, sizeof mode, &error);
                 return ptp::code::Is(mode, ptp::code::mode::kAnswer) == receivers;
             });
}

void Measure(benchmark::State& state, const std::string& name, const std::function<void()>& run) {
    for (auto _ : state) {
        const double start = CpuSeconds();
        run();
        Record(name, CpuSeconds() - start);
    }
}

void ListFolder(benchmark::State& state, const char* folder, const std::string& name) {
    Bench& bench = TheBench();
    for (auto _ : state) {
        bench.session->CloseFolders();
        const double start = CpuSeconds();
        ptp::session::Failure failure;
        auto listing = bench.session->ListFolder(kSystem, folder, failure);
        Record(name, CpuSeconds() - start);
        if (!listing || listing->rows.size() < 100) {
            state.SkipWithError("the folder did not list its rows");
            return;
        }
    }
}

void BM_OriginatorReads(benchmark::State& state) {
    TheBench();
    Measure(state, "originator reads", [] { ReadProfiles(false); });
}
BENCHMARK(BM_OriginatorReads)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_OriginatorFolder(benchmark::State& state) {
    ListFolder(state, "NPF", "originator folder");
}
BENCHMARK(BM_OriginatorFolder)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_ReceiverReads(benchmark::State& state) {
    TheBench();
    Measure(state, "receiver reads", [] { ReadProfiles(true); });
}
BENCHMARK(BM_ReceiverReads)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_ReceiverFolder(benchmark::State& state) {
    ListFolder(state, "NRC", "receiver folder");
}
BENCHMARK(BM_ReceiverFolder)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_ModemReads(benchmark::State& state) {
    TheBench();
    Measure(state, "modem reads", [] {
        ReadList(ptp::kinds::kModem, kModemRowAttributes, std::size(kModemRowAttributes),
                 [](ptp::host::IServerObject&) { return true; });
    });
}
BENCHMARK(BM_ModemReads)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_ModemFolder(benchmark::State& state) {
    ListFolder(state, "NMD", "modem folder");
}
BENCHMARK(BM_ModemFolder)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_PolicyReads(benchmark::State& state) {
    TheBench();
    Measure(state, "policy reads",
            [] { benchmark::DoNotOptimize(ptp::bench::RawRead(kSystem, kGroupPolicyPath, 0, 1)); });
}
BENCHMARK(BM_PolicyReads)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_PolicyFolder(benchmark::State& state) {
    ListFolder(state, "NGP", "policy folder");
}
BENCHMARK(BM_PolicyFolder)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ptp::bench::EndTheBench<Bench>();
    struct Ratio {
        const char* text;
        const char* measured;
        const char* baseline;
        double limit;
    };
    const Ratio ratios[] = {
        {"originator profiles folder / its server reads", "originator folder", "originator reads",
         1.5},
        {"receiver profiles folder / its server reads", "receiver folder", "receiver reads", 1.5},
        {"modems folder / its server reads", "modem folder", "modem reads", 1.5},
        {"group access policies folder / its file read", "policy folder", "policy reads", 3.0},
    };
    int over = 0;
    for (const Ratio& ratio : ratios) {
        const auto measured = g_seconds.find(ratio.measured);
        const auto baseline = g_seconds.find(ratio.baseline);
        if (measured == g_seconds.end() || baseline == g_seconds.end()) continue;  // filtered out
        const double value = measured->second / baseline->second;
        std::printf("%s: %.2f (at most %.1f; best %.3f ms / %.3f ms)\n", ratio.text, value,
                    ratio.limit, measured->second * 1e3, baseline->second * 1e3);
        over += value > ratio.limit;
    }
    return over == 0 ? 0 : 1;
}
