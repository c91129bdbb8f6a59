#pragma once
// The server's check of a packet rules file before it is activated: every statement starts with
// a known keyword, continuation lines are closed, and every included file exists.
#include <string>
#include <string_view>
#include <vector>

#include "platform/vocabulary/rules.h"
#include "server/object_record.h"

namespace ptp::server {

class StreamFiles;

// Each check is the verification object's attribute that runs it.
enum class RulesCheck {
    All = attr::verify_rules::kOperationAll,
    Syntax = attr::verify_rules::kOperationSyntax,
    Includes = attr::verify_rules::kOperationIncludes
};

struct RulesCheckResult {
    int result = code::verify_result::kClean;  // code::verify_result
    std::vector<std::string> findings;

    // The attributes a verification object shows after the check: the operation's result, the
    // finding count (20) and the findings (1000 + i).
    Attributes AsAttributes(int operation) const;
};

RulesCheckResult CheckRulesFile(StreamFiles& files, std::string_view path, RulesCheck check);

}  // namespace ptp::server
