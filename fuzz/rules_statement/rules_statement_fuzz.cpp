// Each statement parser reads any text without harm. The first byte picks the statement kind.
// What a statement writes reads back as the same text once it has settled: a first writing may
// differ where a value was empty or is itself a clause word, which a read normalises. The include
// statement reads back its first writing exactly.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "rules/nat_data.h"

namespace {

constexpr std::array<std::string_view, 9> kKeywords{"FILTER", "FILTER_INTERFACE", "ADDRESS",
                                                    "MAP",    "INCLUDE",          "#",
                                                    "HIDE",   "ICMP_SERVICE",     "SERVICE"};

bool ReadsBackAtOnce(std::string_view keyword) {
    return keyword == "INCLUDE";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view keyword = kKeywords[data[0] % kKeywords.size()];
    const int level = data[0] / kKeywords.size() % 4;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    auto first = ptp::rules::CreateNATStatement(keyword, level);
    if (first->Parse(text) != ptp::rules::kParseOk) return 0;
    const std::string written = first->GetFullText();
    auto second = ptp::rules::CreateNATStatement(keyword, level);
    const int secondResult = second->Parse(written);
    if (ReadsBackAtOnce(keyword) &&
        (secondResult != ptp::rules::kParseOk || second->GetFullText() != written)) {
        std::abort();
    }
    if (secondResult != ptp::rules::kParseOk) return 0;
    const std::string normalised = second->GetFullText();
    auto third = ptp::rules::CreateNATStatement(keyword, level);
    // A value that is itself a clause word may need one more round to settle.
    if (third->Parse(normalised) != ptp::rules::kParseOk) return 0;
    const std::string settled = third->GetFullText();
    if (settled == normalised) return 0;
    auto fourth = ptp::rules::CreateNATStatement(keyword, level);
    if (fourth->Parse(settled) != ptp::rules::kParseOk || fourth->GetFullText() != settled) {
        std::abort();
    }
    return 0;
}
