#pragma once
// The dialer wizard's finish: sets the plan up on the system step by step, in this order: the
// line (or the pool's members), the line's modem, the profile, its routes and the route daemon's
// record of it, the relay's host-table entry, the mail router, the account, and keeping
// passwords. The first failure is shown and stops the rest; the user is then told which steps
// are done and which are not. Every step first looks at what the system has, so a second finish
// uses what the first one made instead of making it again.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_services.h"
#include "platform/ui/ui_constants.h"
#include "wizard/wdn_dialer_plan.h"

namespace ptp::wizard {

class CWDNDialerFinish {
  public:
    CWDNDialerFinish(const CWDNDialerPlan& plan, bool retainsServerSecurity);
    // True when every step is done.
    bool Run();

  private:
    struct Step {
        UINT name;
        bool (CWDNDialerFinish::*run)();
    };
    [[nodiscard]] std::vector<Step> Steps() const;

    bool MakeLine();
    bool JoinPool();
    bool AssociateModem();
    bool CommitProfile();
    bool AddRoutes();
    bool AddHostEntry();
    bool ChangeMail();
    bool SaveAccount();
    bool KeepPasswords();
    bool CommitRouteDaemonRecord();

    bool RunCommand(const std::string& command);
    std::unique_ptr<host::IServerObject> Object(std::string_view kind, std::string_view name);
    bool CommitObject(host::IServerObject& object, std::string_view trace = {});
    void ReportIncomplete(const std::vector<Step>& steps, std::size_t failed) const;

    const CWDNDialerPlan& m_plan;
    bool m_bRetainsServerSecurity;
};

}  // namespace ptp::wizard
