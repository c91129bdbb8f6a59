// Item-id lists from the console: read the bytes, split each element's text, write it again and
// read that back; every step must agree with the one before, and the position read in place
// with the parsed one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "platform/framework/item_id.h"
#include "platform/framework/shared_allocator.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

void RoundTrip(const std::string& text) {
    ptp::fw::ITEMIDLIST* written = ptp::fw::CreateItemIdFromText(text);
    Check(written != nullptr);
    Check(ptp::fw::ItemIdListTexts(written) == std::vector<std::string>{text});
    ptp::fw::SharedFree(written);

    if (!text.empty()) Check(ptp::fw::JoinItemIdLevels(ptp::fw::SplitItemIdLevels(text)) == text);

    const auto fields = ptp::fw::ParseItemIdText(text);
    if (!fields) return;
    const std::string again = ptp::fw::ItemIdText(fields->name, fields->typeCode, fields->position);
    Check(ptp::fw::ParseItemIdText(again) == fields);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = ptp::fw::ReadItemIdList(data, size);
    if (!texts) return 0;
    for (const auto& text : *texts)
        RoundTrip(text);
    // A folder reads a row's position in place; it must be what the last element's text says.
    if (texts->empty()) return 0;
    const auto fields = ptp::fw::ParseItemIdText(texts->back());
    const auto* list = reinterpret_cast<const ptp::fw::ITEMIDLIST*>(data);
    Check(ptp::fw::ItemIdPosition(list) ==
          (fields ? std::optional<long>(fields->position) : std::nullopt));
    return 0;
}
