// The plug-in's folders as the console lists them: rows, item ids, columns and their texts.
#include <cstring>

#include "config/config_paths.h"
#include "config/group_policy_config.h"
#include "host/fault_injection.h"
#include "platform/framework/column_definitions.h"
#include "platform/framework/folder_data.h"
#include "platform/framework/trace_log.h"
#include "platform/vocabulary/kinds.h"
#include "tests/frame/plugin_console_fixture.h"

namespace ptp::testing {
namespace {

class FrameLists : public PluginConsoleFixture {
  protected:
    session::FolderListing List(const std::string& folder) {
        session::Failure failure;
        auto listing = m_session->ListFolder("SYS1", folder, failure);
        EXPECT_TRUE(listing.has_value()) << failure.text;
        return listing.value_or(session::FolderListing{});
    }
};

TEST_F(FrameLists, OriginatorFolderShowsDialOutProfilesWithTheirTexts) {
    AddProfile({.name = "PROFILE1", .description = "*BLANK"});
    AddProfile({.name = "ANSWER1", .mode = "2"});
    AddProfile({.name = "POOLED",
                .protocol = "1",
                .status = "5",
                .lineKind = "*POOL",
                .more = {{prf::kPoolName, "POOL1"}}});
    AddProfile({.name = "ODD", .status = "255", .more = {{prf::kStatusText, "Waiting for L2TP"}}});
    AddProfile({.name = "LCP", .status = "33", .more = {{12, "2"}}});

    const auto listing = List("NPF");
    EXPECT_EQ(listing.countResult, fw::FOLDER_S_COMPLETE);
    ASSERT_EQ(listing.columns.size(), 10u);
    EXPECT_EQ(listing.columns[0].heading, Text(35000));
    ASSERT_EQ(listing.rows.size(), 4u);  // the answer profile belongs to the receiver folder

    std::map<std::string, session::FolderListing::Row> byName;
    for (const auto& row : listing.rows)
        byName[row.name] = row;
    ASSERT_EQ(byName.count("Profile1"), 1u) << "names are listed with the rest in lower case";
    const auto& profile1 = byName["Profile1"];
    EXPECT_EQ(
        profile1.itemId.substr(profile1.itemId.find('\x01')),
        std::string("\x01NPO\x02") + profile1.itemId.substr(profile1.itemId.find('\x02') + 1));
    EXPECT_EQ(profile1.cells[1], Text(27874));
    EXPECT_EQ(profile1.cells[2], Text(27743));
    EXPECT_EQ(profile1.cells[3], "LINE1");
    EXPECT_EQ(profile1.cells[4], "*SYNC");
    EXPECT_EQ(profile1.cells[5], Text(27611));
    EXPECT_EQ(profile1.cells[9], "") << "*BLANK shows as an empty description";

    const auto& pooled = byName["Pooled"];
    EXPECT_EQ(pooled.cells[1], Text(28058));
    EXPECT_EQ(pooled.cells[2], "") << "status 5 has no text";
    EXPECT_EQ(pooled.cells[3], "POOL1");
    EXPECT_EQ(pooled.cells[9], "Test profile");

    EXPECT_EQ(byName["Odd"].cells[2], "Waiting for L2TP");
    EXPECT_EQ(byName["Lcp"].cells[2], "LCP " + Text(29255));
    EXPECT_EQ(byName["Lcp"].cells[5], Text(28008));
}

TEST_F(FrameLists, OwnTextOfStatus255DependsOnTheRelease) {
    SetRelease("050100");
    AddProfile({.name = "ODD", .status = "255", .more = {{prf::kStatusText, "Waiting"}}});
    const auto listing = List("NPF");
    ASSERT_EQ(listing.rows.size(), 1u);
    EXPECT_EQ(listing.rows[0].cells[2], "255");
}

TEST_F(FrameLists, ReceiverFolderStartsWithPoliciesFromV5R1On) {
    AddProfile({.name = "ANSWER1", .mode = "2", .lineService = "1"});
    AddProfile({.name = "DIAL1"});
    SetRelease("050100");
    auto listing = List("NRC");
    ASSERT_EQ(listing.rows.size(), 2u);
    EXPECT_EQ(listing.rows[0].itemId, Text(5969) +
                                          "\x01NGP\x02"
                                          "0");
    EXPECT_EQ(listing.rows[1].itemId,
              "Answer1\x01NRV\x02"
              "1");
    EXPECT_EQ(listing.rows[1].cells[5], Text(27610));
}

TEST_F(FrameLists, ReceiverFolderBeforeV5R1HasOnlyProfiles) {
    AddProfile({.name = "ANSWER1", .mode = "2"});
    SetRelease("040500");
    auto listing = List("NRC");
    ASSERT_EQ(listing.rows.size(), 1u);
    EXPECT_EQ(listing.rows[0].itemId,
              "Answer1\x01NRV\x02"
              "0");
}

TEST_F(FrameLists, MissingRowsAreTracedAndReported) {
    AddProfile({.name = "PRF1"});
    (void)List("NPF");
    fw::IFolderData* data = m_session->FolderData("SYS1", "NPF");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->ItemAt(5), nullptr);
    fw::ITEMIDLIST* ghost = fw::CreateItemId("Ghost", "NPO", 7);
    std::string text = "unchanged";
    EXPECT_TRUE(FAILED(data->GetColumnText(1, ghost, &text)));
    EXPECT_EQ(text, "");
    EXPECT_EQ(data->GetListObject(ghost), nullptr);
    fw::SharedFree(ghost);
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.resourceId, 29079u);
        EXPECT_EQ(box.style & 0xF0u, 0x30u);
    }
    const auto traces = fw::RecentTraces();
    ASSERT_GE(traces.size(), 3u);
    EXPECT_EQ(traces[traces.size() - 3], "Server Object not found in CProfilesData::At()");
    EXPECT_EQ(traces[traces.size() - 2],
              "Profiles cache object not found in CProfilesCache::GetColumnDataItem()");
    EXPECT_EQ(traces.back(), "Server list element not found in GetListObject");
}

