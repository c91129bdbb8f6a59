// The connection pages of L2TP and PPPoE profiles and the outgoing-call dialog, played through the
// profile sheet against a real server seeded with the demo system: the lines they offer (and make),
// what they refuse, and what reaches the profile on the server.
#include <gtest/gtest.h>

#include "platform/ui/property_sheet.h"
#include "platform/ui/script_driver.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/profile.h"
#include "profiles/profile_sheet.h"
#include "resources/ids/line_digital.h"
#include "resources/ids/line_tunnels.h"
#include "resources/ids/profile_tunnels.h"
#include "resources/ids/profiles.h"
#include "server/demo_data.h"
#include "server/stream_files.h"
#include "server/system.h"
#include "tests/profiles/profile_sheet_fixture.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr const char* kSheet = "CPointToPointProfilePropertySheet";
constexpr const char* kOutgoingCall = "CPointToPointProfileL2TPDialOutgoingCallDialog";
constexpr const char* kL2TPLineSheet = "CPointToPointProfileLineL2TPPropertySheet";
constexpr int kConnectionPage = 1;
constexpr int kVirtualLine = 3;  // the line service of the tunnel profiles

class TunnelPagesTest : public ProfileSheetFixture {
  protected:
    void SetUp() override {
        ProfileSheetFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(SeedDemoSystem());
    }

    // The profile's attributes as the server keeps them; empty for a profile it does not have.
    server::Attributes Profile(const std::string& name) {
        auto record = m_pSystem->GetObject(kinds::kProfile, name);
        return record.ok() ? record->attributes : server::Attributes{};
    }
};

TEST_F(TunnelPagesTest, AnInitiatorKeepsItsEndPointWhereItsReleaseLooksAndMakesTheLineItNames) {
    bool newOffered = false;
    Sheet()
        .SetText(IDC_PROFILE_NAME, "vpnout")
        .SelectPage(kConnectionPage)
        .SetText(IDC_TUNNEL_LINE, "tunnew")
        .Do([&](ui::CDialog& sheet) {
            newOffered = ActivePage(sheet).GetDlgItem(IDC_TUNNEL_LINE_NEW)->IsWindowEnabled();
        })
        .Ok()
        .Click(IDC_TUNNEL_LINE_NEW)
        .Ok()
        .SetText(IDC_TUNNEL_END_POINT, " lns.example.com ")
        .Check(IDC_TUNNEL_HOST_NAME_ON)
        .Ok()
        .SetText(IDC_TUNNEL_HOST_NAME, "branch7")
        .Ok();
    m_driver.When(kL2TPLineSheet).SetText(IDC_VLINE_DESCRIPTION, "Tunnel to the partner").Ok();
    EXPECT_EQ(OpenNew(kVirtualLine, code::mode::kL2TPInitiator, code::line_kind::kL2TPLine),
              ui::IDOK)
        << Transcript();

    EXPECT_TRUE(newOffered);
    EXPECT_EQ(MessageIds(),
              (std::vector<std::uint32_t>{IDS_TUNNEL_LINE_NOT_LISTED, IDS_TUNNEL_END_POINT_REQUIRED,
                                          IDS_TUNNEL_HOST_NAME_REQUIRED}))
        << Transcript();
    auto stored = Profile("VPNOUT");
    ASSERT_FALSE(stored.empty()) << Transcript();
    EXPECT_EQ(stored[prf::kLineName], "TUNNEW");
    EXPECT_EQ(stored[prf::kLineType], "*L2TP");
    EXPECT_EQ(stored[prf::kLineKind], "6");
    EXPECT_EQ(stored[prf::kRemoteTunnelEndPoint], "lns.example.com");
    EXPECT_EQ(stored.count(prf::kTunnelEndPoint), 0u) << "050300 keeps the end point in 91 only";
    EXPECT_EQ(stored[prf::kTunnelHostNameOn], "1");
    EXPECT_EQ(stored[prf::kTunnelHostName], "branch7");
    auto file = m_pSystem->Files().Read("/QKTL/UserData/NOS50/TCPIP/PPP/L2TPLine.cfg");
    ASSERT_TRUE(file.ok());
    EXPECT_NE(file->text.find("LINENAME=TUNNEW "), std::string::npos);

    // Below release 050300 the end point goes where older servers read it.
    m_options.release050300 = false;
    Sheet()
        .SetText(IDC_PROFILE_NAME, "oldvpn")
        .SelectPage(kConnectionPage)
        .Choose(IDC_TUNNEL_LINE, "L2TPLINE")
        .SetText(IDC_TUNNEL_END_POINT, "10.9.9.9")
        .Ok();
    EXPECT_EQ(OpenNew(kVirtualLine, code::mode::kL2TPInitiator, code::line_kind::kL2TPLine),
              ui::IDOK)
        << Transcript();
    auto old = Profile("OLDVPN");
    EXPECT_EQ(old[prf::kTunnelEndPoint], "10.9.9.9");
    EXPECT_EQ(old.count(prf::kRemoteTunnelEndPoint), 0u);
}

