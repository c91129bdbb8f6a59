// The context menus a console gets for the plug-in's objects and folders, and what
// GetCommandString answers about them.
#include "tests/frame/plugin_console_fixture.h"

namespace ptp::testing {
namespace {

class ContextMenus : public PluginConsoleFixture {};

std::vector<std::string> Verbs(const std::vector<session::MenuLine>& lines) {
    std::vector<std::string> verbs;
    for (const auto& line : lines) {
        if (line.separator)
            verbs.push_back("-");
        else if (line.popup)
            verbs.push_back("[popup]");
        else
            verbs.push_back(line.verb);
    }
    return verbs;
}

TEST_F(ContextMenus, StoppedProfileOffersStartAndLoggingWithErrorsChecked) {
    AddProfile({.name = "PRF1"});
    const auto lines = Menu("NPF", {"PRF1"});
    EXPECT_EQ(Verbs(lines), (std::vector<std::string>{
                                "START", "[popup]", "LOGMESSAGES", "LOGERRORS", "LOGNONE", "STOP",
                                "-", "JOBS", "CONNECTIONS", "-", "DELETE", "-", "PROPERTIES"}));
    EXPECT_FALSE(Line(lines, "START").greyed);
    EXPECT_TRUE(Line(lines, "STOP").greyed);
    EXPECT_TRUE(Line(lines, "JOBS").greyed);
    EXPECT_TRUE(Line(lines, "CONNECTIONS").greyed);
    EXPECT_FALSE(Line(lines, "DELETE").greyed);
    EXPECT_TRUE(Line(lines, "PROPERTIES").isDefault);
    EXPECT_TRUE(Line(lines, "LOGERRORS").checked);
    EXPECT_FALSE(Line(lines, "LOGMESSAGES").checked);
    EXPECT_EQ(lines[1].text, Text(28011));
    EXPECT_EQ(lines[1].depth, 0);
    EXPECT_EQ(lines[2].depth, 1);
    // Twelve command ids: every entry and separator but the popup itself.
    EXPECT_EQ(lastMenuResult, 12);
}

TEST_F(ContextMenus, MixedSelectionGreysStartLoggingAndStop) {
    AddProfile({.name = "PRF1"});
    AddProfile({.name = "PRF2", .status = "14", .jobName = "QKTL_TOCPPP_SSN@PRF2"});
    const auto lines = Menu("NPF", {"PRF1", "PRF2"});
    for (const char* verb : {"START", "LOGMESSAGES", "LOGERRORS", "LOGNONE", "STOP"})
        EXPECT_TRUE(Line(lines, verb).greyed) << verb;
    EXPECT_TRUE(lines[1].popup);
    EXPECT_TRUE(lines[1].greyed);
    EXPECT_FALSE(Line(lines, "CONNECTIONS").greyed);
    EXPECT_FALSE(Line(lines, "DELETE").greyed) << "one stopped profile can be deleted";
}

TEST_F(ContextMenus, RunningProfileOffersStopAndItsJobs) {
    AddProfile({.name = "SLIP1", .protocol = "1", .status = "14", .jobName = "QKTL_TOCSLIP_SSN@"});
    AddProfile({.name = "PPP1", .status = "14", .jobName = "QKTL_TOCPPP_SSN@"});
    auto lines = Menu("NPF", {"SLIP1"});
    EXPECT_TRUE(Line(lines, "START").greyed);
    EXPECT_FALSE(Line(lines, "STOP").greyed);
    EXPECT_FALSE(Line(lines, "JOBS").greyed);
    EXPECT_TRUE(Line(lines, "DELETE").greyed);
    // A PPP profile on a V5R4 server has no separate server jobs to show.
    lines = Menu("NPF", {"PPP1"});
    EXPECT_TRUE(Line(lines, "JOBS").greyed);
    EXPECT_FALSE(Line(lines, "CONNECTIONS").greyed);
}

TEST_F(ContextMenus, AsyncSlipProfileIsMigratedInsteadOfOpened) {
    AddProfile({.name = "OLDSLIP", .protocol = "1", .lineKind = "*ASYNC"});
    auto lines = Menu("NPF", {"OLDSLIP"});
    EXPECT_TRUE(Line(lines, "START").greyed);
    EXPECT_TRUE(Line(lines, "MIGRATE").isDefault);
    EXPECT_EQ(Line(lines, "PROPERTIES").verb, "");
    lines = Menu("NPF", {"OLDSLIP"}, session::kMenuDefaultOnly);
    EXPECT_EQ(Verbs(lines), std::vector<std::string>{"MIGRATE"});
    SetRelease("040500");
    lines = Menu("NPF", {"OLDSLIP"}, session::kMenuDefaultOnly);
    EXPECT_TRUE(lines.empty()) << "before V5R1 a migration candidate has no default entry";
}

TEST_F(ContextMenus, SystemModemCannotBeDeleted) {
    AddModem("SYSMODEM", "1", "1");
    AddModem("MYMODEM", "0", "1");
    auto lines = Menu("NMD", {"SYSMODEM"});
    EXPECT_EQ(Verbs(lines),
              (std::vector<std::string>{"NEWBASEDON", "-", "DELETE", "-", "PROPERTIES"}));
    EXPECT_TRUE(Line(lines, "DELETE").greyed);
    EXPECT_FALSE(Line(lines, "NEWBASEDON").greyed);
    lines = Menu("NMD", {"MYMODEM"});
    EXPECT_FALSE(Line(lines, "DELETE").greyed);
    lines = Menu("NMD", {"MYMODEM", "SYSMODEM"});
    EXPECT_TRUE(Line(lines, "DELETE").greyed);
}

TEST_F(ContextMenus, VerbsOnlyFailsAndAddsNothing) {
    AddProfile({.name = "PRF1"});
    const auto lines = Menu("NPF", {"PRF1"}, 0x2 | session::kMenuObjects);
    EXPECT_EQ(lastMenuResult, E_FAIL);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "PROPERTIES"), S_OK) << "a later menu works as before";

