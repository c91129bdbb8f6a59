// Parses and runs 10,000 CL commands against a real system in a temp folder, and splits the cost
// of a command into parsing, parameter checking and the store. Each part is measured on its own
// in the same run, so the printed shares compare like with like.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/vocabulary/kinds.h"
#include "server/cl/cl_arguments.h"
#include "server/cl/cl_command_definition.h"
#include "server/cl/cl_interpreter.h"
#include "server/cl/cl_parser.h"
#include "server/server_state.h"

namespace {

using namespace ptp::server;

constexpr int kCommands = 10000;

// Five commands a line's life takes, repeated with fresh names: create, change, a connection
// list made and dropped, and the line deleted, so every pass leaves the system as it found it.
std::vector<std::string> Commands() {
    std::vector<std::string> commands;
    for (int group = 0; static_cast<int>(commands.size()) < kCommands; ++group) {
        const std::string id = std::to_string(group);
        commands.push_back(
            "QSYS/CRTLINPPP LIND(L" + id +
            ") RSRCNAME(CMN01) INTERFACE(*RS232V24) FRAMING(*ASYNC) CNN(*SWTPP) ONLINE(*NO) "
            "LINESPEED(115200) MAXFRAME(2048) CTSTMR(25) TEXT('Bob''s line') LCPAUT(*NONE 5) "
            "LCPCFG(3.0 5 10 2) CMNRCYLMT(2 5) AUT(*LIBCRTAUT) SETMDMASC('AT&F') SWTCNN(*DIAL) "
            "DIALCMD(*ATCMD) FLOWCNTL(*HARDWARE) INACTTMR(*NOMAX)");
        commands.push_back("QSYS/CHGLINPPP LIND(L" + id + ") TEXT('changed') LINESPEED(57600)");
        commands.push_back("QSYS/CRTCNNL CNNL(C" + id + ") NETTYPE(*ETSI) RMVCHR( '-' '(')");
        commands.push_back("QSYS/DLTCNNL CNNL(C" + id + ")");
        commands.push_back("QSYS/DLTLIND LIND(L" + id + ")");
    }
    return commands;
}

const std::vector<std::string>& TheCommands() {
    static const std::vector<std::string> commands = Commands();
    return commands;
}

void BM_Parse(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& command : TheCommands()) {
            auto statement = ptp::server::cl::ParseCommand(command);
            benchmark::DoNotOptimize(statement);
        }
    }
}

void BM_ParseAndCheck(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& command : TheCommands()) {
            auto statement = ptp::server::cl::ParseCommand(command);
            const auto* definition = ptp::server::cl::FindCommand(statement.Value().command);
            auto arguments =
                ptp::server::cl::CheckArguments(statement.Value(), definition->parameters);
            benchmark::DoNotOptimize(arguments);
        }
    }
}

void BM_Run(benchmark::State& state) {
    const auto root =
        std::filesystem::temp_directory_path() / ("ptp-cl-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(root);
    ServerState servers(root);
    if (!servers.AddSystem("BENCH").ok()) {
        state.SkipWithError("cannot create the system");
        return;
    }
    auto system = servers.OpenSystem("BENCH");
    (void)(*system)->PutObject(ptp::kinds::kHardwareResource, "CMN01", {{0, "CMN01"}});
    long failures = 0;
    for (auto _ : state) {
        for (const std::string& command : TheCommands()) {
            failures +=
                ptp::server::cl::ExecuteClCommand(**system, "BENCH", command).empty() ? 0 : 1;
        }
    }
    if (failures > 0) state.SkipWithError("commands were refused");
    system->reset();
    std::filesystem::remove_all(root);
}

BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseAndCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Run)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Keeps each benchmark's time per iteration (10,000 commands) in milliseconds.
class CapturingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred)
                m_milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double Get(const std::string& name) const {
        auto it = m_milliseconds.find(name);
        return it == m_milliseconds.end() ? 0.0 : it->second;
    }

  private:
    std::map<std::string, double> m_milliseconds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    CapturingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double parse = reporter.Get("BM_Parse");
    const double check = reporter.Get("BM_ParseAndCheck");
    const double run = reporter.Get("BM_Run");
    if (parse <= 0 || check <= 0 || run <= 0) return 1;
    const double perCommand = 1000.0 / kCommands;  // milliseconds per pass -> microseconds each
    std::printf(
        "\nper command: %.2f us in all; parsing %.2f us, parameter checks %.2f us, "
        "store %.2f us\n",
        run * perCommand, parse * perCommand, (check - parse) * perCommand,
        (run - check) * perCommand);
    std::printf(
        "ratio run/parse: %.1fx; parsing and checks are %.1f%% of a command, the store "
        "%.1f%%\n",
        run / parse, 100.0 * check / run, 100.0 * (run - check) / run);
    return 0;
}
