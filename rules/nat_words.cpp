#include "rules/nat_words.h"

#include <array>

#include "config/config_text.h"

namespace ptp::rules {
namespace {

using config::NextWord;
using config::StartsWith;
using config::Trim;

// Tried in this order, so that "<>" is not read as "<".
constexpr std::array<std::string_view, 6> kOperators{"<>", "<=", ">=", "=", "<", ">"};

bool HasOperatorCharacter(std::string_view word) {
    return word.find_first_of("=<>") != std::string_view::npos;
}

bool IsClauseWord(std::string_view word, ClauseWords clauseWords) {
    for (const std::string_view clause : clauseWords) {
        if (word == clause) return true;
    }
    return false;
}

OperatorValue ReadOperatorImpl(std::string_view word, std::string_view& rest,
                               ClauseWords clauseWords) {
    if (!HasOperatorCharacter(word)) {
        if (IsClauseWord(PeekWord(rest), clauseWords)) return {};
        word = NextWord(rest);
    }
    for (const std::string_view op : kOperators) {
        const std::size_t at = word.find(op);
        if (at == std::string_view::npos) continue;
        // White space right after the operator is layout, as a blank would be.
        const std::string_view attached = config::TrimLeft(word.substr(at + op.size()));
        if (!attached.empty()) return {op, attached};
        if (IsClauseWord(PeekWord(rest), clauseWords)) return {op, {}};
        return {op, NextWord(rest)};
    }
    return {};
}

}  // namespace

std::string_view PeekWord(std::string_view rest) {
    return NextWord(rest);
}

std::string_view NextValueWord(std::string_view& rest, ClauseWords clauseWords) {
    if (IsClauseWord(PeekWord(rest), clauseWords)) return {};
    return NextWord(rest);
}

OperatorValue ReadOperator(std::string_view word, std::string_view& rest) {
    return ReadOperatorImpl(word, rest, ClauseWords());
}

OperatorValue ReadOperatorBefore(std::string_view word, std::string_view& rest,
                                 ClauseWords clauseWords) {
    return ReadOperatorImpl(word, rest, clauseWords);
}

bool ReadKeyword(std::string_view& rest, std::string_view keyword, std::string& label) {
    std::string_view word = NextWord(rest);
    if (StartsWith(word, keyword)) return true;
    label.assign(word);
    word = NextWord(rest);
    return StartsWith(word, keyword);
}

std::vector<std::string> ReadList(std::string_view first, std::string_view& rest) {
    std::vector<std::string> items;
    if (!StartsWith(first, "{")) {
        if (!first.empty()) items.emplace_back(first);
        return items;
    }
    std::string text(first.substr(1));
    while (text.find('}') == std::string::npos && !config::TrimLeft(rest).empty()) {
        text += NextWord(rest);
    }
    std::string_view inner(text);
    inner = inner.substr(0, inner.find('}'));
    while (!inner.empty()) {
        const std::size_t comma = inner.find(',');
        const std::string_view item = Trim(inner.substr(0, comma));
        if (!item.empty()) items.emplace_back(item);
        if (comma == std::string_view::npos) break;
        inner.remove_prefix(comma + 1);
    }
    return items;
}

std::string JoinList(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += ", ";
        text += items[i];
    }
    return text;
}

std::string WriteList(const std::vector<std::string>& items) {
    // A lone item that starts with a brace would read back as the start of a list.
    if (items.size() == 0 || (items.size() == 1 && !StartsWith(items[0], "{"))) {
        return JoinList(items);
    }
    return "{" + JoinList(items) + "}";
}

}  // namespace ptp::rules
