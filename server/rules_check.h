#pragma once
// The server's check of a packet rules file before it is activated: every statement starts with
// a known keyword, continuation lines are closed, and every included file exists.
#include <string>
#include <string_view>
#include <vector>

#include "server/object_record.h"

namespace ptp::server {

class StreamFiles;

enum class RulesCheck { All = 10, Syntax = 11, Includes = 12 };

struct RulesCheckResult {
    int result = 0;  // 0 clean, 1 findings, 2 the file cannot be read
    std::vector<std::string> findings;

    // The attributes a verification object shows after the check: the operation's result, the
    // finding count (20) and the findings (1000 + i).
    Attributes AsAttributes(int operation) const;
};

RulesCheckResult CheckRulesFile(StreamFiles& files, std::string_view path, RulesCheck check);

}  // namespace ptp::server
