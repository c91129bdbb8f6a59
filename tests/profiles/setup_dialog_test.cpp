#include "profiles/point_to_point_profile_setup_dialog.h"

#include <gtest/gtest.h>

#include "platform/res/resource_module.h"
#include "platform/ui/script_driver.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/profile_setup.h"
#include "tests/support/test_paths.h"

namespace ptp::profiles {
namespace {

using Dialog = CPointToPointProfileSetupDialog;
using ui::ScriptDriver;

struct Outputs {
    int protocol = -1, lineService = -1, mode = -1, lineKind = -1;
    bool operator==(const Outputs&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outputs& o) {
    return out << "protocol " << o.protocol << ", line service " << o.lineService << ", mode "
               << o.mode << ", line kind " << o.lineKind;
}

struct Options {
    bool receiver = false;
    bool allowModes = true;
    bool release050200 = true;
};

class SetupDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        auto module =
            res::ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
        ASSERT_NE(module, nullptr) << error;
        ui::SetResourceModule(module);
        (void)ui::TakeFaults();
    }
    void TearDown() override {
        EXPECT_TRUE(ui::TakeFaults().empty());
        ui::SetResourceModule(nullptr);
    }

    // Opens the dialog as the New command does, lets `script` act on it, and returns what the
    // dialog wrote.
    Outputs Run(const Options& options, const std::function<void(ui::DialogScript&)>& script,
                ui::INT_PTR expected = ui::IDOK, std::size_t refusals = 0) {
        Outputs out;
        Dialog dialog(nullptr, "MYSYS", options.receiver, options.allowModes, options.allowModes,
                      options.release050200, &out.protocol, &out.lineService, &out.mode,
                      &out.lineKind);
        ScriptDriver driver;
        script(driver.When("CPointToPointProfileSetupDialog"));
        ui::ScopedDriver scoped(driver);
        EXPECT_EQ(dialog.DoModal(), expected) << driver.GetTranscript().ToText();
        EXPECT_EQ(driver.GetTranscript().Refusals().size(), refusals)
            << driver.GetTranscript().ToText();
        return out;
    }