TEST_F(FrameLists, ResetReadsTheStandInAgain) {
    AddProfile({.name = "PRF1"});
    (void)List("NPF");
    fw::IFolderData* data = m_session->FolderData("SYS1", "NPF");
    AddProfile({.name = "PRF2"});
    EXPECT_EQ(data->Reset(), S_OK);
    EXPECT_EQ(data->Load(), S_OK);
    long count = 0;
    EXPECT_EQ(data->GetCount(&count), fw::FOLDER_S_COMPLETE);
    EXPECT_EQ(count, 2);
}

TEST_F(FrameLists, ResettingTheModemsRefreshesTheOpenListInsteadOfClosingIt) {
    AddModem("M1", "0", "1");
    host::FaultInjectingHost counting(*m_host, &m_session->Bridge());
    host::SetHost(&counting);
    ASSERT_EQ(List("NMD").rows.size(), 1u);
    fw::IFolderData* data = m_session->FolderData("SYS1", "NMD");
    ASSERT_NE(data, nullptr);
    AddModem("M2", "0", "2");
    EXPECT_EQ(data->Reset(), S_OK);
    EXPECT_EQ(data->Load(), S_OK);
    long count = 0;
    EXPECT_EQ(data->GetCount(&count), fw::FOLDER_S_COMPLETE);
    EXPECT_EQ(count, 2) << "the refreshed list holds the new modem";
    EXPECT_EQ(counting.Calls(host::HostOperation::ListRefresh), 1);
    EXPECT_EQ(counting.Calls(host::HostOperation::ListOpen), 1) << "opened once, at the first load";
    host::SetHost(m_host.get());
}

TEST_F(FrameLists, CountTellsHowTheHostListEnded) {
    AddProfile({.name = "PRF1"});
    AddModem("M1", "0", "1");
    host::FaultInjectingHost faulty(*m_host, &m_session->Bridge());
    host::SetHost(&faulty);
    // The profile list ends complete but with errors; the rows read are still shown.
    host::Fault partial;
    partial.operation = host::HostOperation::ListWaitStep;
    partial.kind = std::string(kinds::kProfileList);
    partial.listState = 51;
    faulty.AddFault(partial);
    const auto profiles = List("NPF");
    EXPECT_EQ(profiles.countResult, fw::FOLDER_S_PARTIAL);
    EXPECT_EQ(profiles.rows.size(), 1u);
    // Waiting for the modem list fails.
    host::Fault stuck;
    stuck.operation = host::HostOperation::ListWaitStep;
    stuck.kind = std::string(kinds::kModem);
    faulty.AddFault(stuck);
    EXPECT_EQ(List("NMD").countResult, fw::FOLDER_E_WAIT);
    host::SetHost(m_host.get());
    EXPECT_EQ(faulty.Fired(), 2);
}

