#include "server/messages.h"

#include <map>
#include <vector>

namespace ptp::server {
namespace {

const std::map<std::string_view, std::string_view>& Catalogue() {
    static const std::map<std::string_view, std::string_view> catalogue = {
        {"CPF0001", "Error found on %1 command."},
        {"CPD0043", "Keyword %1 not valid for this command."},
        {"CPD0044", "Positional value exceeds positional limit allowed."},
        {"CPD0071", "Keyword %1 appears more than once."},
        {"CPD0074", "Value %1 for parameter %2 is not a valid name."},
        {"CPD0078", "Value %1 for parameter %2 is not a valid quoted string or name."},
        {"CPD0084", "Value %1 for parameter %2 is longer than %3 characters."},
        {"CPD0085", "Value %1 for parameter %2 is not one of the allowed values."},
        {"CPD0086", "Value %1 for parameter %2 is not in the range %3 to %4."},
        {"CPD0087", "Parameter %1 is required."},
        {"CPD0030", "Command %1 in library %2 not found."},
        {"CPD0013", "A matching parenthesis not found."},
        {"CPD0020", "Character %1 not valid following string %2."},
        {"CPD8E69", "Entry %1 already exists in connection list %2."},
        {"CPF2105", "Object %1 of type %2 not found."},
        {"CPF2112", "Object %1 of type %2 already exists."},
        {"CPF2113", "Cannot allocate object %1."},
        {"CPF2204", "User profile %1 not found."},
        {"CPF2189", "Not authorized to object %1."},
        {"CPF226D", "Validation list %1 not found."},
        {"CPF2681", "Entry %1 not found in connection list %2."},
        {"CPF2634", "Not authorized to configuration object %1."},
        {"CPF3202", "File %1 in use."},
        {"CPF3220",
         "Object %1 of type %2 was changed by another user after you read it: attribute %3 is now "
         "'%4'. Nothing was saved; send your change again to replace theirs."},
        {"CPF9899", "Error occurred during processing of the request: %1"},
        {"CPFA0A9", "Object %1 not found."},
        {"CPFA09F",
         "File %1 was changed by another user after you read it. Nothing was written; read the "
         "file again and make your change to what is there now."},
        {"CPFA0A1", "An input or output error occurred on %1."},
        {"CPFA0DA", "Object name %1 is not valid."},
        {"CPF9803", "Cannot allocate object %1."},
        {"CPF9815", "Member %3 file %2 in library %1 not found."},
        {"TCP2664",
         "Route to %1 with subnet mask %2 and next hop %3 already exists on interface %4."},
        {"TCP2666", "Interface %1 not found for route to %2."},
        {"TCP2668", "Route destination %1 is not a network address for subnet mask %2."},
        {"TCP8205", "Required object %1 of type %2 not found."},
        {"TCP8A1E", "Connection profile %1 not found."},
        {"TCP8A20", "Value %1 for attribute %2 of %3 is not valid: %4"},
        {"TCP8A21", "Attribute %1 is not known for objects of type %2."},
        {"TCP8A22", "Name %1 is not valid for objects of type %2: %3"},
        {"TCP8A23", "Connection profile %1 is already active."},
        {"TCP8A24", "Connection profile %1 is not active."},
        {"TCP8A25", "Connection profile %1 is active and cannot be changed or removed."},
        {"TCP8A30",
         "Line %1 had no modem, as after a create that did not finish; it now uses modem %2. "
         "Choose another in the line's properties if that is not the one meant."},
        {"TCP8A31", "File %1 was not saved: %2. The file on the server is as it was."},
        {"TCP8A32", "%1 %2 was not saved: %3. Nothing was changed on the server."},
    };
    return catalogue;
}

}  // namespace

std::string Error::Reply() const {
    if (messageId.empty()) return text;
    return messageId + ": " + text;
}

std::string_view MessageTemplate(std::string_view id) {
    const auto& catalogue = Catalogue();
    auto it = catalogue.find(id);
    if (it == catalogue.end()) return {};
    return it->second;
}

std::string FillMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) out.append(values[index]);
            ++i;
            continue;
        }
        out.push_back(c);
    }
    return out;
}

Error Message(std::string_view id, std::initializer_list<std::string_view> args) {
    std::string_view pattern = MessageTemplate(id);
    if (pattern.empty()) {
        std::string text = "Message " + std::string(id) + " issued.";
        for (auto arg : args)
            text += " " + std::string(arg);
        return Error{std::string(id), text};
    }
    return Error{std::string(id), FillMessage(pattern, args)};
}

}  // namespace ptp::server