    static std::vector<std::string> Items(ui::CDialog& d, int id) {
        ui::ControlState state;
        d.ComboBox(id).Describe(state);
        return state.items;
    }
};

struct Row {
    const char* name;
    bool receiver;
    int protocolButton;
    int serviceButton;
    int modeIndex;
    int lineIndex;
    Outputs expected;
};

// Every row of the mode and line tables, for both folders, PPP and SLIP.
const Row kRows[] = {
    {"dial, one line", false, IDC_SETUP_PPP, IDC_SETUP_SWITCHED_LINE, 0, 0, {2, 1, 1, 1}},
    {"dial, pool", false, IDC_SETUP_PPP, IDC_SETUP_SWITCHED_LINE, 0, 1, {2, 1, 1, 2}},
    {"variant 3, one line", false, IDC_SETUP_PPP, IDC_SETUP_SWITCHED_LINE, 1, 0, {2, 1, 3, 1}},
    {"variant 3, pool", false, IDC_SETUP_PPP, IDC_SETUP_SWITCHED_LINE, 1, 1, {2, 1, 3, 2}},
    {"variant 4", false, IDC_SETUP_PPP, IDC_SETUP_SWITCHED_LINE, 2, 0, {2, 1, 4, 1}},
    {"dial-on-demand", false, IDC_SETUP_PPP, IDC_SETUP_SWITCHED_LINE, 3, 0, {2, 1, 6, 2}},
    {"nonswitched initiator", false, IDC_SETUP_PPP, IDC_SETUP_NONSWITCHED_LINE, 0, 0, {2, 2, 1, 1}},
    {"L2TP initiator", false, IDC_SETUP_PPP, IDC_SETUP_L2TP_LINE, 0, 0, {2, 3, 5, 6}},
    {"L2TP mode 8", false, IDC_SETUP_PPP, IDC_SETUP_L2TP_LINE, 1, 0, {2, 3, 8, 6}},
    {"L2TP variant", false, IDC_SETUP_PPP, IDC_SETUP_L2TP_LINE, 2, 0, {2, 3, 3, 6}},
    {"PPPoE initiator", false, IDC_SETUP_PPP, IDC_SETUP_PPPOE_LINE, 0, 0, {2, 3, 9, 8}},
    {"SLIP dial, one line", false, IDC_SETUP_SLIP, IDC_SETUP_SWITCHED_LINE, 0, 0, {1, 1, 1, 1}},
    {"SLIP dial, pool", false, IDC_SETUP_SLIP, IDC_SETUP_SWITCHED_LINE, 0, 1, {1, 1, 1, 2}},
    {"SLIP nonswitched", false, IDC_SETUP_SLIP, IDC_SETUP_NONSWITCHED_LINE, 0, 0, {1, 2, 1, 1}},
    {"answer, one line", true, IDC_SETUP_PPP, IDC_SETUP_SWITCHED_LINE, 0, 0, {2, 1, 2, 1}},
    {"answer, pool", true, IDC_SETUP_PPP, IDC_SETUP_SWITCHED_LINE, 0, 1, {2, 1, 2, 3}},
    {"nonswitched terminator", true, IDC_SETUP_PPP, IDC_SETUP_NONSWITCHED_LINE, 0, 0, {2, 2, 2, 1}},
    {"L2TP terminator", true, IDC_SETUP_PPP, IDC_SETUP_L2TP_LINE, 0, 0, {2, 3, 2, 6}},
    {"SLIP answer", true, IDC_SETUP_SLIP, IDC_SETUP_SWITCHED_LINE, 0, 0, {1, 1, 2, 1}},
    {"SLIP nonswitched answer",
     true,
     IDC_SETUP_SLIP,
     IDC_SETUP_NONSWITCHED_LINE,
     0,
     0,
     {1, 2, 2, 1}},
};

TEST_F(SetupDialogTest, EveryRowOfTheTablesWritesItsOutParameters) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const Outputs out = Run({row.receiver}, [&](ui::DialogScript& s) {
            s.Click(row.protocolButton)
                .Click(row.serviceButton)
                .Choose(IDC_SETUP_MODE, row.modeIndex)
                .Choose(IDC_SETUP_LINE, row.lineIndex)
                .Ok();
        });
        EXPECT_EQ(out, row.expected);
    }
}

TEST_F(SetupDialogTest, OpensWithPppSwitchedLineFirstModeAndOneLine) {
    std::vector<std::string> modes, lines, receiverModes;
    bool pppoeShown = false, receiverPppoeShown = true, oldReleasePppoeShown = true;
    std::string caption;
    const Outputs out = Run({}, [&](ui::DialogScript& s) {
        s.Do([&](ui::CDialog& d) {
             caption = d.GetWindowText();
             EXPECT_EQ(d.IsDlgButtonChecked(IDC_SETUP_PPP), ui::BST_CHECKED);
             EXPECT_EQ(d.IsDlgButtonChecked(IDC_SETUP_SWITCHED_LINE), ui::BST_CHECKED);
             EXPECT_EQ(d.ComboBox(IDC_SETUP_MODE).GetCurSel(), 0);
             EXPECT_EQ(d.ComboBox(IDC_SETUP_LINE).GetCurSel(), 0);
             modes = Items(d, IDC_SETUP_MODE);
             lines = Items(d, IDC_SETUP_LINE);
             pppoeShown = d.GetDlgItem(IDC_SETUP_PPPOE_LINE)->IsWindowVisible();
         }).Ok();
    });
    EXPECT_EQ(out, (Outputs{2, 1, 1, 1}));
    EXPECT_EQ(caption, "New Point-to-Point Profile on Mysys");
    EXPECT_EQ(modes, (std::vector<std::string>{"Dial out", "Dial out on demand",
                                               "Dial out on demand over one dedicated line",
                                               "Dial out on demand from a line pool"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"One line", "Line pool"}));
    EXPECT_TRUE(pppoeShown);

    Run({true}, [&](ui::DialogScript& s) {
        s.Do([&](ui::CDialog& d) {
             receiverModes = Items(d, IDC_SETUP_MODE);
             receiverPppoeShown = d.GetDlgItem(IDC_SETUP_PPPOE_LINE)->IsWindowVisible();
         }).Ok();
    });
    EXPECT_EQ(receiverModes, std::vector<std::string>{"Answer incoming calls"});
    EXPECT_FALSE(receiverPppoeShown);
    Run(
        {false, true, false},
        [&](ui::DialogScript& s) {
            s.Do([&](ui::CDialog& d) {
                 oldReleasePppoeShown = d.GetDlgItem(IDC_SETUP_PPPOE_LINE)->IsWindowVisible();
             })
                .Click(IDC_SETUP_PPPOE_LINE)  // hidden: the user cannot reach it
                .Cancel();
        },
        ui::IDCANCEL, 1);
    EXPECT_FALSE(oldReleasePppoeShown);
}