    // A console's own entries and the table of the last menu both stay as they were.
    (void)Menu("NPF", {"PRF1"});
    fw::CConsoleMenu consoleMenu;
    ASSERT_TRUE(fw::InsertMenu(consoleMenu.Handle(), 0, fw::MF_BYPOSITION | fw::MF_STRING, 7,
                               "Console entry"));
    EXPECT_EQ(m_session->ContextMenu()->QueryContextMenu(consoleMenu.Handle(), 1, 100, 200,
                                                         0x2 | session::kMenuObjects),
              E_FAIL);
    ASSERT_EQ(fw::GetMenuItemCount(consoleMenu.Handle()), 1);
    EXPECT_EQ(consoleMenu.Entries()[0].text, "Console entry");
    fw::CMINVOKECOMMANDINFO info;
    info.lpVerb = fw::MakeVerbOffset(0);
    EXPECT_EQ(m_session->ContextMenu()->InvokeCommand(&info), S_OK);
    EXPECT_EQ(Commands(), std::vector<std::string>{"QSYS/STRTCPPTP CFGPRF('PRF1') OUTPUT(*ERROR)"})
        << "START is still the first entry of the table";
}

TEST_F(ContextMenus, FolderMenusOfferCreationAsAuthorityAllows) {
    auto lines = Menu("NPF", {}, session::kMenuNewObjects);
    EXPECT_EQ(Verbs(lines), (std::vector<std::string>{"NEWPROFILE", "-", "NEWWDNPROFILE"}));
    EXPECT_FALSE(Line(lines, "NEWPROFILE").greyed);
    EXPECT_EQ(Verbs(Menu("NRC", {}, session::kMenuNewObjects)),
              std::vector<std::string>{"NEWPROFILE"});
    EXPECT_EQ(Verbs(Menu("NMD", {}, session::kMenuNewObjects)),
              std::vector<std::string>{"NEWMODEM"});
    EXPECT_EQ(Verbs(Menu("NGP", {}, session::kMenuNewObjects)),
              std::vector<std::string>{"NEWGROUPPOLICY"});
    EXPECT_EQ(Verbs(Menu("NPP", {}, session::kMenuNewObjects)),
              std::vector<std::string>{"SERVICES"});
    WithoutAuthority();
    EXPECT_TRUE(Line(Menu("NMD", {}, session::kMenuNewObjects), "NEWMODEM").greyed);
    EXPECT_TRUE(Line(Menu("NPP", {}, session::kMenuNewObjects), "SERVICES").greyed);
    SetRelease("040500");
    EXPECT_TRUE(Menu("NPP", {}, session::kMenuNewObjects).empty());
}

