// The network interface sheet against a real server seeded with the demo system: the create and
// change commands with their fragments in order, what the pages and the server refuse, the local
// number handed to the digital line sheet, and T1 interfaces, which are not sent.
#include <gtest/gtest.h>

#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "nwi/point_to_point_isdn_nwi_property_sheet.h"
#include "platform/vocabulary/network_interface.h"
#include "resources/ids/line_digital.h"
#include "resources/ids/nwi.h"
#include "tests/lines/line_sheet_fixture.h"

namespace ptp::nwi {
namespace {

namespace nw = attr::network_interface;

constexpr const char* kNwiSheet = "CPointToPointIsdnNwiPropertySheet";
constexpr const char* kChannelDialog = "CPointToPointIsdnNwiAddChannelEntriesDialog";
constexpr const char* kProtocolDialog = "CPointToPointIsdnNwiAddProtocolEntriesDialog";
constexpr const char* kSpidDialog = "CPointToPointIsdnNwiAddSPIDDialog";

class NwiSheetTest : public lines::LineSheetTest {
  protected:
    ui::INT_PTR PlayNwi(const std::string& existing, bool t1 = false) {
        ui::ScopedDriver scoped(m_driver);
        CPointToPointIsdnNwiPropertySheet sheet("");
        sheet.SetSystemName("SYS1");
        sheet.SetInterfaceName(existing);
        sheet.SetT1(t1);
        return sheet.DoModal();
    }
    // One channel (1, switched) and every protocol, through their dialogs.
    ui::DialogScript& AddEntries(ui::DialogScript& sheet) {
        m_driver.When(kChannelDialog).SetText(IDC_NWI_CHANNEL, "1").Ok();
        m_driver.When(kProtocolDialog).Check(IDC_NWI_ALL_PROTOCOLS).Ok();
        return sheet.SelectPageByTemplate(IDD_NWI_ENTRIES)
            .Click(IDC_NWI_CHANNEL_ADD)
            .Click(IDC_NWI_PROTOCOL_ADD);
    }
    server::ObjectRecord Interface(const std::string& name) {
        auto record = m_pSystem->GetObject(kinds::kNetworkInterface, name);
        return record.ok() ? *record : server::ObjectRecord{};
    }
};

TEST_F(NwiSheetTest, ABasicRateInterfaceOnANorthAmericanSwitchSendsItsSpids) {
    ui::DialogScript& sheet = m_driver.When(kNwiSheet);
    sheet.SetText(IDC_NWI_NAME, "nwiisdn1")
        .Choose(IDC_NWI_RESOURCE, "LIN042")
        .Choose(IDC_NWI_NETWORK_TYPE, 5)
        .Ok()
        .SetText(IDC_NWI_NAME, "branch1")
        .Ok();
    AddEntries(sheet)
        .SelectPageByTemplate(IDD_NWI_SERVICE)
        .Choose(IDC_NWI_AUTOSPID, 1)
        .Ok()
        .Click(IDC_NWI_SPID_SET)
        .Ok();
    m_driver.When(kSpidDialog).SetText(IDC_NWI_SPID, "0155512340101").Ok();
    EXPECT_EQ(PlayNwi(""), ui::IDOK) << Transcript();

    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_NWI_NAME_EXISTS, IDS_NWI_CHANNELS_REQUIRED,
                                               IDS_NWI_SPID_REQUIRED}))
        << Transcript();
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{
                  "QSYS/CRTNWIISDN NWID(BRANCH1) RSRCNAME(LIN042) NETTYPE(*NISDN) RATE(*BASIC) "
                  "CHLENTRY( (1 *SWT )) PCLENTRY(*PPPMAX) SETUPDIF(*NONE) ACTTMR(*NETTYPE) "
                  "REACTTMR(*NETTYPE) CMNRCYLMT(*SYSVAL ) TEXT(*BLANK) AUT(*LIBCRTAUT) "
                  "AUTOSPID(*NO) SPID( (1 0155512340101) (2 *NONE))"}));
    EXPECT_EQ(Interface("BRANCH1").Get(nw::kNetworkType), "*NISDN");
}

