#include "frame/connection_status_text.h"

#include <cstdint>
#include <string_view>

#include "resources/ids/views.h"

namespace ptp::frame {
namespace {

struct StatusEntry {
    int code;
    std::string_view prefix;
    std::uint32_t text;
    std::uint32_t secondText;  // after " - ", 0 for none
};

constexpr StatusEntry kStatusTable[] = {
    {1, "", IDS_STATUS_INACTIVE, 0},
    {2, "", IDS_STATUS_ENDED, 0},
    {17, "", IDS_STATUS_ENDED, 0},
    {3, "", IDS_STATUS_FAILED, 0},
    {4, "", IDS_STATUS_WAITING_FOR_CALL, 0},
    {11, "", IDS_STATUS_STARTING, 0},
    {12, "", IDS_STATUS_DIALING, 0},
    {13, "", IDS_STATUS_NOT_STARTED, 0},
    {14, "", IDS_STATUS_ACTIVE, 0},
    {15, "", IDS_STATUS_ANSWERING, 0},
    {16, "", IDS_STATUS_CONNECTING, 0},
    {18, "", IDS_STATUS_WAITING_FOR_LINE, 0},
    {19, "", IDS_STATUS_LINE_IN_USE, 0},
    {21, "", IDS_STATUS_AUTHENTICATING, 0},
    {22, "", IDS_STATUS_WAITING_FOR_REMOTE, 0},
    {23, "", IDS_STATUS_NEGOTIATING, 0},
    {24, "", IDS_STATUS_CALLBACK, 0},
    {26, "", IDS_DIAL_ON_DEMAND, IDS_STATUS_WAITING_FOR_DIAL_REQUEST},
    {27, "", IDS_DIAL_ON_DEMAND, IDS_STATUS_WAITING_FOR_REMOTE},
    {28, "", IDS_STATUS_RESTARTING, 0},
    {29, "", IDS_STATUS_RETRYING, 0},
    {30, "", IDS_STATUS_ACK_SENT, 0},
    {31, "LCP ", IDS_STATUS_PHASE_STARTING, 0},
    {32, "LCP ", IDS_STATUS_PHASE_STARTING, 0},
    {33, "LCP ", IDS_STATUS_REQUEST_SENT, 0},
    {34, "LCP ", IDS_STATUS_NEGOTIATION_FAILED, 0},
    {35, "LCP ", IDS_STATUS_ACK_SENT, 0},
    {36, "LCP ", IDS_STATUS_OPENED, 0},
    {38, "LCP ", IDS_STATUS_OPENED, 0},
    {37, "", IDS_STATUS_REMOTE_DISCONNECTED, 0},
    {41, "IPCP ", IDS_STATUS_PHASE_STARTING, 0},
    {42, "IPCP ", IDS_STATUS_PHASE_STARTING, 0},
    {43, "IPCP ", IDS_STATUS_REQUEST_SENT, 0},
    {44, "IPCP ", IDS_STATUS_NEGOTIATION_FAILED, 0},
    {45, "IPCP ", IDS_STATUS_ACK_SENT, 0},
    {46, "IPCP ", IDS_STATUS_OPENED, 0},
    {47, "IPCP ", IDS_STATUS_OPENED, 0},
    {51, "", IDS_STATUS_WAITING_FOR_L2TP_TUNNEL, 0},
    {52, "", IDS_STATUS_L2TP_TUNNEL_STARTED, 0},
    {53, "", IDS_STATUS_L2TP_SESSION_STARTED, 0},
};

// Status codes 54 to 61 map in order onto the eight texts from IDS_STATUS_ENDED_BY_OPERATOR on.
constexpr int kStatusRangeFirst = 54;
constexpr int kStatusRangeLast = 61;
constexpr std::uint32_t kStatusRangeText = IDS_STATUS_ENDED_BY_OPERATOR;

struct ReasonRange {
    int first;
    int last;
    std::uint32_t firstText;
};

constexpr ReasonRange kReasonTable[] = {
    {256, 256, IDS_STATUS_NEGOTIATION_FAILED},    {257, 257, IDS_REASON_ENDED_BY_USER},
    {258, 269, IDS_REASON_AUTHENTICATION_FAILED}, {270, 270, IDS_STATUS_REMOTE_DISCONNECTED},
    {271, 283, IDS_REASON_LINK_QUALITY_LOW},      {284, 284, IDS_REASON_PROFILE_CHANGED},
    {300, 304, IDS_REASON_LINE_NOT_FOUND},        {350, 357, IDS_REASON_L2TP_TUNNEL_FAILED},
    {400, 405, IDS_REASON_NO_PPPOE_CONCENTRATOR}, {450, 456, IDS_REASON_PPP_JOB_ERROR},
};

}  // namespace

std::string StatusText(const res::ResourceModule& texts, int code) {
    if (code >= kStatusRangeFirst && code <= kStatusRangeLast)
        return texts.String(kStatusRangeText +
                            static_cast<std::uint32_t>(code - kStatusRangeFirst));
    for (const StatusEntry& entry : kStatusTable) {
        if (entry.code != code) continue;
        std::string text = std::string(entry.prefix) + texts.String(entry.text);
        if (entry.secondText != 0) text += " - " + texts.String(entry.secondText);
        return text;
    }
    return {};
}

std::string ReasonText(const res::ResourceModule& texts, int code) {
    for (const ReasonRange& range : kReasonTable) {
        if (code < range.first || code > range.last) continue;
        return texts.String(range.firstText + static_cast<std::uint32_t>(code - range.first));
    }
    return {};
}

}  // namespace ptp::frame
