#pragma once
// Lays statements out as the lines of a rules file: physical lines of at most 507 characters,
// each but the last of a statement ending in "%", descriptions on "###" lines after their
// statement, and an empty last line.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rules/nat_data.h"

namespace ptp::rules {

inline constexpr std::size_t kRulesLineLimit = 507;

// Breaks `text` into physical lines joined by line feeds. A word that alone is longer than the
// limit stays whole on its own line, so no text is lost and the wrapping ends.
[[nodiscard]] std::string WrapRulesText(std::string_view text);

// Hands every physical line of the statements to `writeLine` (with the write flag: kWriteInclude
// for an include statement, kWritePlain otherwise), numbering the statements' line labels from 1.
void WriteRulesLines(const std::vector<std::unique_ptr<CNATData>>& statements,
                     const std::function<void(std::string_view line, int flag)>& writeLine);

// The whole file text, lines ended by line feeds.
[[nodiscard]] std::string WriteRulesText(const std::vector<std::unique_ptr<CNATData>>& statements);

}  // namespace ptp::rules
