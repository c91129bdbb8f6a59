#include "server/cl/cl_writer.h"

namespace ptp::server::cl {

namespace {

void AppendElements(std::string& out, const std::vector<ClElement>& elements) {
    bool first = true;
    for (const ClElement& element : elements) {
        if (!first) out.push_back(' ');
        first = false;
        out += WriteElement(element);
    }
}

}  // namespace

std::string WriteElement(const ClElement& element) {
    if (element.IsWord()) return element.text;
    std::string out;
    if (element.IsList()) {
        out.push_back('(');
        AppendElements(out, element.items);
        out.push_back(')');
        return out;
    }
    out.push_back('\'');
    for (char c : element.text) {
        if (c == '\'') out.push_back('\'');
        out.push_back(c);
    }
    out.push_back('\'');
    return out;
}

std::string WriteCommand(const ClStatement& statement) {
    std::string out;
    if (!statement.library.empty()) out += statement.library + "/";
    out += statement.command;
    for (const ClParameter& parameter : statement.parameters) {
        out += " " + parameter.keyword + "(";
        AppendElements(out, parameter.elements);
        out.push_back(')');
    }
    return out;
}

}  // namespace ptp::server::cl
