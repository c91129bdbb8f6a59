#pragma once
// A CL command as the interpreter sees it: an optional library qualifier, the command name and its
// keyword parameters, each holding a list of elements. Every piece remembers the column where it
// started in the command text, so a refusal can say where the problem is.
#include <cstddef>
#include <string>
#include <vector>

namespace ptp::server::cl {

struct ClElement {
    enum class Kind { Word, Quoted, List };

    Kind kind = Kind::Word;
    // A word is kept upper-cased; a quoted string without its apostrophes, doubled ones undone.
    std::string text;
    std::vector<ClElement> items;  // the elements of a parenthesised list
    std::size_t position = 0;      // 1-based column of the element's first character

    [[nodiscard]] bool IsWord() const { return kind == Kind::Word; }
    [[nodiscard]] bool IsQuoted() const { return kind == Kind::Quoted; }
    [[nodiscard]] bool IsList() const { return kind == Kind::List; }

    // Equality looks at content only, so a statement written and parsed again compares equal.
    friend bool operator==(const ClElement& left, const ClElement& right) {
        return left.kind == right.kind && left.text == right.text && left.items == right.items;
    }
};

struct ClParameter {
    std::string keyword;  // upper-cased
    std::vector<ClElement> elements;
    std::size_t position = 0;

    friend bool operator==(const ClParameter& left, const ClParameter& right) {
        return left.keyword == right.keyword && left.elements == right.elements;
    }
};

struct ClStatement {
    std::string library;  // upper-cased; empty when the command is not qualified
    std::string command;  // upper-cased
    std::vector<ClParameter> parameters;

    // The parameter with `keyword` (upper case), or null.
    [[nodiscard]] const ClParameter* Find(const std::string& keyword) const;

    friend bool operator==(const ClStatement& left, const ClStatement& right) {
        return left.library == right.library && left.command == right.command &&
               left.parameters == right.parameters;
    }
};

}  // namespace ptp::server::cl
