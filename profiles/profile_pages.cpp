#include "profiles/profile_pages.h"

#include "profiles/point_to_point_profile_ans_auth_page.h"
#include "profiles/point_to_point_profile_answer_connection_page.h"
#include "profiles/point_to_point_profile_dial_auth_page.h"
#include "profiles/point_to_point_profile_dial_connection_page.h"
#include "profiles/point_to_point_profile_dns_page.h"
#include "profiles/point_to_point_profile_general_page.h"
#include "profiles/point_to_point_profile_l2tp_initiator_connection_page.h"
#include "profiles/point_to_point_profile_l2tp_terminator_connection_page.h"
#include "profiles/point_to_point_profile_other_page.h"
#include "profiles/point_to_point_profile_pppoe_initiator_connection_page.h"
#include "profiles/point_to_point_profile_tcpip_settings_answer_page.h"
#include "profiles/point_to_point_profile_tcpip_settings_dial_page.h"
#include "profiles/point_to_point_profile_tcpip_settings_dod_page.h"

namespace ptp::profiles {

std::unique_ptr<CPointToPointProfilePage> CreateProfilePage(
    ProfilePageSlot slot, CPointToPointProfilePropertySheet& sheet) {
    switch (slot) {
        case ProfilePageSlot::General:
            return std::make_unique<CPointToPointProfileGeneralPage>(&sheet);
        case ProfilePageSlot::DialConnection:
            return std::make_unique<CPointToPointProfileDialConnectionPage>(&sheet);
        case ProfilePageSlot::AnswerConnection:
            return std::make_unique<CPointToPointProfileAnswerConnectionPage>(&sheet);
        case ProfilePageSlot::DNS:
            return std::make_unique<CPointToPointProfileDNSPage>(&sheet);
        case ProfilePageSlot::Other:
            return std::make_unique<CPointToPointProfileOtherPage>(&sheet);
        case ProfilePageSlot::TCPIPAnswer:
            return std::make_unique<CPointToPointProfileTCPIPSettingsAnswerPage>(&sheet);
        case ProfilePageSlot::TCPIPDialOnDemand:
            return std::make_unique<CPointToPointProfileTCPIPSettingsDodPage>(&sheet);
        case ProfilePageSlot::TCPIPDial:
            return std::make_unique<CPointToPointProfileTCPIPSettingsDialPage>(&sheet);
        case ProfilePageSlot::L2TPInitiatorConnection:
            return std::make_unique<CPointToPointProfileL2TPInitiatorConnectionPage>(&sheet);
        case ProfilePageSlot::L2TPTerminatorConnection:
            return std::make_unique<CPointToPointProfileL2TPTerminatorConnectionPage>(&sheet);
        case ProfilePageSlot::PPPoEInitiatorConnection:
            return std::make_unique<CPointToPointProfilePPPoEInitiatorConnectionPage>(&sheet);
        case ProfilePageSlot::PPPDialAuth:
            return std::make_unique<CPointToPointProfilePPPDialAuthPage>(&sheet);
        case ProfilePageSlot::SLIPDialAuth:
            return std::make_unique<CPointToPointProfileSLIPDialAuthPage>(&sheet);
        case ProfilePageSlot::PPPAnsAuth:
            return std::make_unique<CPointToPointProfilePPPAnsAuthPage>(&sheet);
        case ProfilePageSlot::SLIPAnsAuth:
            return std::make_unique<CPointToPointProfileSLIPAnsAuthPage>(&sheet);
        default:
            return nullptr;
    }
}

}  // namespace ptp::profiles
