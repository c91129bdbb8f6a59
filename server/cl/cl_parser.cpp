#include "server/cl/cl_parser.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "server/cl/cl_lexer.h"

namespace ptp::server::cl {

namespace {

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '$' || c == '#' || c == '@';
}

bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '_';
}

bool IsLibrarySpecial(std::string_view upper) {
    return upper == "*LIBL" || upper == "*CURLIB" || upper == "*SYSTEM";
}

// Walks the token list of one command.
class ClParser {
  public:
    explicit ClParser(std::vector<ClToken> tokens) : m_tokens(std::move(tokens)) {}

    ClSyntaxResult<ClStatement> Parse() {
        if (m_tokens.empty()) return ClSyntaxError{0, "The command is empty."};
        ClStatement statement;
        if (auto error = ParseCommandName(statement)) return *error;
        while (m_next < m_tokens.size()) {
            auto parameter = ParseParameter(statement);
            if (!parameter.Ok()) return parameter.Error();
            statement.parameters.push_back(std::move(parameter.Value()));
        }
        return statement;
    }

  private:
    std::optional<ClSyntaxError> ParseCommandName(ClStatement& statement) {
        const ClToken& token = m_tokens[m_next++];
        if (token.kind != ClToken::Kind::Word) {
            return ClSyntaxError{token.position, "The command must begin with a command name."};
        }
        const std::string upper = UpperAscii(token.text);
        const auto slash = upper.find('/');
        std::string name = upper;
        std::size_t namePosition = token.position;
        if (slash != std::string::npos) {
            statement.library = upper.substr(0, slash);
            name = upper.substr(slash + 1);
            namePosition = token.position + slash + 1;
            if (!IsClName(statement.library) && !IsLibrarySpecial(statement.library)) {
                return ClSyntaxError{
                    token.position,
                    "The library name '" + token.text.substr(0, slash) + "' is not valid."};
            }
        }
        if (!IsClName(name)) {
            return ClSyntaxError{namePosition, "The command name '" + name + "' is not valid."};
        }
        statement.command = name;
        if (m_next < m_tokens.size() && !m_tokens[m_next].blankBefore) {
            return ClSyntaxError{m_tokens[m_next].position,
                                 "A blank must follow the command name."};
        }
        return std::nullopt;
    }

    ClSyntaxResult<ClParameter> ParseParameter(const ClStatement& statement) {
        const ClToken& token = m_tokens[m_next++];
        if (token.kind != ClToken::Kind::Word) {
            return ClSyntaxError{token.position, "A parameter must be written as KEYWORD(value)."};
        }
        if (!token.blankBefore) {
            return ClSyntaxError{token.position, "A blank must separate the parameters."};
        }
        const bool opens = m_next < m_tokens.size() &&
                           m_tokens[m_next].kind == ClToken::Kind::Open &&
                           !m_tokens[m_next].blankBefore;
        if (!opens) {
            return ClSyntaxError{token.position, "The value '" + token.text +
                                                     "' must be given with its keyword, as "
                                                     "KEYWORD(value)."};
        }
        ClParameter parameter;
        parameter.keyword = UpperAscii(token.text);
        parameter.position = token.position;
        if (!IsClName(parameter.keyword)) {
            return ClSyntaxError{token.position, "The keyword '" + token.text + "' is not valid."};
        }
        if (statement.Find(parameter.keyword) != nullptr) {
            return ClSyntaxError{token.position,
                                 "The keyword " + parameter.keyword + " is given more than once."};
        }
        ++m_next;  // the opening parenthesis
        auto elements = ParseElements(1, m_tokens[m_next - 1].position);
        if (!elements.Ok()) return elements.Error();
        parameter.elements = std::move(elements.Value());
        return parameter;
    }

    // Reads elements up to and including the parenthesis that closes the list opened at `open`.
    ClSyntaxResult<std::vector<ClElement>> ParseElements(int depth, std::size_t open) {
        if (depth > kMaxListDepth) {
            return ClSyntaxError{open, "The values are nested too deeply."};
        }
        std::vector<ClElement> elements;
        bool previousIsValue = false;
        while (m_next < m_tokens.size()) {
            const ClToken& token = m_tokens[m_next++];
            if (token.kind == ClToken::Kind::Close) return elements;
            if (previousIsValue && !token.blankBefore) {
                return ClSyntaxError{token.position, "A blank must separate the values."};
            }
            ClElement element;
            element.position = token.position;
            if (token.kind == ClToken::Kind::Open) {
                auto items = ParseElements(depth + 1, token.position);
                if (!items.Ok()) return items.Error();
                element.kind = ClElement::Kind::List;
                element.items = std::move(items.Value());
                previousIsValue = false;
            } else {
                element.kind = token.kind == ClToken::Kind::Quoted ? ClElement::Kind::Quoted
                                                                   : ClElement::Kind::Word;
                element.text = element.IsWord() ? UpperAscii(token.text) : token.text;
                previousIsValue = true;
            }
            elements.push_back(std::move(element));
        }
        return ClSyntaxError{open, "A parenthesis is not closed."};
    }

    std::vector<ClToken> m_tokens;
    std::size_t m_next = 0;
};

}  // namespace

bool IsClName(std::string_view text) {
    if (text.empty() || text.size() > 10 || !IsNameStart(text[0])) return false;
    for (char c : text) {
        if (!IsNameChar(c)) return false;
    }
    return true;
}

const ClParameter* ClStatement::Find(const std::string& keyword) const {
    for (const ClParameter& parameter : parameters) {
        if (parameter.keyword == keyword) return &parameter;
    }
    return nullptr;
}

ClSyntaxResult<ClStatement> ParseCommand(std::string_view text) {
    auto tokens = Tokenize(text);
    if (!tokens.Ok()) return tokens.Error();
    return ClParser(std::move(tokens.Value())).Parse();
}

}  // namespace ptp::server::cl
