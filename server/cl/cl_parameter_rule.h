#pragma once
// What a command's parameters may hold. Each command definition lists its parameters; each
// parameter is one value, an element list (several values in a fixed order) or a list that
// repeats a value or an element list, and may accept special values that stand alone.
#include <initializer_list>
#include <string_view>
#include <vector>

namespace ptp::server::cl {

enum class ClValueKind {
    Name,           // an object name, upper-cased, `max` characters at most
    QualifiedName,  // [library/]name, as a message queue is given
    Text,           // a description: a quoted string of at most `max` characters
    Choice,         // one of the special values, nothing else
    Integer,        // a decimal number from `min` to `max`
    Decimal,        // a number with at most one fraction digit, `min` to `max` in tenths
    Address,        // a dotted IPv4 address
    Characters,     // any word or quoted string of `min` to `max` characters
};

struct ClValueSpec {
    ClValueKind kind = ClValueKind::Name;
    long min = 0;
    long max = 10;
    std::vector<std::string_view> specials;  // accepted as they are, upper case
};

struct ClParameterSpec {
    std::string_view keyword;
    bool required = false;
    std::vector<ClValueSpec> elements;           // one for a simple value, more for an element list
    int maxRepeat = 1;                           // above 1: a list of values or of element lists
    std::vector<std::string_view> singleValues;  // special values that replace the whole list
};

ClValueSpec NameValue(long max = 10, std::initializer_list<std::string_view> specials = {});
ClValueSpec QualifiedNameValue(std::initializer_list<std::string_view> specials);
ClValueSpec TextValue(long max = 50);
ClValueSpec ChoiceValue(std::initializer_list<std::string_view> specials);
ClValueSpec IntegerValue(long min, long max, std::initializer_list<std::string_view> specials = {});
ClValueSpec DecimalValue(long minTenths, long maxTenths);
ClValueSpec AddressValue(std::initializer_list<std::string_view> specials = {});
ClValueSpec CharactersValue(long min, long max,
                            std::initializer_list<std::string_view> specials = {});
// The public authority of a new object: a special authority or an authorization list.
ClValueSpec AuthorityValue();

ClParameterSpec Required(std::string_view keyword, ClValueSpec value);
ClParameterSpec Optional(std::string_view keyword, ClValueSpec value);
ClParameterSpec ElementList(std::string_view keyword, std::vector<ClValueSpec> elements);
ClParameterSpec RepeatedList(std::string_view keyword, std::vector<ClValueSpec> elements,
                             int maxRepeat, std::initializer_list<std::string_view> singles = {});

}  // namespace ptp::server::cl
