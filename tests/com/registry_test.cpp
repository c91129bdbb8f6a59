#include "platform/com/registry.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <fstream>

#include "tests/support/temp_folder.h"

namespace ptp {
namespace {

class Registry : public ::testing::Test {
  protected:
    void SetUp() override { SetRegistryDirectory(m_folder.Path().string()); }
    void TearDown() override {
        SetRegistryDirectory("");
        EXPECT_EQ(OpenRegistryKeyCount(), 0u) << "a test leaked a key handle";
    }

    testing::TempFolder m_folder;
};

std::string Value(HKEY parent, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(parent, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
    std::string value;
    const LSTATUS status = RegQueryValueEx(key, name, &value);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? value : "<no value>";
}

TEST_F(Registry, KeysAndValuesSurviveInTheFileAndCompareWithoutCase) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\{ABC}\\InprocServer32", KEY_WRITE, &key),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(key, "", "/lib/x.so"), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(key, "ThreadingModel", "Apartment"), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);

    EXPECT_TRUE(std::filesystem::exists(m_folder.Path() / "registry.json"));
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "clsid\\{abc}\\inprocserver32", ""), "/lib/x.so");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "CLSID\\{ABC}\\InprocServer32", "ThreadingModel"),
              "Apartment");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "CLSID\\{ABC}\\InprocServer32", "Other"), "<no value>");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "CLSID\\{ABD}", ""), "<no key>");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, "CLSID\\{ABC}\\InprocServer32", ""), "<no key>");

    // The keys between the root and the created key exist and enumerate in order.
    HKEY clsid = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, &clsid), ERROR_SUCCESS);
    HKEY created = nullptr;
    ASSERT_EQ(RegCreateKeyEx(clsid, "{AAA}", KEY_WRITE, &created), ERROR_ACCESS_DENIED);
    EXPECT_EQ(created, nullptr);
    std::string name;
    EXPECT_EQ(RegEnumKey(clsid, 0, &name), ERROR_SUCCESS);
    EXPECT_EQ(name, "{ABC}");
    EXPECT_EQ(RegEnumKey(clsid, 1, &name), ERROR_NO_MORE_ITEMS);
    RegCloseKey(clsid);
}

TEST_F(Registry, ReopeningAKeyWithMaximumAllowedGivesANewHandleThatCanWrite) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "Some.ProgId", KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(key, "", "x"), ERROR_ACCESS_DENIED);
    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyEx(key, "", 0, MAXIMUM_ALLOWED, &again), ERROR_SUCCESS);
    EXPECT_NE(again, key);
    EXPECT_EQ(OpenRegistryKeyCount(), 2u);
    EXPECT_EQ(RegSetValueEx(again, "", "written"), ERROR_SUCCESS);
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "Some.ProgId", ""), "written");
    RegCloseKey(key);
    RegCloseKey(again);

    HKEY none = reinterpret_cast<HKEY>(&key);
    EXPECT_EQ(RegOpenKeyEx(none, "", 0, MAXIMUM_ALLOWED, &again), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "a\\\\b", 0, KEY_READ, &again),
              ERROR_INVALID_PARAMETER);
}

TEST_F(Registry, DeleteTreeRemovesTheKeyAndEverythingBelowOnly) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\{A}\\InprocServer32", KEY_WRITE, &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\{AB}", KEY_WRITE, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteTree(HKEY_CLASSES_ROOT, "CLSID\\{A}"), ERROR_SUCCESS);
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "CLSID\\{A}\\InprocServer32", ""), "<no key>");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "CLSID\\{AB}", ""), "<no value>");
    EXPECT_EQ(RegDeleteTree(HKEY_CLASSES_ROOT, "CLSID\\{A}"), ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, FailuresAreReportedNotThrown) {
    // A folder that cannot be created: its parent is a file.
    std::ofstream(m_folder / "plain-file") << "x";
    SetRegistryDirectory(m_folder / "plain-file/registry");
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\{A}", KEY_WRITE, &key), ERROR_WRITE_FAULT);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);

    // A damaged file is neither read nor overwritten.
    SetRegistryDirectory(m_folder.Path().string());
    std::ofstream(m_folder / "registry.json") << "{ not json";
    EXPECT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\{A}", KEY_WRITE, &key), ERROR_READ_FAULT);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, &key), ERROR_READ_FAULT);
    std::ifstream in(m_folder / "registry.json");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "{ not json");
}

