// The authentication pages, opened through the plug-in's commands against a real server: what a
// dialling profile stores when it identifies itself or not, the entry it keeps in its validation
// list (tag by protocol, length by name), passwords confirmed before they are taken, the question
// to have the server keep passwords, and the RADIUS boxes that follow the remote access services.
#include "platform/ui/list_ctrl.h"
#include "platform/ui/ui_constants.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profile_auth.h"
#include "resources/ids/profiles.h"
#include "server/stream_files.h"
#include "tests/profiles/profile_pages_fixture.h"

namespace ptp::testing {
namespace {

namespace vl = attr::validation_list_entry;

constexpr const char* kSheet = kProfileSheet;
constexpr const char* kConfirm = "CPointToPointProfileAuthConfirmPasswordDlg";
constexpr const char* kRemoteId = "CPointToPointProfilePPPDialAuthRemoteSystemIdDialog";

// The server names entries by their identifier in upper-case hex.
std::string Hex(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        hex.push_back(kDigits[static_cast<unsigned char>(c) >> 4]);
        hex.push_back(kDigits[static_cast<unsigned char>(c) & 0x0F]);
    }
    return hex;
}

const std::string kPapTag("\xC0\x23\x00\x00", 4);
const std::string kChapTag("\xC2\x23\x00\x00", 4);

class AuthPages : public ProfilePagesFixture {
  protected:
    void AddList(const std::string& name) {
        ASSERT_TRUE(System()
                        .PutObject(kinds::kValidationList, name,
                                   {{attr::validation_list::kName, name},
                                    {attr::validation_list::kLibrary, "QUSRSYS"}})
                        .ok());
    }
    void RetainPasswords(const std::string& value) {
        ASSERT_TRUE(System()
                        .PutObject(kinds::kSystemValue, "QRETSVRSEC",
                                   {{attr::system_value::kName, "QRETSVRSEC"},
                                    {attr::system_value::kValue, value}})
                        .ok());
    }
    server::Attributes Entry(const std::string& list, const std::string& tag,
                             const std::string& profile) {
        return Stored(kinds::kValidationListEntry, list + "/" + Hex(tag + profile));
    }
    void AddAnswer(const std::string& name, std::map<int, std::string> more = {}) {
        AddProfile({.name = name, .mode = "2", .lineKind = "*ASYNC", .more = more});
    }
};

TEST_F(AuthPages, WithoutIdentificationEitherWayTheDialProfileStoresChapAndABlankName) {
    AddProfile({.name = "DIALOUT",
                .more = {{prf::kLocalIdentification, "0"},
                         {prf::kRemoteIdentification, "1"},
                         {prf::kRemoteIdentificationProtocol, "1"},
                         {prf::kRemoteIdentificationName, "PEER"}}});
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_PPP_DIAL_AUTH)
        .Check(IDC_AUTH_REMOTE_ID, ui::BST_UNCHECKED)
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    EXPECT_TRUE(MessageBoxes().empty()) << Transcript();
    auto profile = Profile("DIALOUT");
    EXPECT_EQ(profile[prf::kLocalIdentification], "0");
    EXPECT_EQ(profile[prf::kLocalIdentificationProtocol], "2");
    EXPECT_EQ(profile[prf::kRemoteIdentification], "0");
    EXPECT_EQ(profile[prf::kRemoteIdentificationProtocol], "2");
    EXPECT_EQ(profile[prf::kRemoteIdentificationName], " ");
    EXPECT_TRUE(Stored(kinds::kValidationList, "QTOCPTP").empty()) << "no entry, no list";
}

