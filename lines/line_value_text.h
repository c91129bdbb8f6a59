#pragma once
// Line values as the line commands take them. A line sheet holds every value in this form, so one
// text serves the create command and, where the forms agree, the line object's attribute.
#include <string>
#include <string_view>

namespace ptp::lines {

// TEXT: trimmed; "*BLANK" when nothing is left, otherwise in apostrophes with every apostrophe
// doubled.
[[nodiscard]] std::string DescriptionValue(std::string_view description);
// A description read from the line object, for the description field: "*BLANK" shows as empty.
[[nodiscard]] std::string DescriptionFromAttribute(std::string_view attribute);
// MSGQ: "*SYSVAL" or "*SYSOPR" as they are, otherwise "LIBRARY/QUEUE" in upper case.
[[nodiscard]] std::string MessageQueueValue(std::string_view queue, std::string_view library);
// Whether a queue names one of the special queues, "*SYSVAL" or "*SYSOPR" (blanks around and case
// aside).
[[nodiscard]] bool IsSpecialMessageQueue(std::string_view queue);
// A special queue, or a queue and a library named with 1 to 10 characters and no blank.
[[nodiscard]] bool IsValidMessageQueue(std::string_view queue, std::string_view library);
// The queue's library as the line object keeps it: none for a special queue, otherwise the name
// in upper case.
[[nodiscard]] std::string MessageQueueLibraryAttribute(std::string_view queue,
                                                       std::string_view library);
// Whether a text holds a blank anywhere (names never do).
[[nodiscard]] bool HasBlank(std::string_view text);
// Whether a text is a whole number from `low` to `high` (digits only, no sign, no blank).
[[nodiscard]] bool IsNumberInRange(std::string_view text, long low, long high);

}  // namespace ptp::lines