TEST_F(SetupDialogTest, ReceiverL2TPOffersOnlyTheTerminator) {
    std::vector<std::string> modes, lines;
    const Outputs out = Run({true}, [&](ui::DialogScript& s) {
        s.Click(IDC_SETUP_L2TP_LINE)
            .Do([&](ui::CDialog& d) {
                modes = Items(d, IDC_SETUP_MODE);
                lines = Items(d, IDC_SETUP_LINE);
            })
            .Ok();
    });
    EXPECT_EQ(modes, std::vector<std::string>{"Terminator"});
    EXPECT_EQ(lines, std::vector<std::string>{"One line"});
    EXPECT_EQ(out, (Outputs{2, 3, 2, 6}));
}

TEST_F(SetupDialogTest, SlipFallsBackToWhatSlipCanDo) {
    // From a virtual line: back to the switched line, virtual services greyed, dial only.
    bool l2tpEnabled = true, pppoeEnabled = true;
    std::vector<std::string> modes, lines;
    Outputs out = Run({}, [&](ui::DialogScript& s) {
        s.Click(IDC_SETUP_L2TP_LINE)
            .Choose(IDC_SETUP_MODE, 1)
            .Click(IDC_SETUP_SLIP)
            .Do([&](ui::CDialog& d) {
                EXPECT_EQ(d.IsDlgButtonChecked(IDC_SETUP_SWITCHED_LINE), ui::BST_CHECKED);
                EXPECT_EQ(d.IsDlgButtonChecked(IDC_SETUP_L2TP_LINE), ui::BST_UNCHECKED);
                l2tpEnabled = d.GetDlgItem(IDC_SETUP_L2TP_LINE)->IsWindowEnabled();
                pppoeEnabled = d.GetDlgItem(IDC_SETUP_PPPOE_LINE)->IsWindowEnabled();
                modes = Items(d, IDC_SETUP_MODE);
                lines = Items(d, IDC_SETUP_LINE);
            })
            .Ok();
    });
    EXPECT_FALSE(l2tpEnabled);
    EXPECT_FALSE(pppoeEnabled);
    EXPECT_EQ(modes, std::vector<std::string>{"Dial out"});
    EXPECT_EQ(lines, (std::vector<std::string>{"One line", "Line pool"}));
    EXPECT_EQ(out, (Outputs{1, 1, 1, 1}));

    // A dial variant falls back to dial; dial-on-demand's pool-only list gets both entries back.
    out = Run({}, [&](ui::DialogScript& s) {
        s.Choose(IDC_SETUP_MODE, 3)
            .Do([&](ui::CDialog& d) {
                EXPECT_EQ(Items(d, IDC_SETUP_LINE), std::vector<std::string>{"Line pool"});
            })
            .Click(IDC_SETUP_SLIP)
            .Do([&](ui::CDialog& d) { lines = Items(d, IDC_SETUP_LINE); })
            .Choose(IDC_SETUP_LINE, 1)
            .Ok();
    });
    EXPECT_EQ(lines, (std::vector<std::string>{"One line", "Line pool"}));
    EXPECT_EQ(out, (Outputs{1, 1, 1, 2}));

    // A receiver's pool is not offered to SLIP, and the line kind falls back to one line.
    out = Run({true}, [&](ui::DialogScript& s) {
        s.Choose(IDC_SETUP_LINE, 1)
            .Click(IDC_SETUP_SLIP)
            .Do([&](ui::CDialog& d) { lines = Items(d, IDC_SETUP_LINE); })
            .Ok();
    });
    EXPECT_EQ(lines, std::vector<std::string>{"One line"});
    EXPECT_EQ(out, (Outputs{1, 1, 2, 1}));

    // Back to PPP: the virtual services return and the mode list is whole again.
    out = Run({}, [&](ui::DialogScript& s) {
        s.Click(IDC_SETUP_SLIP)
            .Click(IDC_SETUP_PPP)
            .Do([&](ui::CDialog& d) {
                l2tpEnabled = d.GetDlgItem(IDC_SETUP_L2TP_LINE)->IsWindowEnabled();
                pppoeEnabled = d.GetDlgItem(IDC_SETUP_PPPOE_LINE)->IsWindowEnabled();
                modes = Items(d, IDC_SETUP_MODE);
            })
            .Click(IDC_SETUP_PPPOE_LINE)
            .Ok();
    });
    EXPECT_TRUE(l2tpEnabled);
    EXPECT_TRUE(pppoeEnabled);
    EXPECT_EQ(modes.size(), 4u);
    EXPECT_EQ(out, (Outputs{2, 3, 9, 8}));
}