TEST_F(NwiSheetTest, APrimaryRateInterfaceEndsWithItsLineParametersAndAChangeKeepsItsType) {
    ui::DialogScript& sheet = m_driver.When(kNwiSheet);
    sheet.SetText(IDC_NWI_NAME, "pri1")
        .Choose(IDC_NWI_RESOURCE, "LIN051")
        .Choose(IDC_NWI_NETWORK_TYPE, 2)
        .Check(IDC_NWI_RATE_PRIMARY);
    AddEntries(sheet)
        .SelectPageByTemplate(IDD_NWI_SERVICE)
        .Choose(IDC_NWI_AUTOPARM, 1)
        .Choose(IDC_NWI_SHORTHAUL, 0)
        .Choose(IDC_NWI_LONGHAUL, 1)
        .Choose(IDC_NWI_CLOCK, 1)
        .Ok();
    EXPECT_EQ(PlayNwi(""), ui::IDOK) << Transcript();
    const std::vector<std::string> created = Commands();
    ASSERT_EQ(created.size(), 1u) << Transcript();
    EXPECT_NE(created[0].find(" NETTYPE(*ETSI) RATE(*PRIMARY) "), std::string::npos);
    EXPECT_TRUE(created[0].ends_with(
        " AUT(*LIBCRTAUT) AUTOPARM(*NO) SHORTHAUL(*NONE) CLOCK(*LOOP) LONGHAUL(7.5)"))
        << "an ETSI interface sends no SPIDs: " << created[0];

    m_driver.When(kNwiSheet)
        .SetText(IDC_NWI_DESCRIPTION, "Head office PRI")
        .SelectPageByTemplate(IDD_NWI_SERVICE)
        .Choose(IDC_NWI_AUTOPARM, 0)
        .Ok();
    EXPECT_EQ(PlayNwi("PRI1"), ui::IDOK) << Transcript();
    const std::vector<std::string> commands = Commands();
    ASSERT_EQ(commands.size(), 2u) << Transcript();
    EXPECT_EQ(commands[1],
              "QSYS/CHGNWIISDN NWID(PRI1) RSRCNAME(LIN051) CHLENTRY( (1 *SWT)) "
              "PCLENTRY(*PPPMAX) SETUPDIF(*NONE) ACTTMR(*NETTYPE) REACTTMR(*NETTYPE) "
              "CMNRCYLMT(*SYSVAL ) TEXT('Head office PRI') AUTOPARM(*YES)")
        << "a change never carries the network type, rate or authority";
    EXPECT_EQ(Interface("PRI1").Get(nw::kText), "Head office PRI");
}

