#pragma once
// The lines and line pools a connection page can offer, read from the system's PPP line list and
// its line pool member list. The page reads both once as it opens and again after a line sheet
// changed something; it then asks by the kind of line the profile uses.
#include <string>
#include <string_view>
#include <vector>

#include "host/host_services.h"

namespace ptp::profiles {

// What the line box of a connection page holds, decided by the profile's line kind.
enum class LineChoice {
    OneLine,  // a line description that is not digital
    Pool,     // a line pool (line kinds 2 and 3)
    ISDN,     // a digital line description (line kinds 4 and 5)
};

[[nodiscard]] LineChoice LineChoiceOf(int lineKind);

// The connection type of the lines a switched ("*SWTPP") or nonswitched ("*NONSWTPP") profile
// runs on.
[[nodiscard]] std::string_view WantedConnectionType(int lineService);

class CProfileLineList {
  public:
    // Reads both lists of `systemName`; false after the server's error was shown over `parent`.
    bool Read(std::string_view systemName, HWND parent);

    // The names the line box offers, in the server's order; a pool once however many members it
    // has.
    [[nodiscard]] std::vector<std::string> Names(LineChoice choice,
                                                 std::string_view connectionType) const;
    // The member lines of `pool` that have the connection type.
    [[nodiscard]] int PoolLineCount(std::string_view pool, std::string_view connectionType) const;

  private:
    struct Line {
        std::string name;
        std::string connectionType;
        std::string resource;
    };
    struct Member {
        std::string line;
        std::string pool;
    };
    [[nodiscard]] const Line* FindLine(std::string_view name) const;

    std::vector<Line> m_lines;
    std::vector<Member> m_members;
};

}  // namespace ptp::profiles
