#include <fstream>

#include "tests/frame/loaded_plugin.h"

namespace ptp::frame {
namespace {

using testing::LoadedPlugin;

class PluginLoading : public LoadedPlugin {};

TEST_F(PluginLoading, RegistersItsFourClassesWithProgramIdsAndPath) {
    const auto classes = ComLoader::RegisteredClasses();
    ASSERT_EQ(classes.size(), 4u);
    const std::pair<CLSID, std::string_view> expected[] = {
        {CLSID_GroupAccessPoliciesData, kProgIdGroupAccessPoliciesData},
        {CLSID_ModemsData, kProgIdModemsData},
        {CLSID_ProfilesData, kProgIdProfilesData},
        {CLSID_PointToPointExtInterfaces, kProgIdPointToPointExtInterfaces},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(classes[i].clsid, expected[i].first);
        EXPECT_EQ(classes[i].progId, expected[i].second);
        EXPECT_EQ(classes[i].libraryPath, testing::kPlugin);
    }
    // The program id leads back to the class id, as a console that starts from it expects.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, std::string(kProgIdProfilesData) + "\\CLSID", 0,
                           KEY_READ, &key),
              ERROR_SUCCESS);
    std::string clsid;
    EXPECT_EQ(RegQueryValueEx(key, "", &clsid), ERROR_SUCCESS);
    EXPECT_EQ(clsid, "{A206FAC2-B636-11D0-8E51-444553540000}");
    RegCloseKey(key);
}

TEST_F(PluginLoading, TheExtensionAnswersForItsFourInterfacesWithOneIdentity) {
    auto* init = Create<fw::IShellExtInit>(CLSID_PointToPointExtInterfaces, fw::IID_IShellExtInit);
    ASSERT_NE(init, nullptr);

    void* menu = nullptr;
    void* sheet = nullptr;
    void* tasks = nullptr;
    void* identity = nullptr;
    void* again = nullptr;
    ASSERT_EQ(init->QueryInterface(fw::IID_IContextMenu, &menu), S_OK);
    ASSERT_EQ(init->QueryInterface(fw::IID_IShellPropSheetExt, &sheet), S_OK);
    ASSERT_EQ(init->QueryInterface(fw::IID_IR8TasksManagerW, &tasks), S_OK);
    ASSERT_EQ(init->QueryInterface(IID_IUnknown, &identity), S_OK);
    EXPECT_NE(menu, static_cast<void*>(init));
    EXPECT_NE(menu, sheet);
    EXPECT_NE(sheet, tasks);

    // Every nested interface leads to the same object and its siblings.
    auto* contextMenu = static_cast<fw::IContextMenu*>(menu);
    ASSERT_EQ(contextMenu->QueryInterface(IID_IUnknown, &again), S_OK);
    EXPECT_EQ(again, identity);
    static_cast<IUnknown*>(again)->Release();
    ASSERT_EQ(
        static_cast<fw::IR8TasksManagerW*>(tasks)->QueryInterface(fw::IID_IShellExtInit, &again),
        S_OK);
    EXPECT_EQ(again, static_cast<void*>(init));
    static_cast<IUnknown*>(again)->Release();

    void* none = &again;
    EXPECT_EQ(contextMenu->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(init->QueryInterface(fw::IID_IFolderListData, &none), E_NOINTERFACE);

    // The property-sheet extension adds no pages to the console's sheets.
    auto* pages = static_cast<fw::IShellPropSheetExt*>(sheet);
    EXPECT_EQ(pages->AddPages(nullptr, 0), E_NOTIMPL);
    EXPECT_EQ(pages->AddPages([](fw::HPROPSHEETPAGE, LPARAM) -> BOOL { return TRUE; }, 7),
              E_NOTIMPL);
    EXPECT_EQ(pages->ReplacePage(1, nullptr, 0), E_NOTIMPL);

    // One shared count: the object lives until the last reference through any interface goes.
    init->Release();
    contextMenu->Release();
    pages->Release();
    static_cast<IUnknown*>(identity)->Release();
    EXPECT_EQ(m_loader.CanUnloadNow(testing::kPlugin), S_FALSE);
    static_cast<fw::IR8TasksManagerW*>(tasks)->Release();
    EXPECT_EQ(m_loader.CanUnloadNow(testing::kPlugin), S_OK);
}

TEST_F(PluginLoading, StaysLoadedWhileAnyObjectOrLockLives) {
    const CLSID dataClasses[] = {CLSID_ProfilesData, CLSID_ModemsData,
                                 CLSID_GroupAccessPoliciesData};
    std::vector<fw::IFolderListData*> lists;
    for (const CLSID& clsid : dataClasses) {
        auto* data = Create<fw::IFolderListData>(clsid, fw::IID_IFolderListData);
        ASSERT_NE(data, nullptr) << FormatGuid(clsid);
        void* none = nullptr;
        EXPECT_EQ(data->QueryInterface(fw::IID_IShellExtInit, &none), E_NOINTERFACE);
        lists.push_back(data);
    }
    auto* extension = Create<IUnknown>(CLSID_PointToPointExtInterfaces, IID_IUnknown);
    ASSERT_NE(extension, nullptr);

    const auto canUnload = [&] { return m_loader.CanUnloadNow(testing::kPlugin); };
    EXPECT_EQ(canUnload(), S_FALSE);
    for (auto* data : lists) {
        data->Release();
        EXPECT_EQ(canUnload(), S_FALSE) << "the extension object still lives";
    }
    IClassFactory* factory = nullptr;
    ASSERT_EQ(m_loader.GetClassObject(CLSID_ModemsData, IID_IClassFactory,
                                      reinterpret_cast<void**>(&factory)),
              S_OK);
    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    factory->Release();
    extension->Release();
    EXPECT_EQ(canUnload(), S_FALSE) << "the lock is still held";
    ASSERT_EQ(m_loader.GetClassObject(CLSID_ModemsData, IID_IClassFactory,
                                      reinterpret_cast<void**>(&factory)),
              S_OK);
    ASSERT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(canUnload(), S_FALSE) << "the factory is still held";
    factory->Release();
    EXPECT_EQ(canUnload(), S_OK);
    EXPECT_EQ(m_loader.FreeUnusedLibraries(), 1u);
    EXPECT_FALSE(m_loader.IsLoaded(testing::kPlugin));

    // Loaded again, it starts from scratch.
    auto* again = Create<IUnknown>(CLSID_ModemsData, IID_IUnknown);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(canUnload(), S_FALSE);
    again->Release();
}

TEST_F(PluginLoading, UnknownClassesAreNotAvailable) {
    void* object = nullptr;
    // Registered to this library, but not one of its classes.
    const CLSID stranger = GuidFromString("{A206FAC4-B636-11D0-8E51-444553540000}");
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\" + FormatGuid(stranger) + "\\InprocServer32",
                       KEY_WRITE, &key),
        ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, "", testing::kPlugin), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(m_loader.CreateInstance(stranger, IID_IUnknown, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
}

TEST_F(PluginLoading, RegisterServerSucceedsEvenWhenTheRegistryCannotBeWritten) {
    std::ofstream(m_folder / "plain-file") << "x";
    SetRegistryDirectory(m_folder / "plain-file/registry");
    std::string error;
    EXPECT_EQ(ComLoader::RegisterServer(testing::kPlugin, &error), S_OK) << error;
    EXPECT_TRUE(ComLoader::RegisteredClasses().empty());
}

}  // namespace
}  // namespace ptp::frame
