#pragma once
// Which pages a profile sheet shows, decided by the profile's protocol, line service and mode.
// Every page the sheet may show has a slot; the choice names the slots in tab order and which of
// them play the connection, authentication and TCP/IP roles that commit walks.
#include <array>
#include <optional>
#include <vector>

namespace ptp::profiles {

// The fifteen pages of a profile sheet, in the order the sheet declares them.
enum class ProfilePageSlot {
    PPPDialAuth,
    PPPAnsAuth,
    SLIPDialAuth,
    SLIPAnsAuth,
    General,
    DNS,
    Other,
    TCPIPAnswer,
    TCPIPDial,
    TCPIPDialOnDemand,
    AnswerConnection,
    DialConnection,
    L2TPInitiatorConnection,
    L2TPTerminatorConnection,
    PPPoEInitiatorConnection,
};
inline constexpr int kProfilePageSlotCount = 15;

struct CProfilePageChoice {
    // False for a mode the sheet does not know on a switched, nonswitched or virtual line.
    bool bSupported = true;
    std::vector<ProfilePageSlot> pages;  // tab order
    std::optional<ProfilePageSlot> connection;
    std::optional<ProfilePageSlot> authentication;
    std::optional<ProfilePageSlot> tcpip;
    bool bDNS = false;
    bool bOther = false;
};

[[nodiscard]] CProfilePageChoice ChooseProfilePages(int protocol, int lineService, int mode);

// Modes 1, 3, 5, 7 and 8 of a virtual line run L2TP as initiator; mode 2 terminates L2TP.
[[nodiscard]] bool IsL2TPInitiatorMode(int lineService, int mode);
[[nodiscard]] bool IsL2TPMode(int lineService, int mode);
[[nodiscard]] bool IsPPPoEMode(int lineService, int mode);
// The profile starts its connections (dial and initiator modes) rather than waiting for them.
[[nodiscard]] bool IsOriginatorMode(int lineService, int mode);
// The modes that dial telephone numbers: the originator modes of a switched line.
[[nodiscard]] bool IsSwitchedDialMode(int lineService, int mode);

}  // namespace ptp::profiles
