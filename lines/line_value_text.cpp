#include "lines/line_value_text.h"

#include <cctype>
#include <charconv>

#include "config/config_text.h"

namespace ptp::lines {

namespace {
constexpr std::string_view kBlank = "*BLANK";
constexpr std::string_view kSystemValue = "*SYSVAL";
constexpr std::string_view kSystemOperator = "*SYSOPR";
constexpr std::size_t kMaxQueueName = 10;

bool IsQueueName(std::string_view name) {
    return !name.empty() && name.size() <= kMaxQueueName && !HasBlank(name);
}

}  // namespace

std::string DescriptionValue(std::string_view description) {
    const std::string_view trimmed = config::Trim(description);
    if (trimmed.empty()) return std::string(kBlank);
    std::string value = "'";
    for (const char c : trimmed) {
        value += c;
        if (c == '\'') value += '\'';
    }
    value += '\'';
    return value;
}

std::string DescriptionFromAttribute(std::string_view attribute) {
    if (config::EqualsNoCase(config::Trim(attribute), kBlank)) return {};
    return std::string(attribute);
}

std::string MessageQueueValue(std::string_view queue, std::string_view library) {
    const std::string_view name = config::Trim(queue);
    if (config::EqualsNoCase(name, kSystemValue)) return std::string(kSystemValue);
    if (config::EqualsNoCase(name, kSystemOperator)) return std::string(kSystemOperator);
    const std::string_view qualifier = config::Trim(library);
    if (qualifier.empty()) return config::ToUpper(name);
    return config::ToUpper(qualifier) + "/" + config::ToUpper(name);
}

bool IsSpecialMessageQueue(std::string_view queue) {
    const std::string_view name = config::Trim(queue);
    return config::EqualsNoCase(name, kSystemValue) || config::EqualsNoCase(name, kSystemOperator);
}

bool IsValidMessageQueue(std::string_view queue, std::string_view library) {
    if (IsSpecialMessageQueue(queue)) return true;
    return IsQueueName(config::Trim(queue)) && IsQueueName(config::Trim(library));
}

std::string MessageQueueLibraryAttribute(std::string_view queue, std::string_view library) {
    if (IsSpecialMessageQueue(queue)) return {};
    return config::ToUpper(config::Trim(library));
}

bool HasBlank(std::string_view text) {
    return text.find(' ') != std::string_view::npos;
}

bool IsNumberInRange(std::string_view text, long low, long high) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= low &&
           value <= high;
}

}  // namespace ptp::lines
