#include "profiles/profile_page_choice.h"

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
        case kModeDial:
        case kModeDialVariant3:
        case kModeDialVariant4:
            return Pages(Slot::DialConnection, dialAuth, Slot::TCPIPDial, true);
        case kModeAnswer:
            return Pages(Slot::AnswerConnection, answerAuth, Slot::TCPIPAnswer, false);
        case kModeDialOnDemand:
            return Pages(Slot::DialConnection, dialAuth, Slot::TCPIPDialOnDemand, true);
        default:
            return NotSupported();
    }
}

CProfilePageChoice NonswitchedPages(bool slip, int mode) {
    if (mode == kModeDial)
        return Pages(Slot::DialConnection, slip ? Slot::SLIPDialAuth : Slot::PPPDialAuth,
                     Slot::TCPIPDial, true);
    // A leased line that answers still runs its addresses as the dialling side does.
    if (mode == kModeAnswer)
        return Pages(Slot::AnswerConnection, slip ? Slot::SLIPAnsAuth : Slot::PPPAnsAuth,
                     Slot::TCPIPDial, false);
    return NotSupported();
}

// Virtual lines always authenticate with PPP.
CProfilePageChoice VirtualPages(int mode) {
    switch (mode) {
        case kModeDial:
        case kModeDialVariant3:
        case kModeL2TPInitiator:
        case kModeL2TPInitiator7:
            return Pages(Slot::L2TPInitiatorConnection, Slot::PPPDialAuth, Slot::TCPIPDial, true);
        case kModeL2TPTunnelOnly: {
            CProfilePageChoice choice;
            choice.connection = Slot::L2TPInitiatorConnection;
            choice.pages = {Slot::General, Slot::L2TPInitiatorConnection};
            return choice;
        }
        case kModeAnswer:
            return Pages(Slot::L2TPTerminatorConnection, Slot::PPPAnsAuth, Slot::TCPIPAnswer,
                         false);
        case kModePPPoEInitiator:
            return Pages(Slot::PPPoEInitiatorConnection, Slot::PPPDialAuth, Slot::TCPIPDial, true);
        default:
            return NotSupported();
    }
}

}  // namespace

CProfilePageChoice ChooseProfilePages(int protocol, int lineService, int mode) {
    const bool slip = protocol == kProtocolSlip;
    switch (lineService) {
        case kSwitchedLine:
            return SwitchedPages(slip, mode);
        case kNonswitchedLine:
            return NonswitchedPages(slip, mode);
        case kVirtualLine:
            return VirtualPages(mode);
        default:
            return {};
    }
}

bool IsL2TPInitiatorMode(int lineService, int mode) {
    if (lineService != kVirtualLine) return false;
    return mode == kModeDial || mode == kModeDialVariant3 || mode == kModeL2TPInitiator ||
           mode == kModeL2TPInitiator7 || mode == kModeL2TPTunnelOnly;
}

bool IsL2TPMode(int lineService, int mode) {
    return IsL2TPInitiatorMode(lineService, mode) ||
           (lineService == kVirtualLine && mode == kModeAnswer);
}

bool IsPPPoEMode(int lineService, int mode) {
    return lineService == kVirtualLine && mode == kModePPPoEInitiator;
}

bool IsOriginatorMode(int lineService, int mode) {
    switch (lineService) {
        case kSwitchedLine:
            return mode == kModeDial || mode == kModeDialVariant3 || mode == kModeDialVariant4 ||
                   mode == kModeDialOnDemand;
        case kNonswitchedLine:
            return mode == kModeDial;
        case kVirtualLine:
            return IsL2TPInitiatorMode(lineService, mode) || IsPPPoEMode(lineService, mode);
        default:
            return false;
    }
}

}  // namespace ptp::profiles
