#pragma once
// What can go wrong in a console operation, independent of HTTP. Handlers turn an error into a
// response in one place (HttpStatusOf), so every operation reports failures the same way.
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "console/session/session_failure.h"
#include "platform/result/result.h"

namespace ptp::console {

enum class ErrorKind {
    BadRequest,        // the request is malformed or names something impossible
    NotSignedIn,       // no valid session: the start URL's token was never presented
    Forbidden,         // a foreign Host or Origin, or a cross-site request
    NotFound,          // no such system, folder, item or dialog
    MethodNotAllowed,  // a state change asked for with GET, or an unknown method
    Conflict,          // the console is busy with a dialog, or the object exists already
    TooLarge,          // a request body beyond what any operation needs
    UnsupportedType,   // a body that is not JSON
    Unavailable,       // the plug-in or a server is not there
    Internal,          // a fault of the console itself
};

struct ConsoleError {
    ErrorKind kind = ErrorKind::Internal;
    std::string message;
};

[[nodiscard]] int HttpStatusOf(ErrorKind kind);
// What a failure of the plug-in session is to the console: a missing folder or item, something the
// plug-in declined, or a fault.
[[nodiscard]] ErrorKind ErrorKindOf(session::FailureKind kind);
[[nodiscard]] const char* ErrorKindName(ErrorKind kind);

// The value of an operation or why it failed.
template <typename T>
using Result = ptp::Result<T, ConsoleError>;

inline ConsoleError Fail(ErrorKind kind, std::string message) {
    return ConsoleError{kind, std::move(message)};
}

}  // namespace ptp::console
