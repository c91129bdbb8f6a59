#include "platform/framework/item_id.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

#include "platform/com/utf16.h"
#include "platform/framework/shared_allocator.h"

namespace ptp::fw {
namespace {

std::uint16_t ReadCount(const std::uint8_t* bytes) {
    std::uint16_t count = 0;
    std::memcpy(&count, bytes, sizeof count);
    return count;
}

void WriteCount(std::uint8_t* bytes, std::uint16_t count) {
    std::memcpy(bytes, &count, sizeof count);
}

const std::uint8_t* Bytes(const ITEMIDLIST* list) {
    return reinterpret_cast<const std::uint8_t*>(list);
}

char16_t ReadChar(const std::uint8_t* at) {
    char16_t c = 0;
    std::memcpy(&c, at, sizeof c);
    return c;
}

// The text of one element: its 16-bit characters up to the first U+0000 or the element's end.
// Names, type codes and positions are nearly always ASCII, copied straight across; the first
// wider character sends the rest through the UTF-16 decoder.
std::string ElementText(const std::uint8_t* element, std::uint16_t count) {
    std::string text;
    text.reserve(count / 2);
    std::size_t at = 2;
    for (; at + 1 < count; at += 2) {
        const char16_t c = ReadChar(element + at);
        if (c == 0) return text;
        if (c >= 0x80) break;
        text += static_cast<char>(c);
    }
    std::u16string wide;
    for (; at + 1 < count; at += 2) {
        const char16_t c = ReadChar(element + at);
        if (c == 0) break;
        wide += c;
    }
    return wide.empty() ? text : text + Utf16ToUtf8(wide);
}

// Moves `at` to the first character of the element that is `mark` and returns true, or returns
// false at the text's end (U+0000 or the element's end).
bool SkipTo(const std::uint8_t* element, std::uint16_t count, std::size_t& at, char16_t mark) {
    for (; at + 1 < count; at += 2) {
        const char16_t c = ReadChar(element + at);
        if (c == mark) return true;
        if (c == 0) return false;
    }
    return false;
}

// A one-element list of `chars` 16-bit characters that `write` fills in, followed by U+0000 and
// the zero count that ends the list; null when the text is too long or the allocator refuses.
template <class Write>
ITEMIDLIST* NewItemId(std::size_t chars, Write write) {
    const std::size_t elementBytes = 2 + 2 * (chars + 1);
    if (elementBytes > 0xFFFF) return nullptr;
    auto* bytes = static_cast<std::uint8_t*>(SharedAlloc(elementBytes + 2));
    if (!bytes) return nullptr;
    WriteCount(bytes, static_cast<std::uint16_t>(elementBytes));
    write(bytes + 2);
    std::memset(bytes + 2 + 2 * chars, 0, 2 + 2);
    return reinterpret_cast<ITEMIDLIST*>(bytes);
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Writes ASCII text as 16-bit characters and returns the byte after them.
std::uint8_t* WidenAscii(std::string_view text, std::uint8_t* at) {
    for (const char c : text) {
        const auto wide = static_cast<char16_t>(c);
        std::memcpy(at, &wide, sizeof wide);
        at += sizeof wide;
    }
    return at;
}

}  // namespace

std::string ItemIdText(std::string_view name, std::string_view typeCode, long position) {
    std::string text(name);
    text += kItemTypeMark;
    text += typeCode;
    text += kItemPositionMark;
    text += std::to_string(position);
    return text;
}

std::optional<ItemIdFields> ParseItemIdText(std::string_view text) {
    const auto typeAt = text.find(kItemTypeMark);
    if (typeAt == std::string_view::npos) return std::nullopt;
    const auto positionAt = text.find(kItemPositionMark, typeAt + 1);
    if (positionAt == std::string_view::npos) return std::nullopt;
    const std::string_view digits = text.substr(positionAt + 1);
    ItemIdFields fields;
    const auto [end, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), fields.position);
    if (digits.empty() || digits.front() == '-' || ec != std::errc() ||
        end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    fields.name = text.substr(0, typeAt);
    fields.typeCode = text.substr(typeAt + 1, positionAt - typeAt - 1);
    return fields;
}

std::string JoinItemIdLevels(const std::vector<std::string>& levels) {
    std::string path;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (i > 0) path += kLevelSeparator;
        path += levels[i];
    }
    return path;
}

std::vector<std::string> SplitItemIdLevels(std::string_view path) {
    std::vector<std::string> levels;
    if (path.empty()) return levels;
    for (std::size_t start = 0;;) {
        const auto end = path.find(kLevelSeparator, start);
        levels.emplace_back(path.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return levels;
        start = end + 1;
    }
}

ITEMIDLIST* CreateItemIdFromText(std::string_view text) {
    // Item texts are nearly always ASCII, widened in place without a converted copy.
    if (IsAscii(text))
        return NewItemId(text.size(), [&](std::uint8_t* at) { WidenAscii(text, at); });
    const std::u16string wide = Utf8ToUtf16(text);
    return NewItemId(wide.size(),
                     [&](std::uint8_t* at) { std::memcpy(at, wide.data(), 2 * wide.size()); });
}

ITEMIDLIST* CreateItemId(std::string_view name, std::string_view typeCode, long position) {
    if (!IsAscii(name) || !IsAscii(typeCode))
        return CreateItemIdFromText(ItemIdText(name, typeCode, position));
    // A folder makes one per row: written straight from its parts.
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, position).ptr;
    const std::string_view number(digits, static_cast<std::size_t>(end - digits));
    const std::size_t chars = name.size() + 1 + typeCode.size() + 1 + number.size();
    return NewItemId(chars, [&](std::uint8_t* at) {
        at = WidenAscii(name, at);
        at = WidenAscii(std::string_view(&kItemTypeMark, 1), at);
        at = WidenAscii(typeCode, at);
        at = WidenAscii(std::string_view(&kItemPositionMark, 1), at);
        WidenAscii(number, at);
    });
}

std::optional<std::vector<std::string>> ReadItemIdList(const std::uint8_t* bytes,
                                                       std::size_t size) {
    std::vector<std::string> texts;
    for (std::size_t at = 0;;) {
        if (size - at < 2) return std::nullopt;
        const std::uint16_t count = ReadCount(bytes + at);
        if (count == 0) return texts;
        if (count < 2 || count > size - at) return std::nullopt;
        texts.push_back(ElementText(bytes + at, count));
        at += count;
    }
}

std::vector<std::string> ItemIdListTexts(const ITEMIDLIST* list) {
    std::vector<std::string> texts;
    if (!list) return texts;
    for (const std::uint8_t* at = Bytes(list); ReadCount(at) != 0; at += ReadCount(at)) {
        texts.push_back(ElementText(at, ReadCount(at)));
    }
    return texts;
}

std::optional<long> ItemIdPosition(const ITEMIDLIST* list) {
    if (!list) return std::nullopt;
    const std::uint8_t* last = nullptr;
    for (const std::uint8_t* at = Bytes(list); ReadCount(at) != 0; at += ReadCount(at))
        last = at;
    if (!last) return std::nullopt;
    const std::uint16_t count = ReadCount(last);
    // The same reading as ParseItemIdText: the first type mark, the first position mark after
    // it, then nothing but decimal digits to the text's end.
    std::size_t at = 2;
    if (!SkipTo(last, count, at, kItemTypeMark)) return std::nullopt;
    at += 2;
    if (!SkipTo(last, count, at, kItemPositionMark)) return std::nullopt;
    bool digits = false;
    long position = 0;
    for (at += 2; at + 1 < count; at += 2) {
        const char16_t c = ReadChar(last + at);
        if (c == 0) break;
        if (c < u'0' || c > u'9') return std::nullopt;
        const long digit = c - u'0';
        if (position > (std::numeric_limits<long>::max() - digit) / 10) return std::nullopt;
        position = position * 10 + digit;
        digits = true;
    }
    if (!digits) return std::nullopt;
    return position;
}

std::size_t ItemIdListSize(const ITEMIDLIST* list) {
    if (!list) return 0;
    std::size_t size = 0;
    for (const std::uint8_t* at = Bytes(list); ReadCount(at) != 0; at += ReadCount(at)) {
        size += ReadCount(at);
    }
    return size + 2;
}

ITEMIDLIST* CopyItemIdList(const ITEMIDLIST* list) {
    if (!list) return nullptr;
    const std::size_t size = ItemIdListSize(list);
    void* copy = SharedAlloc(size);
    if (!copy) return nullptr;
    std::memcpy(copy, list, size);
    return static_cast<ITEMIDLIST*>(copy);
}

const ITEMIDLIST* FindItemIdElement(const ITEMIDLIST* list, std::string_view text) {
    if (!list) return nullptr;
    for (const std::uint8_t* at = Bytes(list); ReadCount(at) != 0; at += ReadCount(at)) {
        if (ElementText(at, ReadCount(at)) == text) return reinterpret_cast<const ITEMIDLIST*>(at);
    }
    return nullptr;
}

std::string FolderPathFromItemIdList(const ITEMIDLIST* list) {
    return JoinItemIdLevels(ItemIdListTexts(list));
}

}  // namespace ptp::fw
