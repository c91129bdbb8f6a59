#include "console/console_error.h"

namespace ptp::console {

int HttpStatusOf(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::BadRequest:
            return 400;
        case ErrorKind::NotSignedIn:
            return 401;
        case ErrorKind::Forbidden:
            return 403;
        case ErrorKind::NotFound:
            return 404;
        case ErrorKind::MethodNotAllowed:
            return 405;
        case ErrorKind::Conflict:
            return 409;
        case ErrorKind::TooLarge:
            return 413;
        case ErrorKind::UnsupportedType:
            return 415;
        case ErrorKind::Unavailable:
            return 503;
        case ErrorKind::Internal:
            return 500;
    }
    return 500;
}

ErrorKind ErrorKindOf(session::FailureKind kind) {
    switch (kind) {
        case session::FailureKind::NotFound:
            return ErrorKind::NotFound;
        case session::FailureKind::Refused:
            return ErrorKind::Conflict;
        case session::FailureKind::Failed:
            return ErrorKind::Internal;
    }
    return ErrorKind::Internal;
}

const char* ErrorKindName(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::BadRequest:
            return "bad-request";
        case ErrorKind::NotSignedIn:
            return "not-signed-in";
        case ErrorKind::Forbidden:
            return "forbidden";
        case ErrorKind::NotFound:
            return "not-found";
        case ErrorKind::MethodNotAllowed:
            return "method-not-allowed";
        case ErrorKind::Conflict:
            return "conflict";
        case ErrorKind::TooLarge:
            return "too-large";
        case ErrorKind::UnsupportedType:
            return "unsupported-type";
        case ErrorKind::Unavailable:
            return "unavailable";
        case ErrorKind::Internal:
            return "internal";
    }
    return "internal";
}

}  // namespace ptp::console