TEST_F(AuthPages, TheEntryIsTaggedByProtocolAndSizedByTheName) {
    AddList("QTOCPTP");
    RetainPasswords("1");
    AddProfile({.name = "TENCHARSXY"});
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_PPP_DIAL_AUTH)
        .Check(IDC_AUTH_LOCAL_ID)
        .SetText(IDC_AUTH_NAME, "ispuser")
        .SetText(IDC_AUTH_PASSWORD, "Pw1")
        .Check(IDC_AUTH_PAP)
        .Check(IDC_AUTH_EAP, ui::BST_UNCHECKED)
        .Check(IDC_AUTH_REMOTE_ID)
        .Click(IDC_AUTH_REMOTE_SETTINGS)
        .Ok();
    driver.When(kRemoteId).Ok().SetText(IDC_AUTH_REMOTE_NAME, "peer").Check(IDC_AUTH_PAP).Ok();
    driver.When(kConfirm).SetText(IDC_AUTH_CONFIRM_PASSWORD, "Pw1").Ok();
    ASSERT_EQ(Invoke("NPF", {"TENCHARSXY"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_AUTH_REMOTE_NAME_REQUIRED}))
        << Transcript();
    EXPECT_EQ(Profile("TENCHARSXY")[prf::kRemoteIdentificationName], "PEER");
    EXPECT_EQ(Profile("TENCHARSXY")[prf::kRemoteIdentificationProtocol], "1");
    auto pap = Entry("QTOCPTP", kPapTag, "TENCHARSXY");
    EXPECT_EQ(pap[vl::kIdentifier].substr(0, 8), "C0230000");
    EXPECT_EQ(pap[vl::kIdentifierLength], "15");
    EXPECT_EQ(pap[vl::kData1], "ispuser");
    EXPECT_EQ(pap[vl::kData2], "Pw1");
    EXPECT_EQ(Profile("TENCHARSXY")[prf::kLocalIdentificationProtocol], "1");

    // Back to CHAP with the password unchanged: no confirmation, and the entry under the CHAP tag
    // carries the password the server kept.
    driver.When(kSheet).SelectPageByTemplate(IDD_PROFILE_PPP_DIAL_AUTH).Check(IDC_AUTH_CHAP).Ok();
    ASSERT_EQ(Invoke("NPF", {"TENCHARSXY"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(MessageBoxes().size(), 1u) << "no new message: " << Transcript();
    auto chap = Entry("QTOCPTP", kChapTag, "TENCHARSXY");
    EXPECT_EQ(chap[vl::kIdentifier].substr(0, 8), "C2230000");
    EXPECT_EQ(chap[vl::kData1], "ispuser");
    EXPECT_EQ(chap[vl::kData2], "Pw1");
    EXPECT_EQ(Profile("TENCHARSXY")[prf::kLocalIdentificationProtocol], "2");
}

TEST_F(AuthPages, APasswordWhoseConfirmationDiffersIsRefusedWithNothingWritten) {
    AddList("QTOCPTP");
    AddProfile({.name = "DIALOUT"});
    driver.When(kSheet)
        .SetText(IDC_PROFILE_DESCRIPTION, "Changed")
        .SelectPageByTemplate(IDD_PROFILE_PPP_DIAL_AUTH)
        .Check(IDC_AUTH_LOCAL_ID)
        .SetText(IDC_AUTH_NAME, "ISPUSER")
        .SetText(IDC_AUTH_PASSWORD, "secret1")
        .Ok();
    driver.When(kConfirm).SetText(IDC_AUTH_CONFIRM_PASSWORD, "Secret1").Ok().Cancel();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_AUTH_PASSWORDS_DIFFER}))
        << Transcript();
    const auto stayed = driver.GetTranscript().StayedOpen(kSheet);
    ASSERT_TRUE(stayed.has_value()) << Transcript();
    EXPECT_EQ(stayed->pageTemplate, static_cast<std::uint32_t>(IDD_PROFILE_PPP_DIAL_AUTH));
    EXPECT_EQ(stayed->focus, IDC_AUTH_PASSWORD);
    EXPECT_TRUE(Entry("QTOCPTP", kChapTag, "DIALOUT").empty()) << "no entry was written";
    EXPECT_EQ(Profile("DIALOUT")[prf::kDescription], "Test profile") << "nor the profile";
}

