#include "profiles/profile_page_choice.h"

#include "platform/vocabulary/profile.h"

namespace ptp::profiles {
namespace {

using Slot = ProfilePageSlot;

CProfilePageChoice Pages(Slot connection, Slot authentication, Slot tcpip, bool dns) {
    CProfilePageChoice choice;
    choice.connection = connection;
    choice.authentication = authentication;
    choice.tcpip = tcpip;
    choice.bDNS = dns;
    choice.bOther = true;
    choice.pages = {Slot::General, connection, authentication, tcpip};
    if (dns) choice.pages.push_back(Slot::DNS);
    choice.pages.push_back(Slot::Other);
    return choice;
}

CProfilePageChoice NotSupported() {
    CProfilePageChoice choice;
    choice.bSupported = false;
    return choice;
}

CProfilePageChoice SwitchedPages(bool slip, int mode) {
    const Slot dialAuth = slip ? Slot::SLIPDialAuth : Slot::PPPDialAuth;
    const Slot answerAuth = slip ? Slot::SLIPAnsAuth : Slot::PPPAnsAuth;
    switch (mode) {
        case code::mode::kDial:
        case code::mode::kDialVariant3:
        case code::mode::kDialVariant4:
            return Pages(Slot::DialConnection, dialAuth, Slot::TCPIPDial, true);
        case code::mode::kAnswer:
            return Pages(Slot::AnswerConnection, answerAuth, Slot::TCPIPAnswer, false);
        case code::mode::kDialOnDemand:
            return Pages(Slot::DialConnection, dialAuth, Slot::TCPIPDialOnDemand, true);
        default:
            return NotSupported();
    }
}

CProfilePageChoice NonswitchedPages(bool slip, int mode) {
    if (mode == code::mode::kDial)
        return Pages(Slot::DialConnection, slip ? Slot::SLIPDialAuth : Slot::PPPDialAuth,
                     Slot::TCPIPDial, true);
    // A leased line that answers still runs its addresses as the dialling side does.
    if (mode == code::mode::kAnswer)
        return Pages(Slot::AnswerConnection, slip ? Slot::SLIPAnsAuth : Slot::PPPAnsAuth,
                     Slot::TCPIPDial, false);
    return NotSupported();
}

// Virtual lines always authenticate with PPP.
CProfilePageChoice VirtualPages(int mode) {
    switch (mode) {
        case code::mode::kDial:
        case code::mode::kDialVariant3:
        case code::mode::kL2TPInitiator:
        case code::mode::kL2TPInitiatorMode7:
            return Pages(Slot::L2TPInitiatorConnection, Slot::PPPDialAuth, Slot::TCPIPDial, true);
        case code::mode::kL2TPInitiatorMode8: {
            CProfilePageChoice choice;
            choice.connection = Slot::L2TPInitiatorConnection;
            choice.pages = {Slot::General, Slot::L2TPInitiatorConnection};
            return choice;
        }
        case code::mode::kAnswer:
            return Pages(Slot::L2TPTerminatorConnection, Slot::PPPAnsAuth, Slot::TCPIPAnswer,
                         false);
        case code::mode::kPPPoEInitiator:
            return Pages(Slot::PPPoEInitiatorConnection, Slot::PPPDialAuth, Slot::TCPIPDial, true);
        default:
            return NotSupported();
    }
}

}  // namespace

CProfilePageChoice ChooseProfilePages(int protocol, int lineService, int mode) {
    const bool slip = protocol == code::protocol::kSLIP;
    switch (lineService) {
        case code::line_service::kSwitched:
            return SwitchedPages(slip, mode);
        case code::line_service::kNonswitched:
            return NonswitchedPages(slip, mode);
        case code::line_service::kVirtual:
            return VirtualPages(mode);
        default:
            return {};
    }
}

bool IsL2TPInitiatorMode(int lineService, int mode) {
    if (lineService != code::line_service::kVirtual) return false;
    return mode == code::mode::kDial || mode == code::mode::kDialVariant3 ||
           mode == code::mode::kL2TPInitiator || mode == code::mode::kL2TPInitiatorMode7 ||
           mode == code::mode::kL2TPInitiatorMode8;
}

bool IsL2TPMode(int lineService, int mode) {
    return IsL2TPInitiatorMode(lineService, mode) ||
           (lineService == code::line_service::kVirtual && mode == code::mode::kAnswer);
}

bool IsPPPoEMode(int lineService, int mode) {
    return lineService == code::line_service::kVirtual && mode == code::mode::kPPPoEInitiator;
}

bool IsOriginatorMode(int lineService, int mode) {
    switch (lineService) {
        case code::line_service::kSwitched:
            return mode == code::mode::kDial || mode == code::mode::kDialVariant3 ||
                   mode == code::mode::kDialVariant4 || mode == code::mode::kDialOnDemand;
        case code::line_service::kNonswitched:
            return mode == code::mode::kDial;
        case code::line_service::kVirtual:
            return IsL2TPInitiatorMode(lineService, mode) || IsPPPoEMode(lineService, mode);
        default:
            return false;
    }
}

bool IsSwitchedDialMode(int lineService, int mode) {
    return lineService == code::line_service::kSwitched && IsOriginatorMode(lineService, mode);
}

}  // namespace ptp::profiles
