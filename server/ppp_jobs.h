#pragma once
// PPP jobs of the stand-in. Starting a profile submits a job (user QTCP) whose profile status
// walks through starting, the LCP phases and the IPCP phases to active, one step per clock
// second; the clock is the system's own and only moves when told to (AdvanceClock), so tests and
// ptpctl drive it. An active originator shows up in the connection-jobs list (a multilink
// profile as a bundle head and its links). Ending the profile ends the job and its connections.
//
// Start and End run inside a store transaction (the CL command's); AdvanceClock takes its own.
#include <mutex>
#include <string>
#include <string_view>

#include "server/result.h"

namespace ptp::server {

class ObjectTx;
class Database;

struct JobStartOptions {
    bool restart = false;              // RESTART(*YES): end an active job first
    std::string output = "*NONE";      // OUTPUT(*NONE|*PRINT): keep a spooled job log
    std::string client;                // who asked, for the job log
    bool virtualLineRecorded = false;  // the profile's L2TP or PPPoE line is in its line file
};

class PppJobs {
  public:
    PppJobs(Database& db, std::recursive_mutex& mutex) : m_db(db), m_mutex(mutex) {}

    // CPF/TCP errors for an unknown profile or one already active (unless restart). A profile
    // whose line is missing still gets a job, which fails at once with a status and reason code.
    Status Start(ObjectTx& tx, std::string_view profile, const JobStartOptions& options);
    // Ends the profile's job and connections; TCP8A24 when the profile is not active.
    Status End(ObjectTx& tx, std::string_view profile);
    // True while the profile has a job that is not ended.
    bool IsActive(ObjectTx& tx, std::string_view profile);

    // Moves the clock by `seconds` and every running job with it.
    Status AdvanceClock(long seconds);
    // Seconds since the system was created, as far as the clock has been moved.
    Result<long> Clock();

  private:
    Status Step(ObjectTx& tx, long now);

    Database& m_db;
    std::recursive_mutex& m_mutex;
};

}  // namespace ptp::server