TEST_F(FrameLists, ConsoleColumnDefinitionsWinButPoliciesKeepTheirHeadings) {
    fw::SetColumnDefinitions("NPF", {{"Console name", 77, 1, 0, 1}});
    fw::SetColumnDefinitions("NGP", {{"First", 11, 0, 0, 1}, {"Second", 22, 1, 0, 1}});
    auto profiles = List("NPF");
    ASSERT_EQ(profiles.columns.size(), 1u);
    EXPECT_EQ(profiles.columns[0].heading, "Console name");
    EXPECT_EQ(profiles.columns[0].width, 77);
    auto policies = List("NGP");
    ASSERT_EQ(policies.columns.size(), 2u);
    EXPECT_EQ(policies.columns[0].heading, Text(27851));
    EXPECT_EQ(policies.columns[1].heading, Text(27771));
    EXPECT_EQ(policies.columns[1].width, 22);
    fw::SetColumnDefinitions("NPF", {});
    fw::SetColumnDefinitions("NGP", {});
}

TEST_F(FrameLists, ModemsShowTheirOriginAndKind) {
    AddModem("SYSTEM MODEM", "1", "1");
    AddModem("MY ISDN", "0", "2");
    auto listing = List("NMD");
    ASSERT_EQ(listing.rows.size(), 2u);
    std::map<std::string, session::FolderListing::Row> byName;
    for (const auto& row : listing.rows)
        byName[row.name] = row;
    ASSERT_EQ(listing.columns.size(), 7u);
    EXPECT_EQ(byName["SYSTEM MODEM"].cells[0], "SYSTEM MODEM");
    EXPECT_EQ(byName["SYSTEM MODEM"].cells[1], Text(29260));
    EXPECT_EQ(byName["SYSTEM MODEM"].cells[2], Text(29262));
    EXPECT_EQ(byName["MY ISDN"].cells[1], Text(29261));
    EXPECT_EQ(byName["MY ISDN"].cells[2], Text(29263));
    EXPECT_EQ(byName["MY ISDN"].cells[5], "ATDT");
    EXPECT_NE(byName["MY ISDN"].itemId.find("\x01NMO\x02"), std::string::npos);
}

// The console may hand the same item buffer back with another row's id written into it: every
// question reads the row the buffer names at that moment.
TEST_F(FrameLists, AnItemBufferFilledAgainNamesItsNewRow) {
    AddModem("MODEM A", "0", "1");
    AddModem("MODEM B", "0", "1");
    const auto listing = List("NMD");
    ASSERT_EQ(listing.rows.size(), 2u);
    fw::IFolderData* data = m_session->FolderData("SYS1", "NMD");
    ASSERT_NE(data, nullptr);
    std::vector<std::uint8_t> buffer(256);
    const auto* item = reinterpret_cast<const fw::ITEMIDLIST*>(buffer.data());
    for (const long position : {0L, 1L, 1L, 0L}) {
        fw::ITEMIDLIST* id = data->ItemAt(position);
        ASSERT_NE(id, nullptr);
        ASSERT_LE(fw::ItemIdListSize(id), buffer.size());
        std::memcpy(buffer.data(), id, fw::ItemIdListSize(id));
        fw::SharedFree(id);
        std::string name;
        ASSERT_EQ(data->GetColumnText(0, item, &name), S_OK);
        EXPECT_EQ(name, listing.rows[static_cast<std::size_t>(position)].name) << position;
    }
}

TEST_F(FrameLists, PoliciesComeFromTheGroupPolicyFile) {
    {
        config::CPointToPointProfileGroupPolicyConfigFile file("SYS1",
                                                               config::kGroupPolicyConfigPath, 0);
        for (auto [name, description] : {std::pair{"SALES", "Sales staff"}, {"GUESTS", "*NONE"}}) {
            auto record = file.CreateRecord("");
            record->SetGroupPolicy(name);
            record->SetDescription(description);
            file.Add(std::move(record));
        }
        ASSERT_EQ(file.Save(), config::kFileResultOk);
    }
    auto listing = List("NGP");
    ASSERT_EQ(listing.rows.size(), 2u);
    EXPECT_EQ(listing.rows[0].itemId,
              "SALES\x01NGO\x02"
              "0");
    EXPECT_EQ(listing.rows[0].cells[1], "Sales staff");
    EXPECT_EQ(listing.rows[1].cells[1], "") << "*NONE shows as an empty description";
}

TEST_F(FrameLists, PoliciesWithoutAuthorityAreRefusedOncePerFolder) {
    WithoutAuthority();
    auto listing = List("NGP");
    EXPECT_TRUE(listing.rows.empty());
    fw::IFolderData* data = m_session->FolderData("SYS1", "NGP");
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(FAILED(data->Load()));
    EXPECT_TRUE(FAILED(data->Load()));
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].resourceId, 28177u);
}

}  // namespace
}  // namespace ptp::testing