TEST_F(SetupDialogTest, ModesRestrictTheLineChoices) {
    std::vector<std::string> afterVariant4, afterDial, afterL2TP;
    const Outputs out = Run({}, [&](ui::DialogScript& s) {
        s.Choose(IDC_SETUP_LINE, 1)
            .Choose(IDC_SETUP_MODE, 1)
            .Do([](ui::CDialog& d) {
                // Dial variant 3 after dial keeps the user's pool.
                EXPECT_EQ(d.ComboBox(IDC_SETUP_LINE).GetCurSel(), 1);
            })
            .Choose(IDC_SETUP_MODE, 2)
            .Do([&](ui::CDialog& d) { afterVariant4 = Items(d, IDC_SETUP_LINE); })
            .Choose(IDC_SETUP_MODE, 0)
            .Do([&](ui::CDialog& d) { afterDial = Items(d, IDC_SETUP_LINE); })
            .Click(IDC_SETUP_L2TP_LINE)
            .Do([&](ui::CDialog& d) { afterL2TP = Items(d, IDC_SETUP_LINE); })
            .Click(IDC_SETUP_SWITCHED_LINE)
            .Choose(IDC_SETUP_LINE, 1)
            .Ok();
    });
    EXPECT_EQ(afterVariant4, std::vector<std::string>{"One line"});
    EXPECT_EQ(afterDial, (std::vector<std::string>{"One line", "Line pool"}));
    EXPECT_EQ(afterL2TP, std::vector<std::string>{"One line"});
    EXPECT_EQ(out, (Outputs{2, 1, 1, 2}));
}

TEST_F(SetupDialogTest, WithoutTheExtraModesTheListsAreShorter) {
    std::vector<std::string> switched, l2tp;
    const Outputs out = Run({false, false}, [&](ui::DialogScript& s) {
        s.Do([&](ui::CDialog& d) { switched = Items(d, IDC_SETUP_MODE); })
            .Click(IDC_SETUP_L2TP_LINE)
            .Do([&](ui::CDialog& d) { l2tp = Items(d, IDC_SETUP_MODE); })
            .Ok();
    });
    EXPECT_EQ(switched.size(), 3u);
    EXPECT_EQ(l2tp, std::vector<std::string>{"Initiator"});
    EXPECT_EQ(out, (Outputs{2, 3, 5, 6}));
}

TEST_F(SetupDialogTest, CancelLeavesTheOutParametersAndHelpShowsTopics) {
    ScriptDriver driver;
    driver.When("CPointToPointProfileSetupDialog")
        .Help()
        .Help(IDC_SETUP_MODE)
        .Click(IDC_SETUP_SLIP)
        .Cancel();
    ui::ScopedDriver scoped(driver);
    Outputs out;
    Dialog dialog(nullptr, "MYSYS", false, true, true, true, &out.protocol, &out.lineService,
                  &out.mode, &out.lineKind);
    EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);
    EXPECT_EQ(out, Outputs{});
    const auto help = driver.GetTranscript().Of(ui::TranscriptEntry::Kind::Help);
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].topic, 31100u + 0x20000u);
    EXPECT_TRUE(help[0].found);
    EXPECT_EQ(help[1].topic, 31152u);
    EXPECT_TRUE(help[1].found);
}

}  // namespace
}  // namespace ptp::profiles