TEST_F(NwiSheetTest, TheLocalNumberReachesTheDigitalLinesConnectionListEntries) {
    m_driver.When(kNwiSheet)
        .SetText(IDC_NWI_NAME, "etsi2")
        .Choose(IDC_NWI_RESOURCE, "LIN042")
        .Choose(IDC_NWI_NETWORK_TYPE, 2)
        .SelectPageByTemplate(IDD_NWI_ENTRIES)
        .Click(IDC_NWI_CHANNEL_ADD)
        .Click(IDC_NWI_PROTOCOL_ADD)
        .SelectPageByTemplate(IDD_NWI_LOCAL_NUMBER)
        .Check(IDC_NWI_FROM_CNNL, ui::BST_UNCHECKED)
        .SetText(IDC_NWI_NUMBER1, "555-1234")
        .Ok()
        .SetText(IDC_NWI_NUMBER1, " 5551234 ")
        .Choose(IDC_NWI_NUMBER_TYPE, 4)
        .Choose(IDC_NWI_REMOVE, 2)
        .SetText(IDC_NWI_REMOVE_CHARACTERS, "0'")
        .Ok();
    m_driver.When(kChannelDialog).Check(IDC_NWI_ALL_SWITCHED).Ok();
    m_driver.When(kProtocolDialog).Ok();
    m_driver.When("CPointToPointProfileLineDigitalPropertySheet")
        .SetText(IDC_DLINE_NAME, "etsiline")
        .SelectPageByTemplate(IDD_DLINE_NWI)
        .SetText(IDC_DLINE_NWI, "ETSI2")
        .Click(IDC_DLINE_NWI_NEW)
        .Click(IDC_DLINE_SWITCHED_ADD)
        .SelectPageByTemplate(IDD_DLINE_CNNLST)
        .SetText(IDC_CNNL_IN, "ETSIIN")
        .Ok();
    {
        ui::ScopedDriver scoped(m_driver);
        lines::CPointToPointProfileLineDigitalPropertySheet line("");
        line.SetSystemName("SYS1");
        line.SetParentProfile(
            lines::CLineProfileKind(code::line_service::kSwitched, code::mode::kAnswer));
        line.SetNetworkInterfaceOpener(
            [](lines::CPointToPointProfileLineDigitalPropertySheet& opener, const std::string& name,
               bool isNew) {
                CPointToPointIsdnNwiPropertySheet sheet("", &opener);
                sheet.SetSystemName(opener.GetSystemName());
                sheet.SetProposedName(isNew ? name : std::string());
                sheet.SetInterfaceName(isNew ? std::string() : name);
                sheet.SetLineSheet(&opener);
                const ui::INT_PTR result = sheet.DoModal();
                return isNew && !sheet.WasCreated() ? ui::IDCANCEL : result;
            });
        EXPECT_EQ(line.DoModal(), ui::IDOK) << Transcript();
    }

    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_NWI_NUMBER_INVALID})) << Transcript();
    const std::vector<std::string> commands = Commands();
    ASSERT_EQ(commands.size(), 4u) << Transcript();
    EXPECT_TRUE(commands[0].ends_with(
        " AUT(*LIBCRTAUT) LCLNBR('5551234' ) LCLNBRTYPE(*NATIONAL) LCLNBRPLAN(*NETTYPE) "
        "LCLNBRPSN(*NONE) RMVCHR( '0' '''')"))
        << commands[0];
    EXPECT_NE(commands[0].find(" CHLENTRY(*SWTALL) PCLENTRY( (*PPP *LOAD *NONE)) "),
              std::string::npos)
        << commands[0];
    EXPECT_EQ(commands[1], "QSYS/CRTCNNL CNNL(ETSIIN) NETTYPE(*ETSI) RMVCHR( '0' '''')")
        << "ETSI lists remove what the interface removes";
    EXPECT_EQ(commands[2],
              "QSYS/ADDCNNLE CNNL(ETSIIN) ENTRY(ANYIN) RMTNBR(*ANY) INFTRFTYPE(*UNRESTRICTED) "
              "LCLNBR('5551234') LCLNBRTYPE(*NATIONAL) LCLNBRPLAN(*NETTYPE) LCLNBRPSN(*NONE)");
    EXPECT_NE(commands[3].find(" SWTNWILST( (ETSI2 *B *CALC)) "), std::string::npos) << commands[3];
}

TEST_F(NwiSheetTest, AT1InterfaceIsCheckedButNeverSent) {
    m_driver.When(kNwiSheet)
        .SetText(IDC_NWI_NAME, "t1one")
        .Choose(IDC_NWI_RESOURCE, "LIN051")
        .Ok()
        .Cancel();
    EXPECT_EQ(PlayNwi("", true), ui::IDCANCEL) << Transcript();
    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_NWI_CHANNELS_REQUIRED})) << Transcript();

    ui::DialogScript& sheet = m_driver.When(kNwiSheet);
    sheet.SetText(IDC_NWI_NAME, "t1one").Choose(IDC_NWI_RESOURCE, "LIN051");
    AddEntries(sheet).Ok().Cancel();
    EXPECT_EQ(PlayNwi("", true), ui::IDCANCEL) << Transcript();
    EXPECT_EQ(MessageIds().back(), static_cast<UINT>(IDS_NWI_T1_NOT_SENT));
    EXPECT_TRUE(Commands().empty());
}

}  // namespace
}  // namespace ptp::nwi
