#pragma once
// The users of a validation list as the validation-list dialog shows and changes them: each entry
// named by its identifier (a tag that says what it authenticates, then the user's name), with the
// user's name and password as its data. A list that does not exist yet is made with its first
// user.
#include <string>
#include <string_view>
#include <vector>

#include "host/sof_error.h"

namespace ptp::profiles {

struct CValidationListUser {
    std::string strKey;   // the entry's name on the server: "<list>/<hex identifier>"
    std::string strName;  // the identifier after its tag
    std::string strKind;  // "PAP", "CHAP", "L2TP", "SLIP", "HOP", or empty for other tags
};

// A user to add: the identifier's tag and name, the two data fields and a group policy.
struct CValidationListNewUser {
    std::string strTag;
    std::string strName;
    std::string strData1;
    std::string strData2;
    std::string strGroupPolicy;
};

class CValidationListUsers {
  public:
    CValidationListUsers(std::string_view systemName, std::string_view listName);

    // The list's entries, in the server's order; none for a list that does not exist yet.
    bool Read(std::vector<CValidationListUser>& users, host::SOFError** error);
    // Adds or changes the user's entry, making the list first when the server says it is missing.
    bool Save(const CValidationListNewUser& user, host::SOFError** error);
    bool Remove(const CValidationListUser& user, host::SOFError** error);

  private:
    bool CreateList(host::SOFError** error);

    std::string m_strSystemName;
    std::string m_strListName;
};

}  // namespace ptp::profiles
