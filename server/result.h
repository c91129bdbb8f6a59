#pragma once
// Results of store operations. The store never throws across its API: a failure carries the
// server's message identifier (such as "CPF2105") and its text, ready to be put into a command
// reply or an error object.
#include <string>
#include <string_view>
#include <utility>

#include "platform/result/result.h"

namespace ptp::server {

struct Error {
    std::string messageId;  // "CPF2105", or empty for failures without a server message
    std::string text;

    // "CPF2105: Object PRF1 not found." as the server puts it in command replies.
    [[nodiscard]] std::string Reply() const;
};

using Status = ptp::Status<Error>;
template <typename T>
using Result = ptp::Result<T, Error>;

}  // namespace ptp::server
