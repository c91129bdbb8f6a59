#pragma once
// Why an operation of the plug-in session could not be done. The front ends report it each in
// their own way: the web console turns the kind into an HTTP status, ptpctl prints the text.
#include <string>

namespace ptp::session {

enum class FailureKind {
    NotFound,  // no such folder or item
    Refused,   // the plug-in declined: a selection it does not take, a command not on the menu
    Failed,    // the plug-in or its resources could not be loaded or created
};

struct Failure {
    FailureKind kind = FailureKind::Failed;
    std::string text;  // a resource text, ready to show
};

}  // namespace ptp::session
