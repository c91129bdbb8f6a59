#include "platform/com/loader.h"

#include <gtest/gtest.h>

#include "platform/com/class_factory.h"
#include "platform/com/registry.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"

namespace ptp {
namespace {

const CLSID kCounterClass = GuidFromString("{5A1D3E70-0C47-4B2B-9F0E-2B7C9A300001}");
const std::string kServer = ptp::test::BinDir() + "/libptp_test_server.so";

class Loader : public ::testing::Test {
  protected:
    void SetUp() override { SetRegistryDirectory(m_folder.Path().string()); }
    void TearDown() override {
        SetRegistryDirectory("");
        EXPECT_EQ(OpenRegistryKeyCount(), 0u);
    }

    testing::TempFolder m_folder;
};

TEST_F(Loader, CreatesObjectsByClassIdAndUnloadsOnlyWhenTheModuleAgrees) {
    ComLoader loader;
    IUnknown* object = nullptr;
    EXPECT_EQ(loader.CreateInstance(kCounterClass, IID_IUnknown, reinterpret_cast<void**>(&object)),
              REGDB_E_CLASSNOTREG);

    std::string error;
    ASSERT_EQ(ComLoader::RegisterServer(kServer, &error), S_OK) << error;
    const auto classes = ComLoader::RegisteredClasses();
    ASSERT_EQ(classes.size(), 1u);
    EXPECT_EQ(classes[0].clsid, kCounterClass);
    EXPECT_EQ(classes[0].progId, "Test.Counter");
    EXPECT_EQ(classes[0].libraryPath, kServer);

    ASSERT_EQ(loader.CreateInstance(kCounterClass, IID_IUnknown, reinterpret_cast<void**>(&object)),
              S_OK);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(loader.CanUnloadNow(kServer), S_FALSE);
    EXPECT_EQ(loader.FreeUnusedLibraries(), 0u);
    EXPECT_TRUE(loader.IsLoaded(kServer));

    // A held factory and a server lock each keep the library as an object does.
    IClassFactory* factory = nullptr;
    ASSERT_EQ(
        loader.GetClassObject(kCounterClass, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
        S_OK);
    object->Release();
    EXPECT_EQ(loader.CanUnloadNow(kServer), S_FALSE);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    factory->Release();
    EXPECT_EQ(loader.CanUnloadNow(kServer), S_FALSE);
    ASSERT_EQ(
        loader.GetClassObject(kCounterClass, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
        S_OK);
    EXPECT_EQ(factory->CreateInstance(factory, IID_IUnknown, reinterpret_cast<void**>(&object)),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    factory->Release();

    EXPECT_EQ(loader.CanUnloadNow(kServer), S_OK);
    EXPECT_EQ(loader.FreeUnusedLibraries(), 1u);
    EXPECT_FALSE(loader.IsLoaded(kServer));
}

TEST_F(Loader, ReportsClassesItCannotReach) {
    ComLoader loader;
    void* object = nullptr;
    const CLSID other = GuidFromString("{5A1D3E70-0C47-4B2B-9F0E-2B7C9A300002}");

    // Registered, but the library is gone.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\" + FormatGuid(other) + "\\InprocServer32",
                             KEY_WRITE, &key),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, "", m_folder / "missing.so"), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(loader.CreateInstance(other, IID_IUnknown, &object), CO_E_DLLNOTFOUND);
    EXPECT_FALSE(loader.LastError().empty());

    // Registered to a library that does not hold the class.
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\" + FormatGuid(other) + "\\InprocServer32",
                             KEY_WRITE, &key),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, "", kServer), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(loader.CreateInstance(other, IID_IUnknown, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);

    std::string error;
    EXPECT_EQ(ComLoader::RegisterServer(m_folder / "missing.so", &error), CO_E_DLLNOTFOUND);
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace ptp
