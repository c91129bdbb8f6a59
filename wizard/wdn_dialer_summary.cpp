#include "wizard/wdn_dialer_summary.h"

#include <vector>

#include "platform/ui/toolkit.h"
#include "resources/ids/wizard.h"

namespace ptp::wizard {

namespace {

using LineUse = CWDNDialerPlan::LineUse;

UINT AccessText(int accessType) {
    if (accessType == 0) return IDS_WDN_ACCESS_NEW_ACCOUNT;
    if (accessType == 2) return IDS_WDN_ACCESS_MAIL;
    return IDS_WDN_ACCESS_DIAL;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += ui::LoadText(IDS_WDN_LIST_SEPARATOR);
        text += part;
    }
    return text.empty() ? ui::LoadText(IDS_WDN_SUMMARY_NONE) : text;
}

std::string LineText(const CWDNDialerPlan& plan) {
    switch (plan.eLineUse) {
        case LineUse::NewLine:
            return ui::FormatResource(IDS_WDN_SUMMARY_NEW_LINE,
                                      {plan.newLine.strName, plan.newLine.strResource});
        case LineUse::ExistingLine:
            return ui::FormatResource(IDS_WDN_SUMMARY_LINE, {plan.strLine});
        default:
            return ui::FormatResource(IDS_WDN_SUMMARY_POOL, {plan.strPool});
    }
}

}  // namespace

std::string SummaryText(const CWDNDialerPlan& plan) {
    std::vector<std::string> lines;
    lines.push_back(ui::FormatResource(IDS_WDN_SUMMARY_PROFILE, {plan.strProfile}));
    lines.push_back(
        ui::FormatResource(IDS_WDN_SUMMARY_ACCESS, {ui::LoadText(AccessText(plan.nAccessType))}));
    if (plan.bAccount) {
        lines.push_back(ui::FormatResource(IDS_WDN_SUMMARY_ACCOUNT, {plan.strUserId}));
        lines.push_back(ui::FormatResource(IDS_WDN_SUMMARY_SERVICE, {plan.strServiceKind}));
    }
    if (plan.nAccessType == 0) {
        const std::string dns = plan.strDnsServer.empty()
                                    ? ui::LoadText(IDS_WDN_SUMMARY_FROM_SERVICE)
                                    : plan.strDnsServer;
        lines.push_back(ui::FormatResource(IDS_WDN_SUMMARY_DNS, {dns}));
    }
    if (plan.bMail) {
        lines.push_back(
            ui::FormatResource(IDS_WDN_SUMMARY_RELAY, {plan.strRelayAddress, plan.strRelayHost}));
        const std::string schedule =
            plan.bScheduled
                ? (plan.strInterval.empty()
                       ? ui::LoadText(IDS_WDN_INTERVAL_DEFAULT)
                       : ui::FormatResource(IDS_WDN_INTERVAL_MINUTES, {plan.strInterval}))
                : ui::LoadText(IDS_WDN_SUMMARY_NONE);
        lines.push_back(ui::FormatResource(IDS_WDN_SUMMARY_SCHEDULE, {schedule}));
    }
    lines.push_back(LineText(plan));
    if (!plan.strModem.empty())
        lines.push_back(ui::FormatResource(IDS_WDN_SUMMARY_MODEM, {plan.strModem}));
    lines.push_back(
        ui::FormatResource(IDS_WDN_SUMMARY_NUMBERS, {plan.strPrimaryNumber, plan.strBackupNumber}));
    std::vector<std::string> routes;
    for (const CWDNRoute& route : plan.routes)
        routes.push_back(route.strDestination + "/" + route.strMask);
    lines.push_back(ui::FormatResource(IDS_WDN_SUMMARY_ROUTES, {Joined(routes)}));
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

}  // namespace ptp::wizard