TEST_F(TunnelPagesTest, AnInitiatorThatPlacesACallNeedsItsFirstNumberFromTheDialog) {
    Sheet()
        .SetText(IDC_PROFILE_NAME, "callout")
        .SelectPage(kConnectionPage)
        .Choose(IDC_TUNNEL_LINE, "L2TPLINE")
        .SetText(IDC_TUNNEL_END_POINT, "lns.example.com")
        .Ok()
        .Click(IDC_TUNNEL_OUTGOING_CALL)
        .Ok();
    m_driver.When(kOutgoingCall)
        .SetText(IDC_OUTGOING_NUMBER2, " 5550002 ")
        .Check(IDC_OUTGOING_DIGITAL)
        .Ok();
    EXPECT_EQ(OpenNew(kVirtualLine, code::mode::kDial, code::line_kind::kL2TPLine), ui::IDOK)
        << Transcript();

    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_TUNNEL_NUMBER_REQUIRED}))
        << Transcript();
    auto stored = Profile("CALLOUT");
    EXPECT_EQ(stored[prf::kRemoteNumber1], "5550002") << "a lone number is the first one";
    EXPECT_EQ(stored[prf::kRemoteNumber2], "*NONE");
    EXPECT_EQ(stored[prf::kOutgoingCallDigital], "1");

    // Shown again, the numbers are the page's list and "*NONE" is no number.
    std::vector<std::string> rows;
    Sheet()
        .SelectPage(kConnectionPage)
        .Do([&](ui::CDialog& sheet) {
            ui::CListCtrl& numbers = ActivePage(sheet).ListCtrl(IDC_TUNNEL_NUMBERS);
            for (int row = 0; row < numbers.GetItemCount(); ++row)
                rows.push_back(numbers.GetItemText(row, 0));
        })
        .Cancel();
    EXPECT_EQ(OpenExisting("CALLOUT"), ui::IDCANCEL);
    EXPECT_EQ(rows, (std::vector<std::string>{"5550002"}));
}

TEST_F(TunnelPagesTest, ATerminatorNeverShowsMoreLinksThanConnectionsAndTakesAnyLocalAddress) {
    Put(kinds::kProfile, "TERM3",
        {{prf::kName, "TERM3"},
         {prf::kMode, "2"},
         {prf::kProtocol, "2"},
         {prf::kStatus, "1"},
         {prf::kLineService, "3"},
         {prf::kLineKind, "6"},
         {prf::kLineType, "*L2TP"},
         {prf::kLineName, "L2TPLINE"},
         {prf::kTunnelEndPoint, "10.1.1.1"},
         {prf::kMaxConnections, "3"},
         {prf::kMultilink, "1"},
         {prf::kMaxLinks, "5"}});
    std::string links;
    std::string endPoint;
    std::vector<std::string> endPoints;
    Sheet()
        .SelectPage(kConnectionPage)
        .Do([&](ui::CDialog& sheet) {
            links = ActivePage(sheet).GetDlgItemText(IDC_TUNNEL_LINKS);
            ui::CComboBox& box = ActivePage(sheet).ComboBox(IDC_TUNNEL_LOCAL_END_POINT);
            endPoint = box.GetLBText(box.GetCurSel());
            for (int index = 0; index < box.GetCount(); ++index)
                endPoints.push_back(box.GetLBText(index));
        })
        .Choose(IDC_TUNNEL_LOCAL_END_POINT, 0)
        .SetText(IDC_TUNNEL_MAX_CONNECTIONS, "201")
        .Ok()
        .SetText(IDC_TUNNEL_MAX_CONNECTIONS, "4")
        .Ok();
    EXPECT_EQ(OpenExisting("TERM3"), ui::IDOK) << Transcript();

    EXPECT_EQ(links, "3");
    EXPECT_EQ(endPoint, "10.1.1.1");
    ASSERT_FALSE(endPoints.empty());
    EXPECT_EQ(endPoints.front(), ui::LoadText(IDS_TUNNEL_ANY_ADDRESS));
    EXPECT_EQ(std::count(endPoints.begin(), endPoints.end(), "127.0.0.1"), 0)
        << "the loopback address takes no tunnel";
    EXPECT_EQ(m_driver.GetTranscript().MessageBoxes().size(), 1u) << Transcript();
    auto stored = Profile("TERM3");
    EXPECT_EQ(stored[prf::kTunnelEndPoint], "0.0.0.0");
    EXPECT_EQ(stored[prf::kMaxConnections], "4");
    EXPECT_EQ(stored[prf::kMaxLinks], "3") << "the lowered links are what is stored";
}

