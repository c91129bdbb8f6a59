// Reading and writing the PPP filters file and the group policy file through the in-process
// server-file service, against reading and writing the same lines without parsing. Each case runs
// a fixed number of times; the program prints the ratios the files are held to:
//   rules read+parse / raw read           (100,000 statements, UTF-16)   at most 3
//   rules read+parse 100,000 / 10,000     (tenfold growth)               at most 11
//   rules write / raw write               (100,000 statements)           at most 3
//   group policy load+save / raw          (100,000 records)              at most 2
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/support/raw_read.h"
#include "config/config_paths.h"
#include "config/group_policy_config.h"
#include "host/in_process_host.h"
#include "rules/nat_rules_file.h"
#include "server/stream_files.h"
#include "server/system.h"

namespace {

constexpr const char* kSystem = "BENCHSYS";
constexpr std::string_view kGroupPolicyPath = "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg";

std::map<std::string, double> g_seconds;  // best CPU seconds of a run, by case

// Processor time rather than wall time, and the best run of each case: the machines these run on
// are shared, and the cases compare work done, not waits for the disk or for other processes.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

class Timer {
  public:
    explicit Timer(std::string name) : m_name(std::move(name)) {}
    void Add(double seconds) {
        if (m_count == 0 || seconds < m_best) m_best = seconds;
        ++m_count;
    }
    ~Timer() {
        if (m_count > 0) g_seconds[m_name] = m_best;
    }

  private:
    std::string m_name;
    double m_best = 0;
    int m_count = 0;
};

struct Bench {
    std::filesystem::path root;
    std::unique_ptr<ptp::host::InProcessHost> host;

    Bench() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ptp-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        ptp::host::InProcessOptions options;
        options.stateRoot = root;
        host = std::make_unique<ptp::host::InProcessHost>(options);
        (void)host->State().AddSystem(kSystem);
        ptp::host::SetHost(host.get());
    }
    ~Bench() {
        ptp::host::SetHost(nullptr);
        host.reset();
        std::filesystem::remove_all(root);
    }
    ptp::server::System& System() { return *host->SystemFor(kSystem); }
};

Bench& TheBench() {
    static Bench bench;
    return bench;
}

// A PPP filters file as administrators write them: every kind of statement, some statements
// continued with "%", some with descriptions.
std::string RulesText(int statements) {
    std::string text = "# PPP filters for the remote offices\n";
    for (int i = 1; text.size() < 64 || i < statements; ++i) {
        const std::string n = std::to_string(i);
        switch (i % 6) {
            case 0:
                text += "ADDRESS NET" + n + " IP = 10." + std::to_string(i % 250) +
                        ".0.1 THROUGH 10." + std::to_string(i % 250) + ".0.254 TYPE = TRUSTED\n";
                break;
            case 1:
                text +=
                    "FILTER SET PPPIN" + n +
                    " ACTION = PERMIT DIRECTION = INBOUND SRCADDR = * DSTADDR = NET" + n +
                    "   %\n   PROTOCOL = TCP DSTPORT = 80 SRCPORT > 1023 FRAGMENTS = * JRN = OFF\n";
                text += "### web traffic of office " + n + "\n";
                break;
            case 2:
                text +=
                    "FILTER_INTERFACE PPP_FILTER_ID = PF" + n + " SET = PPPIN" + n + ", PPPOUT\n";
                break;
            case 3:
                text += "HIDE 10.1.0." + std::to_string(i % 250) +
                        " BEHIND 9.9.9.9:80 TIMEOUT = 16 "
                        "MAXCON = 64 JRN = OFF\n";
                break;
            case 4:
                text += "MAP 10.2.0." + std::to_string(i % 250) + " TO 9.8.7." +
                        std::to_string(i % 250) + " LINE = ETHLINE JRN = OFF\n";
                break;
            default:
                text += "SERVICE web" + n + " PROTOCOL = TCP DSTPORT = 8080 SRCPORT = *\n";
                break;
        }
    }
    return text;
}

std::string RulesPath(int statements) {
    return "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS" + std::to_string(statements) + ".I3P";
}

void PrepareRules(int statements) {
    const std::string path = RulesPath(statements);
    if (TheBench().System().Files().Exists(path)) return;
    (void)TheBench().System().Files().Write(path, RulesText(statements), ptp::server::kCcsidUtf16);
}

int RawRead(std::string_view path, int ccsid, int mode3) {
    return ptp::bench::RawRead(kSystem, path, ccsid, mode3);
}

void RawWrite(std::string_view path, const std::vector<std::string>& lines, int ccsid) {
    auto& files = ptp::host::GetHost()->Files();
    int result = -1;
    auto file = files.CreateFileForWrite(kSystem, path, 0, result, 1);
    if (ccsid != 0) file->SetCcsid(ccsid);
    if (file->Open(3, 1, 1) != 0) std::abort();
    file->PrepareWrite();
    for (const std::string& line : lines)
        file->WriteLine(line.c_str(), ptp::host::WriteLength(line), ptp::host::kWritePlain);
    file->Close();
}

std::vector<std::string> ReadLines(std::string_view path) {
    auto text = TheBench().System().Files().Read(path);
    std::vector<std::string> lines;
    std::string_view rest = text->text;
    while (!rest.empty()) {
        const std::size_t feed = rest.find('\n');
        lines.emplace_back(rest.substr(0, feed));
        if (feed == std::string_view::npos) break;
        rest.remove_prefix(feed + 1);
    }
    return lines;
}

void BM_RulesRawRead(benchmark::State& state) {
    const int statements = static_cast<int>(state.range(0));
    PrepareRules(statements);
    Timer timer("rules raw read " + std::to_string(statements));
    for (auto _ : state) {
        const double start = CpuSeconds();
        benchmark::DoNotOptimize(RawRead(RulesPath(statements), ptp::host::kCcsidUtf16, 8));
        timer.Add(CpuSeconds() - start);
    }
}