TEST_F(ContextMenus, CommandStringsDescribeTheTable) {
    AddProfile({.name = "PRF1"});
    (void)Menu("NPF", {"PRF1"});
    fw::IContextMenu* menu = m_session->ContextMenu();
    ASSERT_NE(menu, nullptr);
    char buffer[32] = "junk";
    EXPECT_EQ(menu->GetCommandString(0, fw::GCS_VERBW, nullptr, buffer, sizeof buffer), S_OK);
    EXPECT_STREQ(buffer, "START");
    EXPECT_EQ(menu->GetCommandString(0, fw::GCS_VERBW, nullptr, buffer, 4), S_OK);
    EXPECT_STREQ(buffer, "STA") << "cut to the buffer size less one";
    EXPECT_EQ(menu->GetCommandString(5, fw::GCS_VERBW, nullptr, buffer, sizeof buffer), S_OK);
    EXPECT_STREQ(buffer, "") << "a separator has no verb";
    EXPECT_EQ(menu->GetCommandString(0, fw::GCS_VALIDATEW, nullptr, buffer, sizeof buffer), S_OK);
    EXPECT_EQ(menu->GetCommandString(4, fw::GCS_VALIDATEW, nullptr, buffer, sizeof buffer), E_FAIL)
        << "STOP is greyed";
    // The status-bar text of a command is the framework's help text of its id, greyed or not.
    char help[512];
    EXPECT_EQ(menu->GetCommandString(0, fw::GCS_HELPTEXTW, nullptr, help, sizeof help), S_OK);
    EXPECT_EQ(std::string(help), HelpText(29279));
    EXPECT_EQ(menu->GetCommandString(4, fw::GCS_HELPTEXTW, nullptr, help, sizeof help), S_OK);
    EXPECT_EQ(std::string(help), HelpText(29280));
    EXPECT_EQ(menu->GetCommandString(5, fw::GCS_HELPTEXTW, nullptr, help, sizeof help), E_FAIL)
        << "a separator has no help text";
    EXPECT_EQ(menu->GetCommandString(0, fw::GCS_HELPTEXTW, nullptr, buffer, sizeof buffer), S_OK);
    EXPECT_EQ(std::string(buffer), HelpText(29279).substr(0, sizeof buffer - 1));
    EXPECT_EQ(menu->GetCommandString(0, 7, nullptr, buffer, sizeof buffer), E_INVALIDARG);
    EXPECT_EQ(menu->GetCommandString(12, fw::GCS_VERBW, nullptr, buffer, sizeof buffer),
              E_INVALIDARG);
    EXPECT_STREQ(buffer, "") << "the buffer is cleared first";
}

TEST_F(ContextMenus, InvokeRefusesGreyedAbsentAndUnknownCommands) {
    AddProfile({.name = "PRF1"});
    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "STOP"), E_FAIL);
    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "NEWMODEM"), E_FAIL);
    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "DANCE"), E_FAIL);
    fw::CMINVOKECOMMANDINFO info;
    info.lpVerb = fw::MakeVerbOffset(4);  // STOP, greyed
    EXPECT_EQ(m_session->ContextMenu()->InvokeCommand(&info), E_FAIL);
    info.lpVerb = fw::MakeVerbOffset(12);
    EXPECT_EQ(m_session->ContextMenu()->InvokeCommand(&info), E_FAIL);
    EXPECT_TRUE(Commands().empty());
    info.lpVerb = fw::MakeVerbOffset(0);  // START by offset
    EXPECT_EQ(m_session->ContextMenu()->InvokeCommand(&info), S_OK);
    EXPECT_EQ(Commands(), std::vector<std::string>{"QSYS/STRTCPPTP CFGPRF('PRF1') OUTPUT(*ERROR)"});
}

}  // namespace
}  // namespace ptp::testing