TEST_F(AuthPages, AnsweringNoToKeepingPasswordsTurnsTheBoxOffAndYesKeepsThem) {
    RetainPasswords("0");
    AddAnswer("ANSWER");
    int afterNo = -1, afterYes = -1;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_PPP_ANS_AUTH)
        .Check(IDC_AUTH_LOCAL_ID)
        .Do([&](ui::CDialog& sheet) {
            afterNo = Active(sheet).IsDlgButtonChecked(IDC_AUTH_LOCAL_ID);
        })
        .Check(IDC_AUTH_LOCAL_ID)
        .Do([&](ui::CDialog& sheet) {
            afterYes = Active(sheet).IsDlgButtonChecked(IDC_AUTH_LOCAL_ID);
        })
        .Cancel();
    driver.AnswerMessageBoxes({ui::IDNO, ui::IDYES});
    ASSERT_EQ(Invoke("NRC", {"ANSWER"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(MessageIds(),
              (std::vector<std::uint32_t>{IDS_AUTH_RETAIN_QUESTION, IDS_AUTH_RETAIN_QUESTION,
                                          IDS_AUTH_RETAIN_SET}))
        << Transcript();
    EXPECT_EQ(afterNo, ui::BST_UNCHECKED);
    EXPECT_EQ(afterYes, ui::BST_CHECKED);
    EXPECT_EQ(Stored(kinds::kSystemValue, "QRETSVRSEC")[attr::system_value::kValue], "1");
}

TEST_F(AuthPages, TheCallersListMustExistAndTheRadiusBoxesFollowTheServices) {
    AddList("REMOTES");
    AddAnswer("ANSWER", {{prf::kRadiusAuthentication, "1"}, {prf::kRadiusAccounting, "1"}});
    ASSERT_TRUE(System()
                    .Files()
                    .Write("/QKTL/UserData/NOS50/TCPIP/RAS/ras.cfg",
                           "RADIUS_ENABLED=1 RADIUS_ACCT_SERVER_ENABLED=0 "
                           "RADIUS_AUTH_SERVER_ENABLED=1 RADIUS_ADDRESS_CONFIG_ENABLED=0 "
                           "DHCP_WAN_CLIENT_ENABLED=0 DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS=\n",
                           server::kCcsidText)
                    .ok());
    bool authenticationEnabled = false, accountingEnabled = true;
    std::vector<std::string> lists;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_PPP_ANS_AUTH)
        .Do([&](ui::CDialog& sheet) {
            ui::CPropertyPage& page = Active(sheet);
            authenticationEnabled = page.GetDlgItem(IDC_AUTH_RADIUS_AUTH)->IsWindowEnabled();
            accountingEnabled = page.GetDlgItem(IDC_AUTH_RADIUS_ACCT)->IsWindowEnabled();
            ui::CComboBox& box = page.ComboBox(IDC_AUTH_VALIDATION_LIST);
            for (int i = 0; i < box.GetCount(); ++i)
                lists.push_back(box.GetLBText(i));
        })
        .Check(IDC_AUTH_REMOTE_ID)
        .SetText(IDC_AUTH_VALIDATION_LIST, "nosuch")
        .Ok()
        .SetText(IDC_AUTH_VALIDATION_LIST, "remotes")
        .Check(IDC_AUTH_PAP)
        .Ok();
    ASSERT_EQ(Invoke("NRC", {"ANSWER"}, "PROPERTIES"), S_OK);
    EXPECT_TRUE(authenticationEnabled);
    EXPECT_FALSE(accountingEnabled);
    EXPECT_EQ(lists, (std::vector<std::string>{"REMOTES"}));
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_AUTH_LIST_MISSING})) << Transcript();
    auto profile = Profile("ANSWER");
    EXPECT_EQ(profile[prf::kValidationList], "REMOTES");
    EXPECT_EQ(profile[prf::kRemoteIdentification], "1");
    EXPECT_EQ(profile[prf::kRemoteIdentificationProtocol], "1");
    EXPECT_EQ(profile[prf::kRadiusAuthentication], "1");
    EXPECT_EQ(profile[prf::kRadiusAccounting], "0") << "accounting is off on the system";
}

