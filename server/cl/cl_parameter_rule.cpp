#include "server/cl/cl_parameter_rule.h"

#include <utility>

namespace ptp::server::cl {

ClValueSpec NameValue(long max, std::initializer_list<std::string_view> specials) {
    return {ClValueKind::Name, 1, max, specials};
}

ClValueSpec QualifiedNameValue(std::initializer_list<std::string_view> specials) {
    return {ClValueKind::QualifiedName, 1, 21, specials};
}

ClValueSpec TextValue(long max) {
    return {ClValueKind::Text, 0, max, {"*BLANK"}};
}

ClValueSpec ChoiceValue(std::initializer_list<std::string_view> specials) {
    return {ClValueKind::Choice, 0, 0, specials};
}

ClValueSpec IntegerValue(long min, long max, std::initializer_list<std::string_view> specials) {
    return {ClValueKind::Integer, min, max, specials};
}

ClValueSpec DecimalValue(long minTenths, long maxTenths) {
    return {ClValueKind::Decimal, minTenths, maxTenths, {}};
}

ClValueSpec AddressValue(std::initializer_list<std::string_view> specials) {
    return {ClValueKind::Address, 7, 15, specials};
}

ClValueSpec CharactersValue(long min, long max, std::initializer_list<std::string_view> specials) {
    return {ClValueKind::Characters, min, max, specials};
}

ClValueSpec AuthorityValue() {
    return NameValue(10, {"*LIBCRTAUT", "*EXCLUDE", "*USE", "*CHANGE", "*ALL"});
}

ClParameterSpec Required(std::string_view keyword, ClValueSpec value) {
    return {keyword, true, {std::move(value)}, 1, {}};
}

ClParameterSpec Optional(std::string_view keyword, ClValueSpec value) {
    return {keyword, false, {std::move(value)}, 1, {}};
}

ClParameterSpec ElementList(std::string_view keyword, std::vector<ClValueSpec> elements) {
    return {keyword, false, std::move(elements), 1, {}};
}

ClParameterSpec RepeatedList(std::string_view keyword, std::vector<ClValueSpec> elements,
                             int maxRepeat, std::initializer_list<std::string_view> singles) {
    return {keyword, false, std::move(elements), maxRepeat, singles};
}

}  // namespace ptp::server::cl
