#include "server/cl/cl_lexer.h"

namespace ptp::server::cl {

namespace {

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

bool EndsWord(char c) {
    return c == ' ' || c == '(' || c == ')' || c == '\'';
}

ClSyntaxError ControlCharacterAt(std::size_t index) {
    return {index + 1, "A control character is not allowed in a command."};
}

}  // namespace

ClSyntaxResult<std::vector<ClToken>> Tokenize(std::string_view text) {
    if (text.size() > kMaxCommandLength) {
        return ClSyntaxError{0, "The command is longer than 32768 characters."};
    }
    std::vector<ClToken> tokens;
    bool blank = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsControl(static_cast<unsigned char>(c))) return ControlCharacterAt(i);
        if (c == ' ') {
            blank = true;
            ++i;
            continue;
        }
        ClToken token;
        token.position = i + 1;
        token.blankBefore = blank;
        blank = false;
        if (c == '(' || c == ')') {
            token.kind = c == '(' ? ClToken::Kind::Open : ClToken::Kind::Close;
            token.text.assign(1, c);
            ++i;
            tokens.push_back(std::move(token));
            continue;
        }
        if (c == '\'') {
            // A doubled apostrophe inside a quoted string stands for one apostrophe.
            token.kind = ClToken::Kind::Quoted;
            ++i;
            bool closed = false;
            while (i < text.size()) {
                const char q = text[i];
                if (IsControl(static_cast<unsigned char>(q))) return ControlCharacterAt(i);
                if (q != '\'') {
                    token.text.push_back(q);
                    ++i;
                    continue;
                }
                if (i + 1 < text.size() && text[i + 1] == '\'') {
                    token.text.push_back('\'');
                    i += 2;
                    continue;
                }
                ++i;
                closed = true;
                break;
            }
            if (!closed) return ClSyntaxError{token.position, "A quoted string is not closed."};
            tokens.push_back(std::move(token));
            continue;
        }
        token.kind = ClToken::Kind::Word;
        while (i < text.size() && !EndsWord(text[i])) {
            if (IsControl(static_cast<unsigned char>(text[i]))) return ControlCharacterAt(i);
            token.text.push_back(text[i]);
            ++i;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

}  // namespace ptp::server::cl