TEST_F(Registry, TheEnvironmentNamesTheFolderWhenNoneIsSet) {
    SetRegistryDirectory("");
    const char* previous = std::getenv("PTP_REGISTRY_DIR");
    const std::string saved = previous ? previous : "";
    ::setenv("PTP_REGISTRY_DIR", (m_folder / "from-env").c_str(), 1);
    EXPECT_EQ(RegistryFilePath(), m_folder / "from-env/registry.json");
    ::setenv("PTP_REGISTRY_DIR", "", 1);
    ::setenv("XDG_CONFIG_HOME", (m_folder / "config").c_str(), 1);
    EXPECT_EQ(RegistryDirectory(), m_folder / "config/ptpconsole");
    if (previous) {
        ::setenv("PTP_REGISTRY_DIR", saved.c_str(), 1);
    } else {
        ::unsetenv("PTP_REGISTRY_DIR");
    }
}

TEST_F(Registry, TwoProcessesWritingAtOnceLoseNoUpdate) {
    constexpr int kWrites = 40;
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = ::fork();
        ASSERT_GE(children[child], 0);
        if (children[child] != 0) continue;
        int failures = 0;
        for (int i = 0; i < kWrites; ++i) {
            HKEY key = nullptr;
            const std::string path = "Writer" + std::to_string(child);
            if (RegCreateKeyEx(HKEY_CLASSES_ROOT, path, KEY_WRITE, &key) != ERROR_SUCCESS) {
                ++failures;
                continue;
            }
            if (RegSetValueEx(key, "v" + std::to_string(i), std::to_string(i)) != ERROR_SUCCESS) {
                ++failures;
            }
            RegCloseKey(key);
        }
        ::_exit(failures == 0 ? 0 : 1);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int child = 0; child < 2; ++child) {
        for (int i = 0; i < kWrites; ++i) {
            EXPECT_EQ(
                Value(HKEY_CLASSES_ROOT, "Writer" + std::to_string(child), "v" + std::to_string(i)),
                std::to_string(i));
        }
    }
}

// A reader keeps what it read while the file stays the same, and sees at once what another
// process wrote since: every value read back after each of the other's writes is the new one.
TEST_F(Registry, AReaderSeesEachChangeAnotherProcessWrites) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "Shared", KEY_WRITE, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, "v", "0"), ERROR_SUCCESS);
    RegCloseKey(key);
    for (int round = 1; round <= 5; ++round) {
        EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "Shared", "v"), std::to_string(round - 1));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            HKEY shared = nullptr;
            const bool written =
                RegOpenKeyEx(HKEY_CLASSES_ROOT, "Shared", 0, KEY_WRITE, &shared) == ERROR_SUCCESS &&
                RegSetValueEx(shared, "v", std::to_string(round)) == ERROR_SUCCESS;
            ::_exit(written ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "Shared", "v"), std::to_string(round));
    }
    // Gone from under the reader, the keys are gone for it too.
    std::filesystem::remove(RegistryFilePath());
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "Shared", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

// Setting a value to what it already is leaves the file as it is: a program registering itself
// on every start does not rewrite the registry each time.
TEST_F(Registry, SettingTheSameValueAgainWritesNothing) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "Same", KEY_WRITE, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, "v", "1"), ERROR_SUCCESS);
    struct stat before {};
    ASSERT_EQ(::stat(RegistryFilePath().c_str(), &before), 0);
    ASSERT_EQ(RegSetValueEx(key, "v", "1"), ERROR_SUCCESS);
    struct stat after {};
    ASSERT_EQ(::stat(RegistryFilePath().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "a rewrite renames a new file in";
    ASSERT_EQ(RegSetValueEx(key, "v", "2"), ERROR_SUCCESS);
    ASSERT_EQ(::stat(RegistryFilePath().c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "Same", "v"), "2");
    RegCloseKey(key);
}

}  // namespace
}  // namespace ptp
