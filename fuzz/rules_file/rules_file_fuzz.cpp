// The rules file reader takes any text without harm, and reading what the writer wrote gives the
// same file again. A first writing may still change on the next read where the text was one of
// the forms the file format cannot hold (a comment whose text starts with "##" reads back as a
// description line, a value that ends in "%" continues onto the next line, a wrapped description
// keeps only its first line, and a comment that a label let run over several lines is written
// from its "#" on, where a line no longer continues, so its later lines read back as statements
// of their own, which may split again on the next round). So the check allows a few rounds, and
// one more for every line of the first writing, to settle, and then wants a fixed point.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "rules/nat_rules_reader.h"
#include "rules/nat_rules_writer.h"

namespace {

constexpr std::size_t kRoundsToSettle = 4;

std::string ReadAndWrite(std::string_view text) {
    std::vector<std::unique_ptr<ptp::rules::CNATData>> statements;
    (void)ptp::rules::ReadRulesText(text, 3, statements);
    return ptp::rules::WriteRulesText(statements);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string written = ReadAndWrite(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::size_t rounds = kRoundsToSettle + static_cast<std::size_t>(std::count(
                                                     written.begin(), written.end(), '\n'));
    for (std::size_t round = 0; round < rounds; ++round) {
        std::string again = ReadAndWrite(written);
        if (again == written) return 0;
        written = std::move(again);
    }
    std::abort();
}
