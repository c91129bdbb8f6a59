// How the server stand-in's lists and commits compare with plain SQLite on the same database:
// a list of 10,000 profiles read through the host client against one query for the same rows,
// and the commit of a profile with 90 staged attributes against one plain transaction writing
// them. Prints each pair's ratio at the end.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "host/in_process_host.h"
#include "host/object_kinds.h"
#include "server/server_state.h"
#include "server/sqlite_db.h"
#include "server/system.h"

namespace {

namespace fs = std::filesystem;
using ptp::host::kinds::kProfile;

constexpr int kProfiles = 10000;
constexpr int kListAttributes = 10;
constexpr int kCommitAttributes = 90;
// Attributes the server keeps without judging them: the profile's own settings (status, mode,
// description ...) are checked on every commit and would refuse these made-up values.
constexpr int kFirstFreeAttribute = 200;

class Fixture {
  public:
    Fixture() {
        std::string pattern = (fs::temp_directory_path() / "ptp-bench-XXXXXX").string();
        m_root = mkdtemp(pattern.data());
        ptp::server::ServerState state(m_root);
        (void)state.AddSystem("BENCH");
        m_host = std::make_unique<ptp::host::InProcessHost>(
            ptp::host::InProcessOptions{m_root, "bench", ""});
        Seed();
    }
    ~Fixture() {
        m_host.reset();
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    ptp::host::InProcessHost& Host() { return *m_host; }
    ptp::server::System& System() { return *m_host->SystemFor("BENCH"); }

  private:
    void Seed() {
        (void)System().Transact([](ptp::server::ObjectTx& tx) -> ptp::server::Status {
            for (int i = 0; i < kProfiles; ++i) {
                char name[16];
                std::snprintf(name, sizeof name, "PRF%05d", i);
                ptp::server::Attributes attributes;
                for (int id = 0; id < kListAttributes; ++id)
                    attributes[id] = id == 0 ? name : "value " + std::to_string(id);
                if (auto s = tx.Create(kProfile, name, attributes); !s) return s;
            }
            return ptp::server::Status::Ok();
        });
    }

    fs::path m_root;
    std::unique_ptr<ptp::host::InProcessHost> m_host;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

// The console's way: open the list, wait for it, read ten attributes of every element.
void BM_ListThroughHost(benchmark::State& state) {
    auto& host = Shared().Host();
    char buffer[512];
    for (auto _ : state) {
        ptp::host::SOFError* error = nullptr;
        auto list =
            host.Objects().CreateList(kProfile, ptp::host::kClientName, "BENCH", "", &error);
        list->Open(&error);
        while (list->GetState(&error) != ptp::host::kListStateComplete)
            list->WaitStep(&error);
        long count = list->GetCount(&error);
        std::size_t bytes = 0;
        for (long i = 0; i < count; ++i) {
            ptp::host::IServerObject* element = list->ElementAt(i, &error);
            for (int id = 0; id < kListAttributes; ++id) {
                element->GetAttribute(id, buffer, sizeof buffer, &error);
                bytes += buffer[0] != 0;
            }
        }
        if (count != kProfiles) state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(bytes);
    }
}

// The baseline: one prepared query for the same rows, each value copied out.
void BM_ListPlainSqlite(benchmark::State& state) {
    auto& db = Shared().System().Db();
    char buffer[512];
    for (auto _ : state) {
        auto stmt = db.Prepare(
            "SELECT o.name, a.attr, a.value FROM objects o JOIN attributes a ON a.object_id = o.id "
            "WHERE o.kind = ?1 ORDER BY o.name, a.attr");
        stmt->Bind(1, kProfile);
        std::size_t rows = 0;
        while (stmt->Step()) {
            std::string_view value = stmt->TextView(2);
            std::size_t n = std::min(value.size(), sizeof buffer - 1);
            std::copy_n(value.data(), n, buffer);
            buffer[n] = 0;
            ++rows;
        }
        if (rows != static_cast<std::size_t>(kProfiles * kListAttributes))
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(buffer);
    }
}

// A profile sheet's OK: 90 staged attributes, one commit.
void BM_Commit90Attributes(benchmark::State& state) {
    auto& host = Shared().Host();
    ptp::host::SOFError* error = nullptr;
    auto profile =
        host.Objects().CreateObject(kProfile, ptp::host::kClientName, "BENCH", "PRF00042", &error);
    int round = 0;
    for (auto _ : state) {
        for (int id = 0; id < kCommitAttributes; ++id)
            profile->SetAttribute(kFirstFreeAttribute + id, "round " + std::to_string(round));
        profile->Commit(&error);
        if (error) state.SkipWithError("commit failed");
        ++round;
    }
}

// The baseline: one plain transaction upserting the same 90 rows.
void BM_Commit90PlainSqlite(benchmark::State& state) {
    auto& db = Shared().System().Db();
    int round = 0;
    for (auto _ : state) {
        (void)db.Exec("BEGIN IMMEDIATE");
        auto stmt = db.Prepare(
            "INSERT INTO attributes(object_id, attr, value) VALUES(1, ?1, ?2) "
            "ON CONFLICT(object_id, attr) DO UPDATE SET value=excluded.value");
        for (int id = 1; id <= kCommitAttributes; ++id) {
            stmt->Reset();
            stmt->Bind(1, static_cast<std::int64_t>(id + 300))
                .Bind(2, "round " + std::to_string(round));
            (void)stmt->Run();
        }
        (void)db.Exec("COMMIT");
        ++round;
    }
}

BENCHMARK(BM_ListThroughHost)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ListPlainSqlite)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Commit90Attributes)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_Commit90PlainSqlite)->Unit(benchmark::kMicrosecond)->Repetitions(9);

// Keeps the medians of the repetitions so the ratios can be printed after the run. The ratios use
// CPU time: the work is single-threaded, and on a shared machine wall time mostly measures the
// neighbours.
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& m = reporter.medians;
    auto ratio = [&](const char* ours, const char* base, const char* what) {
        if (!m.count(ours) || !m.count(base) || m[base] <= 0) return;
        std::printf("%s: %.2fx the plain SQLite baseline\n", what, m[ours] / m[base]);
    };
    ratio("BM_ListThroughHost", "BM_ListPlainSqlite",
          "list of 10,000 profiles, 10 attributes each (goal: within 3x)");
    ratio("BM_Commit90Attributes", "BM_Commit90PlainSqlite", "commit of 90 staged attributes");
    if (m.count("BM_Commit90Attributes"))
        std::printf("commit of 90 staged attributes: median %.3f ms (goal: under 5 ms)\n",
                    m["BM_Commit90Attributes"] / 1000.0);
    benchmark::Shutdown();
    return 0;
}