TEST_F(TunnelPagesTest, APPPoEInitiatorNeedsTheNamesItsSelectionUsesWithoutBlanks) {
    Sheet()
        .SetText(IDC_PROFILE_NAME, "dsl2")
        .SelectPage(kConnectionPage)
        .Choose(IDC_TUNNEL_LINE, "PPPOELINE")
        .Check(IDC_PPPOE_BY_BOTH)
        .SetText(IDC_PPPOE_CONCENTRATOR_NAME, "ac-east")
        .Ok()
        .SetText(IDC_PPPOE_SERVICE_NAME, "fast lane")
        .Ok()
        .SetText(IDC_PPPOE_SERVICE_NAME, "fastlane")
        .Ok();
    EXPECT_EQ(OpenNew(kVirtualLine, code::mode::kPPPoEInitiator, code::line_kind::kPPPoELine),
              ui::IDOK)
        << Transcript();

    EXPECT_EQ(MessageIds(),
              (std::vector<std::uint32_t>{IDS_PPPOE_SERVICE_REQUIRED, IDS_PPPOE_SERVICE_REQUIRED}))
        << Transcript();
    auto stored = Profile("DSL2");
    EXPECT_EQ(stored[prf::kLineName], "PPPOELINE");
    EXPECT_EQ(stored[prf::kLineType], "*PPPOE");
    EXPECT_EQ(stored[prf::kLineKind], "8");
    EXPECT_EQ(stored[prf::kPPPoESelection], "4");
    EXPECT_EQ(stored[prf::kPPPoEServiceName], "fastlane");
    EXPECT_EQ(stored[prf::kPPPoEConcentratorName], "ac-east");
}

TEST_F(TunnelPagesTest, ATunnelOnlyInitiatorShowsTwoPagesAndStoresOnlyTheirSettings) {
    std::vector<std::string> pages;
    Sheet()
        .Do([&](ui::CDialog& dialog) {
            auto& sheet = static_cast<ui::CPropertySheet&>(dialog);
            for (int index = 0; index < sheet.GetPageCount(); ++index)
                pages.push_back(sheet.GetPage(index)->GetClassName());
        })
        .SetText(IDC_PROFILE_NAME, "tunnel8")
        .SelectPage(kConnectionPage)
        .Choose(IDC_TUNNEL_LINE, "L2TPLINE")
        .SetText(IDC_TUNNEL_END_POINT, "lns.example.com")
        .Ok();
    EXPECT_EQ(OpenNew(kVirtualLine, code::mode::kL2TPInitiatorMode8, code::line_kind::kL2TPLine),
              ui::IDOK)
        << Transcript();

    EXPECT_EQ(pages, (std::vector<std::string>{"CPointToPointProfileGeneralPage",
                                               "CPointToPointProfileL2TPInitiatorConnectionPage"}));
    auto stored = Profile("TUNNEL8");
    ASSERT_FALSE(stored.empty()) << Transcript();
    EXPECT_EQ(stored[prf::kMode], "8");
    for (int id : {prf::kLocalAddressMethod, prf::kRemoteAddressMethod, prf::kDnsChoice,
                   prf::kScriptOn, prf::kSubsystem, prf::kLocalIdentification})
        EXPECT_EQ(stored.count(id), 0u) << "attribute " << id << " belongs to a page not shown";
}

TEST_F(TunnelPagesTest, AnISDNProfileMakesItsDigitalLineFromItsConnectionPage) {
    Sheet()
        .SetText(IDC_PROFILE_NAME, "isdnans2")
        .SelectPage(kConnectionPage)
        .SetText(IDC_PROFILE_LINE, "isdnnew")
        .Click(IDC_PROFILE_LINE_NEW)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .SetText(IDC_TCPIP_ANS_REMOTE_ADDRESS, "10.9.0.2")
        .Ok();
    m_driver.When("CPointToPointProfileLineDigitalPropertySheet")
        .SelectPageByTemplate(IDD_DLINE_NWI)
        .Choose(IDC_DLINE_NWI, "NWIISDN1")
        .Click(IDC_DLINE_SWITCHED_ADD)
        .SelectPageByTemplate(IDD_DLINE_CNNLST)
        .SetText(IDC_CNNL_IN, "ANSWERS")
        .Ok();
    m_options.capabilityC = false;
    CProfileSheetOptions options = m_options;
    options.protocol = 2;
    options.lineService = code::line_service::kSwitched;
    options.mode = code::mode::kAnswer;
    options.lineKind = code::line_kind::kISDNLine;
    {
        ui::ScopedDriver scoped(m_driver);
        EXPECT_EQ(ShowProfilePropertySheet(options, nullptr), ui::IDOK) << Transcript();
    }

    EXPECT_TRUE(m_driver.GetTranscript().MessageBoxes().empty()) << Transcript();
    auto line = m_pSystem->GetObject(kinds::kLine, "ISDNNEW");
    ASSERT_TRUE(line.ok()) << Transcript();
    EXPECT_EQ(line->Get(attr::line::kResource), "*NWID");
    EXPECT_EQ(line->Get(attr::line::kIncomingConnectionList), "ANSWERS");
    EXPECT_EQ(Profile("ISDNANS2")[prf::kLineName], "ISDNNEW");
}

}  // namespace
}  // namespace ptp::profiles
