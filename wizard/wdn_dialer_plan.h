#pragma once
// Everything the dialer wizard's finish sets up, collected from the pages in one value, so the
// finish and the summary read the same thing.
#include <string>
#include <vector>

#include "wizard/line_pool_save_obj.h"
#include "wizard/wdn_dialer_commands.h"

namespace ptp::wizard {

struct CWDNRoute {
    std::string strDestination;
    std::string strMask;
    bool bFromServerPage = false;  // else from the mail relay and routes pages
};

struct CWDNDialerPlan {
    enum class LineUse { NewLine, ExistingLine, NewPool, ExistingPool };

    std::string strSystem;
    std::string strProfile;
    int nAccessType = 1;
    int nDialVariant = 1;
    std::string strDescription;

    LineUse eLineUse = LineUse::NewLine;
    std::string strLine;  // the new or existing line
    CWDNNewLineValues newLine;
    std::string strPool;
    std::vector<CLinePoolSaveObj> poolEntries;
    std::string strModem;  // empty: the line keeps the modem it has

    std::string strPrimaryNumber;
    std::string strBackupNumber;
    std::string strServiceKind;
    std::string strDnsServer;  // empty: the service names one as the link comes up
    std::vector<CWDNRoute> routes;

    bool bMail = false;
    std::string strRelayAddress;
    std::string strRelayHost;
    bool bScheduled = false;
    std::string strInterval;  // empty: the mail service's own

    bool bAccount = false;
    std::string strUserId;
    std::string strPassword;

    [[nodiscard]] bool UsesPool() const {
        return eLineUse == LineUse::NewPool || eLineUse == LineUse::ExistingPool;
    }
};

}  // namespace ptp::wizard
