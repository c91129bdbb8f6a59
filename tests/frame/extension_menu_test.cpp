// The extension's context menu as a console with a selection of its own sees it: a walk over
// items of several systems that stops at an unreadable item, and the menus of folders in the
// console's tree, which are the console's.
#include "platform/framework/console_menu.h"
#include "platform/framework/shared_allocator.h"
#include "tests/frame/loaded_plugin.h"

namespace ptp::frame {
namespace {

using testing::FakeListRecord;

constexpr UINT kObjectMenu = 0x40000;
constexpr UINT kNewObjectMenu = 0x10000;

struct MenuLine {
    std::string text;
    bool greyed = false;
    bool separator = false;

    bool operator==(const MenuLine&) const = default;
    friend void PrintTo(const MenuLine& line, std::ostream* os) {
        *os << (line.separator ? "-" : line.text) << (line.greyed ? " (greyed)" : "");
    }
};

class ExtensionMenu : public testing::LoadedPlugin {
  protected:
    void SetUp() override {
        LoadedPlugin::SetUp();
        m_pInit = Create<fw::IShellExtInit>(CLSID_PointToPointExtInterfaces, fw::IID_IShellExtInit);
        ASSERT_NE(m_pInit, nullptr);
        void* menu = nullptr;
        ASSERT_EQ(m_pInit->QueryInterface(fw::IID_IContextMenu, &menu), S_OK);
        m_pMenu = static_cast<fw::IContextMenu*>(menu);
    }
    void TearDown() override {
        if (m_pMenu) m_pMenu->Release();
        if (m_pInit) m_pInit->Release();
        if (m_pFolder) fw::SharedFree(m_pFolder);
        LoadedPlugin::TearDown();
    }

    // The entries the extension puts into an empty menu, popup entries included.
    std::vector<MenuLine> Query(UINT flags) {
        fw::CConsoleMenu menu;
        m_lastResult = m_pMenu->QueryContextMenu(menu.Handle(), 0, 1, 0x7FFF, flags);
        std::vector<MenuLine> lines;
        AppendLines(menu, lines);
        return lines;
    }

    static void AppendLines(const fw::CConsoleMenu& menu, std::vector<MenuLine>& lines) {
        for (const auto& entry : menu.Entries()) {
            lines.push_back({entry.text, entry.greyed, entry.separator});
            if (entry.popup) AppendLines(*entry.popup, lines);
        }
    }

    std::string Text(UINT id) const { return m_services.resources->String(id); }
    MenuLine Greyed(UINT id) const { return {Text(id), true, false}; }

    fw::IShellExtInit* m_pInit = nullptr;
    fw::IContextMenu* m_pMenu = nullptr;
    testing::FakeSelection m_selection;
    fw::ITEMIDLIST* m_pFolder = nullptr;
    HRESULT m_lastResult = S_OK;
};

TEST_F(ExtensionMenu, AFailedAttributeReadEndsTheWalkAtThatItemAcrossSystems) {
    // A profile on SYS1 whose status cannot be read, then a modem on SYS2.
    FakeListRecord profile("PRF1", {{2, "2"}, {5, "*SYNC"}});
    profile.failing = {3};
    FakeListRecord modem("MDM1", {{1, "0"}});
    m_selection.AddItem("NPO", "SYS1", "PRF1", &profile);
    m_selection.AddItem("NMO", "SYS2", "MDM1", &modem);
    ASSERT_EQ(m_pInit->Initialize(nullptr, &m_selection.data, nullptr), S_OK);

    const MenuLine separator{"", false, true};
    // The profile's menu, everything greyed because the walk failed: the modem was never the
    // current item.
    EXPECT_EQ(
        Query(kObjectMenu),
        (std::vector<MenuLine>{Greyed(29279), Greyed(28011), Greyed(28012), Greyed(28013),
                               Greyed(28014), Greyed(29280), separator, Greyed(27788),
                               Greyed(27977), separator, Greyed(27584), separator, Greyed(27585)}));
    EXPECT_EQ(m_facts.authorityAsked, std::vector<std::string>{"SYS1"})
        << "the authority is the failing item's system's";
    EXPECT_EQ(m_selection.listData.asked,
              std::vector<std::string>{fw::ItemIdText("PRF1", "NPO", 0)})
        << "nothing is read past the failing item";
    EXPECT_TRUE(modem.reads.empty());
    EXPECT_EQ(profile.errorsDestroyed, 1);
}

TEST_F(ExtensionMenu, FolderMenusOfTheConsolesTreeGetNoEntries) {
    FakeListRecord profile("PRF1", {{2, "2"}, {3, "1"}, {5, "*SYNC"}});
    m_selection.AddItem("NPO", "SYS1", "PRF1", &profile);
    const std::uint16_t noLevels = 0;
    ASSERT_EQ(m_pInit->Initialize(reinterpret_cast<const fw::ITEMIDLIST*>(&noLevels),
                                  &m_selection.data, nullptr),
              S_OK);
    EXPECT_EQ(Query(kObjectMenu).size(), 13u) << "a folder list without levels has no path";
    EXPECT_EQ(HRESULT_CODE(m_lastResult), 12u);

    m_pFolder = fw::CreateItemId("\\\\", "QZY", 0);
    ASSERT_EQ(m_pInit->Initialize(m_pFolder, &m_selection.data, nullptr), S_OK);
    for (UINT flags : {kObjectMenu, kNewObjectMenu, UINT{fw::CMF_DEFAULTONLY}}) {
        EXPECT_TRUE(Query(flags).empty()) << flags;
        EXPECT_EQ(m_lastResult, S_OK) << "success, no command ids taken";
    }
    char verb[32] = "junk";
    EXPECT_EQ(m_pMenu->GetCommandString(0, fw::GCS_VERBW, nullptr, verb, sizeof verb), E_INVALIDARG)
        << "the command table is empty";
}

}  // namespace
}  // namespace ptp::frame