void BM_RulesLoad(benchmark::State& state) {
    const int statements = static_cast<int>(state.range(0));
    PrepareRules(statements);
    Timer timer("rules load " + std::to_string(statements));
    for (auto _ : state) {
        const double start = CpuSeconds();
        ptp::rules::CNATRulesFile file(kSystem, RulesPath(statements), false, 3);
        if (file.Load(false) != 0) std::abort();
        benchmark::DoNotOptimize(file.GetCount());
        timer.Add(CpuSeconds() - start);
    }
}

void BM_RulesRawWrite(benchmark::State& state) {
    const int statements = static_cast<int>(state.range(0));
    PrepareRules(statements);
    // The lines the writer produces, written without the statements behind them.
    ptp::rules::CNATRulesFile file(kSystem, RulesPath(statements), false, 3);
    if (file.Load(false) != 0) std::abort();
    const std::string written = RulesPath(statements) + ".OUT";
    if (file.SaveAs(written) != 0) std::abort();
    const std::vector<std::string> lines = ReadLines(written);
    Timer timer("rules raw write " + std::to_string(statements));
    for (auto _ : state) {
        const double start = CpuSeconds();
        RawWrite(written, lines, ptp::host::kCcsidUtf16);
        timer.Add(CpuSeconds() - start);
    }
}

void BM_RulesSaveAs(benchmark::State& state) {
    const int statements = static_cast<int>(state.range(0));
    PrepareRules(statements);
    ptp::rules::CNATRulesFile file(kSystem, RulesPath(statements), false, 3);
    if (file.Load(false) != 0) std::abort();
    const std::string written = RulesPath(statements) + ".OUT";
    Timer timer("rules write " + std::to_string(statements));
    for (auto _ : state) {
        const double start = CpuSeconds();
        if (file.SaveAs(written) != 0) std::abort();
        timer.Add(CpuSeconds() - start);
    }
}

constexpr int kPolicies = 100000;

void PreparePolicies() {
    if (TheBench().System().Files().Exists(kGroupPolicyPath)) return;
    std::string text;
    for (int i = 0; i < kPolicies; ++i) {
        text += "GROUPPOLICY=POLICY" + std::to_string(i) +
                " MULTILINKENABLE=1 MULTILINKMAXLINKS=4 MULTILINKBACP=0 TCPIPFORWARDING=1 TCPVJ=0 "
                "TCPUSEFILTER=1 TCPFILTERNAME=PF" +
                std::to_string(i) + " DESCRIPTION=remote office policy " + std::to_string(i) + "\n";
    }
    (void)TheBench().System().Files().Write(kGroupPolicyPath, text, ptp::server::kCcsidText);
}

void BM_GroupPolicyRaw(benchmark::State& state) {
    PreparePolicies();
    const std::vector<std::string> lines = ReadLines(kGroupPolicyPath);
    Timer timer("group policy raw");
    for (auto _ : state) {
        const double start = CpuSeconds();
        benchmark::DoNotOptimize(RawRead(kGroupPolicyPath, 0, 1));
        RawWrite(kGroupPolicyPath, lines, 0);
        timer.Add(CpuSeconds() - start);
    }
}

void BM_GroupPolicyLoadSave(benchmark::State& state) {
    PreparePolicies();
    Timer timer("group policy load+save");
    for (auto _ : state) {
        const double start = CpuSeconds();
        ptp::config::CPointToPointProfileGroupPolicyConfigFile file(
            kSystem, ptp::config::kGroupPolicyConfigPath, 0);
        if (file.Load() != 0 || file.GetCount() != kPolicies) std::abort();
        if (file.Save() != 0) std::abort();
        timer.Add(CpuSeconds() - start);
    }
}

BENCHMARK(BM_RulesRawRead)->Arg(10000)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RulesLoad)->Arg(10000)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RulesRawWrite)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RulesSaveAs)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupPolicyRaw)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupPolicyLoadSave)->Iterations(5)->Unit(benchmark::kMillisecond);

// Prints one ratio; false when it is over its limit (a case filtered out is not over).
bool PrintRatio(const char* what, const std::string& subject, const std::string& baseline,
                double limit) {
    const auto s = g_seconds.find(subject);
    const auto b = g_seconds.find(baseline);
    if (s == g_seconds.end() || b == g_seconds.end() || b->second <= 0) return true;
    const double ratio = s->second / b->second;
    std::printf("%-44s %6.2f  (limit %.0f) %s\n", what, ratio, limit,
                ratio <= limit ? "ok" : "OVER");
    return ratio <= limit;
}

}  // namespace

int main(int argc, char** argv) {
    // Each run starts with the memory the run before it freed, so the cases measure reading,
    // parsing and writing rather than the kernel zeroing pages the allocator handed back between
    // runs (which otherwise grows faster than the file and hides the growth being measured).
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_TOP_PAD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\nprocessor time per run:\n");
    for (const auto& [name, seconds] : g_seconds)
        std::printf("  %-34s %9.1f ms\n", name.c_str(), seconds * 1e3);
    std::printf("\n");
    bool within = PrintRatio("rules read+parse / raw read (100,000)", "rules load 100000",
                             "rules raw read 100000", 3);
    within &= PrintRatio("rules read+parse 100,000 / 10,000", "rules load 100000",
                         "rules load 10000", 11);
    within &= PrintRatio("rules write / raw write (100,000)", "rules write 100000",
                         "rules raw write 100000", 3);
    within &= PrintRatio("group policy load+save / raw (100,000)", "group policy load+save",
                         "group policy raw", 2);
    return within ? 0 : 1;
}
