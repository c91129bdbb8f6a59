// The profile sheet against a real server: which pages each kind of profile gets, what the sheet
// reads as it opens, and the validation-list and system-value services its pages use.
#include <gtest/gtest.h>

#include "platform/ui/script_driver.h"
#include "platform/vocabulary/kinds.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "profiles/profile_entry_identifier.h"
#include "profiles/profile_sheet.h"
#include "resources/ids/profiles.h"
#include "tests/profiles/profile_sheet_fixture.h"

namespace ptp::profiles {
namespace {

using Slot = ProfilePageSlot;
using Slots = std::vector<Slot>;

TEST(ProfilePageChoice, EveryKindGetsItsPagesInTabOrder) {
    const Slots dial = {Slot::General, Slot::DialConnection, Slot::PPPDialAuth, Slot::TCPIPDial,
                        Slot::DNS,     Slot::Other};
    for (int mode : {1, 3, 4})
        EXPECT_EQ(ChooseProfilePages(2, 1, mode).pages, dial) << mode;
    EXPECT_EQ(ChooseProfilePages(2, 2, 1).pages, dial);
    EXPECT_EQ(ChooseProfilePages(1, 1, 1).pages,
              (Slots{Slot::General, Slot::DialConnection, Slot::SLIPDialAuth, Slot::TCPIPDial,
                     Slot::DNS, Slot::Other}));
    EXPECT_EQ(ChooseProfilePages(2, 1, 6).pages,
              (Slots{Slot::General, Slot::DialConnection, Slot::PPPDialAuth,
                     Slot::TCPIPDialOnDemand, Slot::DNS, Slot::Other}));
    EXPECT_EQ(ChooseProfilePages(1, 1, 2).pages,
              (Slots{Slot::General, Slot::AnswerConnection, Slot::SLIPAnsAuth, Slot::TCPIPAnswer,
                     Slot::Other}));
    // A leased line that answers uses the dial TCP/IP page.
    EXPECT_EQ(ChooseProfilePages(2, 2, 2).pages,
              (Slots{Slot::General, Slot::AnswerConnection, Slot::PPPAnsAuth, Slot::TCPIPDial,
                     Slot::Other}));
    for (int mode : {1, 3, 5, 7})
        EXPECT_EQ(ChooseProfilePages(1, 3, mode).pages,
                  (Slots{Slot::General, Slot::L2TPInitiatorConnection, Slot::PPPDialAuth,
                         Slot::TCPIPDial, Slot::DNS, Slot::Other}))
            << "virtual lines always authenticate with PPP, mode " << mode;
    const CProfilePageChoice tunnel = ChooseProfilePages(2, 3, 8);
    EXPECT_EQ(tunnel.pages, (Slots{Slot::General, Slot::L2TPInitiatorConnection}));
    EXPECT_FALSE(tunnel.authentication.has_value());
    EXPECT_FALSE(tunnel.bOther);
    EXPECT_EQ(ChooseProfilePages(2, 3, 2).pages,
              (Slots{Slot::General, Slot::L2TPTerminatorConnection, Slot::PPPAnsAuth,
                     Slot::TCPIPAnswer, Slot::Other}));
    EXPECT_EQ(ChooseProfilePages(2, 3, 9).pages,
              (Slots{Slot::General, Slot::PPPoEInitiatorConnection, Slot::PPPDialAuth,
                     Slot::TCPIPDial, Slot::DNS, Slot::Other}));
    EXPECT_FALSE(ChooseProfilePages(2, 1, 5).bSupported);
    EXPECT_FALSE(ChooseProfilePages(2, 2, 3).bSupported);
    EXPECT_FALSE(ChooseProfilePages(2, 3, 4).bSupported);
    EXPECT_TRUE(ChooseProfilePages(2, 4, 1).bSupported);
    EXPECT_TRUE(ChooseProfilePages(2, 4, 1).pages.empty())
        << "an unknown line service adds nothing";
}

class ProfileSheetTest : public ProfileSheetFixture {
  protected:
    void AddProfile(const std::string& name, std::map<int, std::string> more = {}) {
        std::map<int, std::string> values = {{0, name},       {1, "2"},  {2, "2"},  {6, "1"},
                                             {10, "Answer"},  {23, "1"}, {27, "1"}, {28, "1"},
                                             {29, "REMOTES"}, {30, "1"}, {31, "2"}, {32, "peer"},
                                             {33, "1"},       {34, "0"}, {12, "0"}};
        for (const auto& [id, value] : more)
            values[id] = value;
        Put(kinds::kProfile, "", values);
    }

