#include "frame/profile_status_text.h"

#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"

namespace ptp::frame {
namespace {

struct StatusEntry {
    int code;
    const char* prefix;  // "LCP " and "IPCP " name the negotiation phase
    UINT text;
    UINT secondText;  // a second text after " - ", 0 for none
};

constexpr StatusEntry kStatusTexts[] = {
    {1, "", 27743, 0},       {2, "", 27753, 0},       {17, "", 27753, 0},
    {3, "", 27745, 0},       {4, "", 27746, 0},       {11, "", 27747, 0},
    {12, "", 27748, 0},      {13, "", 27749, 0},      {14, "", 27750, 0},
    {15, "", 27751, 0},      {16, "", 27752, 0},      {18, "", 27754, 0},
    {19, "", 27755, 0},      {21, "", 27756, 0},      {22, "", 27757, 0},
    {23, "", 27758, 0},      {24, "", 27759, 0},      {26, "", 27795, 27803},
    {27, "", 27795, 27757},  {28, "", 28114, 0},      {29, "", 28115, 0},
    {30, "", 27760, 0},      {31, "LCP ", 29254, 0},  {32, "LCP ", 29254, 0},
    {33, "LCP ", 29255, 0},  {34, "LCP ", 29199, 0},  {35, "LCP ", 27760, 0},
    {36, "LCP ", 27761, 0},  {38, "LCP ", 27761, 0},  {37, "", 27762, 0},
    {41, "IPCP ", 29254, 0}, {42, "IPCP ", 29254, 0}, {43, "IPCP ", 29255, 0},
    {44, "IPCP ", 29199, 0}, {45, "IPCP ", 27760, 0}, {46, "IPCP ", 27761, 0},
    {47, "IPCP ", 27761, 0}, {51, "", 27960, 0},      {52, "", 27961, 0},
    {53, "", 27962, 0},
};

// Codes 54 to 61 take the texts 28116 to 28123 in order.
constexpr int kFirstRangeCode = 54;
constexpr int kLastRangeCode = 61;
constexpr UINT kFirstRangeText = 28116;

}  // namespace

std::string ProfileStatusText(int code) {
    if (code >= kFirstRangeCode && code <= kLastRangeCode) {
        return FrameText(kFirstRangeText + static_cast<UINT>(code - kFirstRangeCode));
    }
    for (const auto& entry : kStatusTexts) {
        if (entry.code != code) continue;
        std::string text = entry.prefix + FrameText(entry.text);
        if (entry.secondText != 0) text += " - " + FrameText(entry.secondText);
        return text;
    }
    return {};
}

}  // namespace ptp::frame