TEST_F(AuthPages, TheValidationListDialogAddsUsersOfTheProfilesKindAndMakesTheList) {
    AddAnswer("ANSWER");
    std::vector<std::string> added, removed;
    auto rows = [](ui::CDialog& dialog) {
        ui::CListCtrl& list = dialog.ListCtrl(IDC_VL_ENTRIES);
        std::vector<std::string> shown;
        for (int row = 0; row < list.GetItemCount(); ++row)
            shown.push_back(list.GetItemText(row, 0) + " " + list.GetItemText(row, 1));
        return shown;
    };
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_PPP_ANS_AUTH)
        .Check(IDC_AUTH_REMOTE_ID)
        .SetText(IDC_AUTH_VALIDATION_LIST, "newusers")
        .Click(IDC_AUTH_VALIDATION_OPEN)
        .Ok();
    driver.When("CPointToPointProfileValidationListDialog")
        .Click(IDC_VL_ADD)
        .Click(IDC_VL_ADD_MULTIHOP)
        .Do([&](ui::CDialog& dialog) { added = rows(dialog); })
        .Choose(IDC_VL_ENTRIES, 1)
        .Click(IDC_VL_REMOVE)
        .Do([&](ui::CDialog& dialog) { removed = rows(dialog); })
        .Cancel();
    driver.When("CPointToPointProfileValidationListAddUser")
        .SetText(IDC_AUTH_PASSWORD, "pw")
        .Ok()
        .SetText(IDC_AUTH_NAME, "jsmith")
        .Check(IDC_AUTH_PAP)
        .Ok();
    driver.When("CPointToPointProfileValidationListAddMultihopUser")
        .SetText(IDC_AUTH_NAME, "relay")
        .SetText(IDC_AUTH_PASSWORD, "a")
        .SetText(IDC_VL_FORWARD_NAME, "hopuser")
        .SetText(IDC_VL_FORWARD_PASSWORD, "b")
        .Ok();
    ASSERT_EQ(Invoke("NRC", {"ANSWER"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_VL_USER_REQUIRED})) << Transcript();
    EXPECT_EQ(added, (std::vector<std::string>{"RELAY HOP", "JSMITH PAP", "RELAY CHAP"}));
    EXPECT_EQ(removed, (std::vector<std::string>{"RELAY HOP", "RELAY CHAP"}));
    EXPECT_EQ(Stored(kinds::kValidationList, "NEWUSERS")[attr::validation_list::kLibrary],
              "QUSRSYS")
        << "the first user made the list";
    EXPECT_TRUE(Entry("NEWUSERS", kPapTag, "JSMITH").empty());
    auto hop = Entry("NEWUSERS", std::string("HOP\0", 4), "RELAY");
    EXPECT_EQ(hop[vl::kData1], "hopuser");
    EXPECT_EQ(hop[vl::kData2], "b");
    EXPECT_EQ(Entry("NEWUSERS", kChapTag, "RELAY")[vl::kData2], "a");
    EXPECT_EQ(Profile("ANSWER")[prf::kValidationList], "NEWUSERS");
}

TEST_F(AuthPages, SlipProfilesGetTheirOwnPagesAndEntries) {
    AddList("QTOCPTP");
    AddProfile({.name = "SLIPOUT",
                .protocol = "1",
                .more = {{prf::kRemoteAddressMethod, "1"}, {prf::kRemoteAddress, "10.5.0.2"}}});
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_SLIP_DIAL_AUTH)
        .Check(IDC_AUTH_LOCAL_ID)
        .SetText(IDC_AUTH_NAME, "SLIPUSER")
        .SetText(IDC_AUTH_PASSWORD, "pw")
        .Ok();
    driver.When(kConfirm).SetText(IDC_AUTH_CONFIRM_PASSWORD, "pw").Ok();
    ASSERT_EQ(Invoke("NPF", {"SLIPOUT"}, "PROPERTIES"), S_OK);
    EXPECT_TRUE(MessageBoxes().empty()) << Transcript();
    auto entry = Entry("QTOCPTP", std::string("\x10\x55\x00\x00", 4), "SLIPOUT");
    EXPECT_EQ(entry[vl::kData1], "SLIPUSER");
    EXPECT_EQ(entry[vl::kIdentifierLength], "12");
    EXPECT_EQ(Profile("SLIPOUT")[prf::kLocalIdentificationProtocol], "0");
}

