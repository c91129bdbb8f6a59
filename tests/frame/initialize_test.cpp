#include "platform/framework/shared_allocator.h"
#include "tests/frame/loaded_plugin.h"

namespace ptp::frame {
namespace {

using testing::FakeDataObject;

class Initialize : public testing::LoadedPlugin {
  protected:
    void SetUp() override {
        LoadedPlugin::SetUp();
        m_pInit = Create<fw::IShellExtInit>(CLSID_PointToPointExtInterfaces, fw::IID_IShellExtInit);
        ASSERT_NE(m_pInit, nullptr);
        HKEY created = nullptr;
        ASSERT_EQ(
            RegCreateKeyEx(HKEY_CLASSES_ROOT, kProgIdPointToPointExtInterfaces, KEY_READ, &created),
            ERROR_SUCCESS);
        m_hProgIdKey = created;
    }
    void TearDown() override {
        if (m_pInit) m_pInit->Release();
        if (m_hProgIdKey) RegCloseKey(m_hProgIdKey);
        LoadedPlugin::TearDown();
    }

    fw::IShellExtInit* m_pInit = nullptr;
    HKEY m_hProgIdKey = nullptr;
};

TEST_F(Initialize, AFailedAttachReturnsEFailAndALaterInitializeWorks) {
    EXPECT_EQ(m_pInit->Initialize(nullptr, nullptr, nullptr), E_FAIL);
    FakeDataObject foreign;
    foreign.describesSelection = false;
    EXPECT_EQ(m_pInit->Initialize(nullptr, &foreign, m_hProgIdKey), E_FAIL);
    EXPECT_EQ(foreign.refs, 1u);
    EXPECT_TRUE(m_services.openedWithAccess.empty()) << "no key is opened after a failed attach";

    FakeDataObject first;
    EXPECT_EQ(m_pInit->Initialize(nullptr, &first, nullptr), S_OK);
    EXPECT_EQ(first.refs, 2u) << "the extension holds the selection";
    FakeDataObject second;
    EXPECT_EQ(m_pInit->Initialize(nullptr, &second, nullptr), S_OK);
    EXPECT_EQ(first.refs, 1u) << "the previous selection is let go";
    EXPECT_EQ(second.refs, 2u);

    m_pInit->Release();
    m_pInit = nullptr;
    EXPECT_EQ(second.refs, 1u);
}

TEST_F(Initialize, ReinitialisingClosesTheOldKeyAndOpensTheNewOneWithMaximumAllowed) {
    FakeDataObject data;
    EXPECT_EQ(OpenRegistryKeyCount(), 1u);
    ASSERT_EQ(m_pInit->Initialize(nullptr, &data, m_hProgIdKey), S_OK);
    EXPECT_EQ(OpenRegistryKeyCount(), 2u);
    ASSERT_EQ(m_services.openedWithAccess.size(), 1u);
    EXPECT_EQ(m_services.openedWithAccess[0], 0x02000000u);
    EXPECT_EQ(m_services.openedSubKeys[0], "");

    ASSERT_EQ(m_pInit->Initialize(nullptr, &data, m_hProgIdKey), S_OK);
    EXPECT_EQ(OpenRegistryKeyCount(), 2u) << "the first key must be closed";

    // A failed attach stops before the key step: the open key stays.
    EXPECT_EQ(m_pInit->Initialize(nullptr, nullptr, m_hProgIdKey), E_FAIL);
    EXPECT_EQ(OpenRegistryKeyCount(), 2u);

    ASSERT_EQ(m_pInit->Initialize(nullptr, &data, nullptr), S_OK);
    EXPECT_EQ(OpenRegistryKeyCount(), 1u) << "no key given: none kept";

    ASSERT_EQ(m_pInit->Initialize(nullptr, &data, m_hProgIdKey), S_OK);
    EXPECT_EQ(OpenRegistryKeyCount(), 2u);
    m_pInit->Release();
    m_pInit = nullptr;
    EXPECT_EQ(OpenRegistryKeyCount(), 1u) << "the destructor closes the key";
}

TEST_F(Initialize, KeepsItsOwnCopyOfTheFolderListUntilItGoes) {
    FakeDataObject data;
    const std::size_t before = fw::SharedAllocOutstanding();
    fw::ITEMIDLIST* folder = fw::CreateItemId("\\\\", "QZY", 0);
    ASSERT_EQ(m_pInit->Initialize(folder, &data, nullptr), S_OK);
    fw::SharedFree(folder);
    EXPECT_EQ(fw::SharedAllocOutstanding(), before + 1);
    ASSERT_EQ(m_pInit->Initialize(nullptr, &data, nullptr), S_OK);
    m_pInit->Release();
    m_pInit = nullptr;
    EXPECT_EQ(fw::SharedAllocOutstanding(), before);
}

}  // namespace
}  // namespace ptp::frame
