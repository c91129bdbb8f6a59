#pragma once
// Checks and conversions that several command families share: objects that must or must not
// exist, authorities, resources, and the stored forms of descriptions and message queues.
#include <string>
#include <string_view>

#include "server/cl/cl_arguments.h"
#include "server/cl/cl_command_definition.h"
#include "server/object_record.h"
#include "server/object_tx.h"
#include "server/result.h"

namespace ptp::server::cl {

// CPF2105 naming `type` (such as "*LIND") when there is no such object.
[[nodiscard]] Status MustExist(ObjectTx& tx, std::string_view kind, std::string_view name,
                               std::string_view type);
// CPF2112 naming `type` when the object already exists.
[[nodiscard]] Status MustNotExist(ObjectTx& tx, std::string_view kind, std::string_view name,
                                  std::string_view type);
// AUT names a special authority or an authorization list that exists.
[[nodiscard]] Status CheckAuthority(ObjectTx& tx, const ClArguments& arguments);
// A hardware resource that exists.
[[nodiscard]] Status CheckResource(ObjectTx& tx, std::string_view resource);
// CPF2113 when a profile that uses the line is running.
[[nodiscard]] Status CheckLineNotInUse(ClContext& context, ObjectTx& tx, std::string_view line);
// CPD2631 when `keyword` is given although `reason` rules it out.
[[nodiscard]] Status MustNotHave(const ClArguments& arguments, std::string_view keyword,
                                 std::string_view reason);

// A description as stored: trimmed, "*BLANK" when nothing is left.
[[nodiscard]] std::string StoredText(std::string_view text);

// Copies the parameter into `attributes[id]` when it was given.
void CopyValue(const ClArguments& arguments, std::string_view keyword, Attributes& attributes,
               int id);
// Copies a message queue: the queue or special value into `queueId`, its library into
// `libraryId` ("*LIBL" when none was named, empty for special values).
void CopyMessageQueue(const ClArguments& arguments, Attributes& attributes, int queueId,
                      int libraryId);

}  // namespace ptp::server::cl
