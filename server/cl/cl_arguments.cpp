#include "server/cl/cl_arguments.h"

#include <algorithm>
#include <cstdio>

#include "server/cl/cl_messages.h"
#include "server/cl/cl_writer.h"
#include "server/object_rules.h"
#include "server/text_codec.h"

namespace ptp::server::cl {

namespace {

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Characters, not bytes: descriptions may hold any UTF-8 text.
long CharacterCount(std::string_view text) {
    return static_cast<long>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool IsSpecial(const ClValueSpec& spec, std::string_view upper) {
    return std::find(spec.specials.begin(), spec.specials.end(), upper) != spec.specials.end();
}

Error FormError(std::string_view shown, std::string_view keyword, std::string_view why) {
    return ClMessage("CPD0089", {shown, keyword, why});
}

Result<std::string> CheckInteger(std::string_view shown, std::string_view text,
                                 const ClValueSpec& spec, std::string_view keyword) {
    const std::string digits(text.size() > 1 && text[0] == '+' ? text.substr(1) : text);
    if (!IsDigits(digits) || digits.size() > 9) {
        return FormError(shown, keyword, "a whole number is expected.");
    }
    const long value = std::stol(digits);
    if (value < spec.min || value > spec.max) {
        return ClMessage("CPD0086",
                         {shown, keyword, std::to_string(spec.min), std::to_string(spec.max)});
    }
    return std::to_string(value);
}

Result<std::string> CheckDecimal(std::string_view shown, std::string_view text,
                                 const ClValueSpec& spec, std::string_view keyword) {
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view("0") : text.substr(dot + 1);
    if (!IsDigits(whole) || whole.size() > 6 || !IsDigits(fraction) || fraction.size() != 1) {
        return FormError(shown, keyword, "a number with at most one fraction digit is expected.");
    }
    const long tenths = std::stol(std::string(whole)) * 10 + (fraction[0] - '0');
    if (tenths < spec.min || tenths > spec.max) {
        char low[32];
        char high[32];
        std::snprintf(low, sizeof low, "%ld.%ld", spec.min / 10, spec.min % 10);
        std::snprintf(high, sizeof high, "%ld.%ld", spec.max / 10, spec.max % 10);
        return ClMessage("CPD0086", {shown, keyword, low, high});
    }
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

Result<std::string> CheckQualifiedName(const ClElement& element, std::string_view shown,
                                       std::string_view keyword) {
    const std::string upper = UpperAscii(element.text);
    const std::size_t slash = upper.find('/');
    const std::string name = slash == std::string::npos ? upper : upper.substr(slash + 1);
    const std::string library = slash == std::string::npos ? "" : upper.substr(0, slash);
    const bool libraryOk = slash == std::string::npos || IsObjectName(library) ||
                           library == "*LIBL" || library == "*CURLIB";
    if (!element.IsWord() || !libraryOk || !IsObjectName(name)) {
        return ClMessage("CPD0074", {shown, keyword});
    }
    return upper;
}

Result<std::string> CheckValue(const ClElement& element, const ClValueSpec& spec,
                               std::string_view keyword) {
    const std::string shown = WriteElement(element);
    if (element.IsList()) return FormError(shown, keyword, "a list is not expected here.");
    const std::string upper = UpperAscii(element.text);
    if (IsSpecial(spec, upper)) return upper;
    const long length = CharacterCount(element.text);
    switch (spec.kind) {
        case ClValueKind::Name:
            if (length > spec.max) {
                return ClMessage("CPD0084", {shown, keyword, std::to_string(spec.max)});
            }
            if (!IsObjectName(upper, static_cast<std::size_t>(spec.max))) {
                return ClMessage("CPD0074", {shown, keyword});
            }
            return upper;
        case ClValueKind::QualifiedName:
            return CheckQualifiedName(element, shown, keyword);
        case ClValueKind::Text:
            if (length > spec.max) {
                return ClMessage("CPD0084", {shown, keyword, std::to_string(spec.max)});
            }
            return element.text;
        case ClValueKind::Choice:
            return ClMessage("CPD0085", {shown, keyword});
        case ClValueKind::Integer:
            return CheckInteger(shown, element.text, spec, keyword);
        case ClValueKind::Decimal:
            return CheckDecimal(shown, element.text, spec, keyword);
        case ClValueKind::Address:
            if (!IsInternetAddress(element.text)) return ClMessage("CPD0088", {shown, keyword});
            return element.text;
        case ClValueKind::Characters:
            if (length > spec.max) {
                return ClMessage("CPD0084", {shown, keyword, std::to_string(spec.max)});
            }
            if (length < spec.min) {
                return FormError(
                    shown, keyword,
                    "at least " + std::to_string(spec.min) + " characters are needed.");
            }
            return element.text;
    }
    return FormError(shown, keyword, "the value is not understood.");
}

std::string Written(const std::vector<ClElement>& elements) {
    std::string out;
    for (const ClElement& element : elements) {
        if (!out.empty()) out.push_back(' ');
        out += WriteElement(element);
    }
    return out;
}

// Checks the values of one row against the element specs; missing trailing elements are empty.
Result<std::vector<std::string>> CheckRow(const std::vector<ClElement>& values,
                                          const ClParameterSpec& spec) {
    if (values.size() > spec.elements.size()) {
        return ClMessage("CPD0072", {spec.keyword, std::to_string(spec.elements.size())});
    }
    std::vector<std::string> row;
    for (std::size_t i = 0; i < spec.elements.size(); ++i) {
        if (i >= values.size()) {
            row.emplace_back();
            continue;
        }
        auto value = CheckValue(values[i], spec.elements[i], spec.keyword);
        if (!value) return value.error();
        row.push_back(std::move(*value));
    }
    return row;
}

Result<ClArgument> CheckParameter(const ClParameter& parameter, const ClParameterSpec& spec) {
    ClArgument argument;
    argument.written = Written(parameter.elements);
    if (parameter.elements.empty()) {
        return FormError("()", spec.keyword, "a value is required.");
    }
    const ClElement& first = parameter.elements.front();
    const bool single = parameter.elements.size() == 1 && first.IsWord() &&
                        std::find(spec.singleValues.begin(), spec.singleValues.end(), first.text) !=
                            spec.singleValues.end();
    if (single) {
        argument.rows.push_back({first.text});
        return argument;
    }
    if (spec.maxRepeat == 1) {
        auto row = CheckRow(parameter.elements, spec);
        if (!row) return row.error();
        argument.rows.push_back(std::move(*row));
        return argument;
    }
    if (parameter.elements.size() > static_cast<std::size_t>(spec.maxRepeat)) {
        return ClMessage("CPD0072", {spec.keyword, std::to_string(spec.maxRepeat)});
    }
    for (const ClElement& item : parameter.elements) {
        // A list of single values may give each value bare or in its own parentheses.
        const bool bare = spec.elements.size() == 1 && !item.IsList();
        if (!bare && !item.IsList()) {
            return FormError(WriteElement(item), spec.keyword,
                             "each entry must be a list in parentheses.");
        }
        auto row = CheckRow(bare ? std::vector<ClElement>{item} : item.items, spec);
        if (!row) return row.error();
        argument.rows.push_back(std::move(*row));
    }
    return argument;
}

}  // namespace

void ClArguments::Set(std::string_view keyword, ClArgument argument) {
    m_values[std::string(keyword)] = std::move(argument);
}

bool ClArguments::Has(std::string_view keyword) const {
    return Find(keyword) != nullptr;
}

const ClArgument* ClArguments::Find(std::string_view keyword) const {
    auto it = m_values.find(keyword);
    return it == m_values.end() ? nullptr : &it->second;
}

std::string ClArguments::Value(std::string_view keyword, std::string_view fallback) const {
    return Element(keyword, 0, fallback);
}

std::string ClArguments::Element(std::string_view keyword, std::size_t index,
                                 std::string_view fallback) const {
    const ClArgument* argument = Find(keyword);
    if (argument == nullptr || argument->rows.empty()) return std::string(fallback);
    const auto& row = argument->rows.front();
    return index < row.size() ? row[index] : std::string();
}

Result<ClArguments> CheckArguments(const ClStatement& statement,
                                   const std::vector<ClParameterSpec>& parameters) {
    ClArguments arguments;
    for (const ClParameter& parameter : statement.parameters) {
        auto spec =
            std::find_if(parameters.begin(), parameters.end(),
                         [&](const ClParameterSpec& p) { return p.keyword == parameter.keyword; });
        if (spec == parameters.end()) return ClMessage("CPD0043", {parameter.keyword});
        auto argument = CheckParameter(parameter, *spec);
        if (!argument) return argument.error();
        arguments.Set(parameter.keyword, std::move(*argument));
    }
    for (const ClParameterSpec& spec : parameters) {
        if (spec.required && !arguments.Has(spec.keyword)) {
            return ClMessage("CPD0087", {spec.keyword});
        }
    }
    return arguments;
}

}  // namespace ptp::server::cl
