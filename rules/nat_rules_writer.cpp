#include "rules/nat_rules_writer.h"

#include "host/host_services.h"

namespace ptp::rules {
namespace {

std::string WithoutCarriageReturns(std::string text) {
    std::size_t out = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        text[out++] = text[i];
    }
    text.resize(out);
    return text;
}

void ForEachLine(std::string_view text, int flag,
                 const std::function<void(std::string_view, int)>& writeLine) {
    while (true) {
        const std::size_t feed = text.find('\n');
        writeLine(text.substr(0, feed), flag);
        if (feed == std::string_view::npos) return;
        text.remove_prefix(feed + 1);
    }
}

}  // namespace

std::string WrapRulesText(std::string_view text) {
    if (text.find('\n') == std::string_view::npos && text.size() <= kRulesLineLimit) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + text.size() / 64 + 8);
    std::size_t column = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        // A word runs up to and including its blank, or up to a line feed.
        std::size_t end = start;
        while (end < text.size() && text[end] != ' ' && text[end] != '\n')
            ++end;
        const bool feed = end < text.size() && text[end] == '\n';
        if (end < text.size() && !feed) ++end;
        const std::size_t length = end - start + (feed ? 1 : 0);  // a line feed becomes "%"
        if (column > 0 && column + length > kRulesLineLimit) {
            out += "%\n";
            column = 0;
        }
        out.append(text.substr(start, end - start));
        column += length;
        if (feed) {
            out += "%\n";
            column = 0;
            ++end;
        }
        start = end;
    }
    return out;
}

void WriteRulesLines(const std::vector<std::unique_ptr<CNATData>>& statements,
                     const std::function<void(std::string_view, int)>& writeLine) {
    int counter = 1;
    for (const auto& statement : statements) {
        statement->SetLineLabel(std::to_string(counter));
        ++counter;
        const int flag =
            statement->GetType() == kNATInclude ? host::kWriteInclude : host::kWritePlain;
        ForEachLine(WrapRulesText(WithoutCarriageReturns(statement->GetFullText())), flag,
                    writeLine);
        if (statement->GetType() == kNATComment) continue;
        const std::string description = statement->GetDescription();
        if (description.empty()) continue;
        ForEachLine("###" + WrapRulesText(description), flag, writeLine);
        ++counter;
    }
    writeLine({}, host::kWritePlain);
}

std::string WriteRulesText(const std::vector<std::unique_ptr<CNATData>>& statements) {
    std::string text;
    WriteRulesLines(statements, [&text](std::string_view line, int) {
        text.append(line);
        text += '\n';
    });
    return text;
}

}  // namespace ptp::rules
