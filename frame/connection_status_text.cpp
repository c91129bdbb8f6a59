#include "frame/connection_status_text.h"

#include <cstdint>
#include <string_view>

namespace ptp::frame {
namespace {

struct StatusEntry {
    int code;
    std::string_view prefix;
    std::uint32_t text;
    std::uint32_t secondText;  // after " - ", 0 for none
};

constexpr StatusEntry kStatusTable[] = {
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

// Status codes 54 to 61 map in order onto texts 28116 to 28123.
constexpr int kStatusRangeFirst = 54;
constexpr int kStatusRangeLast = 61;
constexpr std::uint32_t kStatusRangeText = 28116;

struct ReasonRange {
    int first;
    int last;
    std::uint32_t firstText;
};

constexpr ReasonRange kReasonTable[] = {
    {256, 256, 29199}, {257, 257, 27952}, {258, 269, 28125}, {270, 270, 27762}, {271, 283, 28137},
    {284, 284, 27764}, {300, 304, 28150}, {350, 357, 28155}, {400, 405, 28163}, {450, 456, 28169},
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