// A dial profile of the network service's variant keeps two entries in its validation list: the
// one the service signs on with, under its own tag, which the sheet shows, and the protocol's
// entry that PPP authenticates with. Both carry what the page holds and are sized by the name.
TEST_F(AuthPages, TheNetworkServiceVariantSavesItsServiceEntryAndItsProtocolEntry) {
    AddList("QYSDPTP");
    RetainPasswords("1");
    const std::string service("WDN\0", 4);
    AddProfile({.name = "WDNDIAL",
                .more = {{prf::kDialVariant, "2"},
                         {prf::kValidationList, "QYSDPTP"},
                         {prf::kLocalIdentification, "1"},
                         {prf::kLocalIdentificationProtocol, "2"}}});
    AddProfile({.name = "PLAINDIAL", .more = {{prf::kValidationList, "QYSDPTP"}}});
    ASSERT_TRUE(System()
                    .PutObject(kinds::kValidationListEntry, "QYSDPTP/" + Hex(service + "WDNDIAL"),
                               {{vl::kListName, "QYSDPTP"},
                                {vl::kLibrary, "QUSRSYS"},
                                {vl::kIdentifier, Hex(service + "WDNDIAL")},
                                {vl::kIdentifierLength, "12"},
                                {vl::kData1, "ACCOUNT1"},
                                {vl::kData2, "Old1"}})
                    .ok());
    std::string shownName, shownPassword;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_PPP_DIAL_AUTH)
        .Do([&](ui::CDialog& sheet) {
            shownName = Active(sheet).GetDlgItemText(IDC_AUTH_NAME);
            shownPassword = Active(sheet).GetDlgItemText(IDC_AUTH_PASSWORD);
        })
        .SetText(IDC_AUTH_NAME, "account2")
        .SetText(IDC_AUTH_PASSWORD, "New2")
        .Check(IDC_AUTH_PAP)
        .Ok();
    driver.When(kConfirm).SetText(IDC_AUTH_CONFIRM_PASSWORD, "New2").Ok();
    ASSERT_EQ(Invoke("NPF", {"WDNDIAL"}, "PROPERTIES"), S_OK);
    EXPECT_TRUE(MessageBoxes().empty()) << Transcript();
    EXPECT_EQ(shownName, "ACCOUNT1") << "the service's entry is the one the page shows";
    EXPECT_EQ(shownPassword, "Old1");
    auto serviceEntry = Entry("QYSDPTP", service, "WDNDIAL");
    EXPECT_EQ(serviceEntry[vl::kIdentifier], Hex(service + "WDNDIAL"));
    EXPECT_EQ(serviceEntry[vl::kIdentifierLength], "12");
    EXPECT_EQ(serviceEntry[vl::kData1], "account2");
    EXPECT_EQ(serviceEntry[vl::kData2], "New2");
    auto pap = Entry("QYSDPTP", kPapTag, "WDNDIAL");
    EXPECT_EQ(pap[vl::kIdentifier], Hex(kPapTag + "WDNDIAL"));
    EXPECT_EQ(pap[vl::kIdentifierLength], "12");
    EXPECT_EQ(pap[vl::kData1], "account2");
    EXPECT_EQ(pap[vl::kData2], "New2");
    EXPECT_TRUE(Entry("QYSDPTP", kChapTag, "WDNDIAL").empty());
    EXPECT_EQ(Profile("WDNDIAL")[prf::kLocalIdentificationProtocol], "1");
    EXPECT_EQ(Profile("WDNDIAL")[prf::kValidationList], "QYSDPTP");

    // Opened again, the page shows the service's entry as saved; a plain dial profile of the same
    // list keeps only its protocol's entry.
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_PPP_DIAL_AUTH)
        .Do([&](ui::CDialog& sheet) { shownName = Active(sheet).GetDlgItemText(IDC_AUTH_NAME); })
        .Cancel();
    ASSERT_EQ(Invoke("NPF", {"WDNDIAL"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(shownName, "account2");
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_PPP_DIAL_AUTH)
        .Check(IDC_AUTH_LOCAL_ID)
        .SetText(IDC_AUTH_NAME, "plain")
        .SetText(IDC_AUTH_PASSWORD, "pw")
        .Ok();
    driver.When(kConfirm).SetText(IDC_AUTH_CONFIRM_PASSWORD, "pw").Ok();
    ASSERT_EQ(Invoke("NPF", {"PLAINDIAL"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(Entry("QYSDPTP", kChapTag, "PLAINDIAL")[vl::kData1], "plain");
    EXPECT_TRUE(Entry("QYSDPTP", service, "PLAINDIAL").empty());
}

}  // namespace
}  // namespace ptp::testing