    void AddValidationList(const std::string& name, const std::string& library = "QUSRSYS") {
        Put(kinds::kValidationList, name, {{0, name}, {1, library}});
    }

    void AddEntry(const std::string& list, const std::string& identifier, const std::string& user) {
        const std::string hex = HexOf(identifier);
        Put(kinds::kValidationListEntry, list + "/" + hex,
            {{0, list}, {1, "QUSRSYS"}, {2, hex}, {3, user}, {4, "secret"}});
    }

    ui::INT_PTR Open(const std::string& name,
                     const std::function<void(CPointToPointProfilePropertySheet&)>& act) {
        Sheet().Do([&](ui::CDialog& dialog) {
            act(static_cast<CPointToPointProfilePropertySheet&>(dialog));
        });
        return OpenExisting(name);
    }

    std::string ServerValue(std::string_view kind, std::string_view name, int id) {
        host::SOFError* error = nullptr;
        auto object = m_pHost->Objects().CreateObject(kind, "TEST", "SYS1", name, &error);
        return object ? object->GetAttributeText(id, &error) : std::string();
    }
};

TEST_F(ProfileSheetTest, OpeningLoadsTheAuthenticationStateAndTheProfilesEntry) {
    AddValidationList("REMOTES");
    AddValidationList("QTOCPTP");
    AddValidationList("QYSDPTP");
    AddValidationList("OTHERLIB", "MYLIB");
    AddEntry("REMOTES", std::string("\xC0\x23\x00\x00", 4) + "ANSWER", "PEERUSER");
    Put(kinds::kSystemValue, "QRETSVRSEC", {{0, "QRETSVRSEC"}, {1, "1"}});
    AddProfile("ANSWER", {{28, "6"}});
    AddEntry("REMOTES", std::string("\xC2\x23\x00\x00", 4) + "ANSWER", "EAPUSER");
    CProfileAuthenticationState state;
    bool retain = false, listExists = false, otherLibrary = true, missing = true;
    Open("ANSWER", [&](CPointToPointProfilePropertySheet& sheet) {
        state = sheet.AuthenticationState();
        retain = sheet.GetRetainServerSecurity();
        listExists = sheet.ValidationListExists("remotes");
        otherLibrary = sheet.ValidationListExists("OTHERLIB");
        missing = sheet.ValidationListExists("NOSUCH");
    });
    EXPECT_TRUE(m_driver.GetTranscript().MessageBoxes().empty())
        << m_driver.GetTranscript().ToText();
    EXPECT_EQ(state.strRemoteName, "PEER");
    EXPECT_EQ(state.nLocalIdentification, 1);
    EXPECT_EQ(state.nLocalProtocol, 6);
    EXPECT_EQ(state.nExtendedProtocol, 1) << "EAP";
    EXPECT_EQ(state.nRemoteIdentification, 1);
    EXPECT_EQ(state.nRemoteProtocol, 2);
    EXPECT_EQ(state.nRadiusAuthentication, 1);
    EXPECT_EQ(state.strEntryName, "EAPUSER") << "the CHAP and EAP entry, not the PAP one";
    EXPECT_EQ(state.strEntryPassword, "secret");
    EXPECT_TRUE(retain);
    EXPECT_TRUE(listExists) << "list names compare without case";
    EXPECT_FALSE(otherLibrary) << "only lists of QUSRSYS count";
    EXPECT_FALSE(missing);
}

TEST_F(ProfileSheetTest, EntriesAndTheRetainSettingReachTheStandIn) {
    AddProfile("DIALOUT", {{29, "NEWLIST"}, {28, "2"}});
    bool saved = false, retained = false;
    Open("DIALOUT", [&](CPointToPointProfilePropertySheet& sheet) {
        saved = sheet.SaveValidationListEntry("ISPUSER", "pw");
        retained = sheet.SetRetainServerSecurity();
    });
    EXPECT_TRUE(saved) << m_driver.GetTranscript().ToText();
    EXPECT_TRUE(retained);
    EXPECT_EQ(ServerValue(kinds::kValidationList, "NEWLIST", 1), "QUSRSYS")
        << "a missing list is created";
    const std::string hex = HexOf(std::string("\xC2\x23\x00\x00", 4) + "DIALOUT");
    EXPECT_EQ(ServerValue(kinds::kValidationListEntry, "NEWLIST/" + hex, 3), "ISPUSER");
    EXPECT_EQ(ServerValue(kinds::kValidationListEntry, "NEWLIST/" + hex, 4), "pw");
    EXPECT_EQ(ServerValue(kinds::kSystemValue, "QRETSVRSEC", 1), "1");
}

TEST_F(ProfileSheetTest, FillingAListControlLeavesOutTheDefaultLists) {
    for (const char* list : {"QTOCPTP", "QYSDPTP", "ZEBRA", "ALPHA"})
        AddValidationList(list);
    AddValidationList("ELSEWHERE", "MYLIB");
    AddProfile("DIALOUT");
    std::vector<std::string> names;
    Open("DIALOUT", [&](CPointToPointProfilePropertySheet& sheet) {
        // Any combo box does; the sheet only needs a control to fill.
        ui::CComboBox box(&sheet, 1, "");
        sheet.FillValidationLists(box);
        for (int i = 0; i < box.GetCount(); ++i)
            names.push_back(box.GetLBText(i));
    });
    EXPECT_EQ(names, (std::vector<std::string>{"ALPHA", "ZEBRA"}));
}

TEST_F(ProfileSheetTest, AFailedReadLeavesTheRestUnreadAndTheListsClosed) {
    AddValidationList("REMOTES");
    AddProfile("DIALOUT");
    auto& faults = InjectFaults();
    host::Fault fault;
    fault.operation = host::HostOperation::GetAttribute;
    fault.kind = std::string(kinds::kProfile);
    // The sheet reads the kind (four attributes), the General page four more, then the sheet
    // reads 12 and 32: the read of 32 fails.
    fault.nth = 10;
    faults.AddFault(fault);
    CProfileAuthenticationState state;
    bool nameTaken = true;
    const auto result = Open("DIALOUT", [&](CPointToPointProfilePropertySheet& sheet) {
        state = sheet.AuthenticationState();
        nameTaken = sheet.ProfileNameExists("DIALOUT");
    });
    EXPECT_EQ(faults.Fired(), 1);
    EXPECT_EQ(faults.Calls(host::HostOperation::ListOpen), 1)
        << "only the entry's validation list is looked for; the profile list stays closed";
    ASSERT_EQ(m_driver.GetTranscript().MessageBoxes().size(), 1u);
    EXPECT_EQ(state.nLocalIdentification, 0) << "attributes after the failure stay unread";
    EXPECT_FALSE(nameTaken);
    EXPECT_EQ(result, ui::IDCANCEL);
    EXPECT_TRUE(m_driver.GetTranscript().StayedOpen("CPointToPointProfilePropertySheet"))
        << "the sheet stays usable";
}

TEST_F(ProfileSheetTest, AListThatCannotBeOpenedEndsTheSheet) {
    AddProfile("DIALOUT");
    auto& faults = InjectFaults();
    host::Fault fault;
    fault.operation = host::HostOperation::ListOpen;
    fault.kind = std::string(kinds::kProfileList);
    faults.AddFault(fault);
    bool acted = false;
    const auto result = Open("DIALOUT", [&](CPointToPointProfilePropertySheet&) { acted = true; });
    EXPECT_EQ(result, ui::IDCANCEL);
    EXPECT_FALSE(acted) << "the sheet ended while it opened";
    ASSERT_EQ(m_driver.GetTranscript().MessageBoxes().size(), 1u);
    EXPECT_NE(m_driver.GetTranscript().MessageBoxes()[0].text.find("CPF9899"), std::string::npos);
}

}  // namespace
}  // namespace ptp::profiles
