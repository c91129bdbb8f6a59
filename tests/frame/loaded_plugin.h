#pragma once
// A console's view of the plug-in: a registry in a temp folder, the console's services installed,
// libptpext.so registered and created through the registry by class id.
#include <gtest/gtest.h>

#include "frame/class_ids.h"
#include "platform/com/loader.h"
#include "platform/com/registry.h"
#include "platform/framework/console_services.h"
#include "tests/support/fake_console.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"

namespace ptp::testing {

inline const std::string kPlugin = ptp::test::BinDir() + "/libptpext.so";

class LoadedPlugin : public ::testing::Test {
  protected:
    void SetUp() override {
        SetRegistryDirectory(m_folder.Path().string());
        std::string error;
        m_services.resources =
            res::ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
        ASSERT_NE(m_services.resources, nullptr) << error;
        fw::SetConsoleServices(&m_services);
        fw::SetServerFacts(&m_facts);
        ASSERT_EQ(ComLoader::RegisterServer(kPlugin, &error), S_OK) << error;
    }
    void TearDown() override {
        m_loader.FreeUnusedLibraries();
        fw::SetConsoleServices(nullptr);
        fw::SetServerFacts(nullptr);
        SetRegistryDirectory("");
        EXPECT_EQ(OpenRegistryKeyCount(), 0u) << "a registry key was left open";
    }

    template <typename Interface>
    Interface* Create(REFCLSID clsid, REFIID iid) {
        void* object = nullptr;
        EXPECT_EQ(m_loader.CreateInstance(clsid, iid, &object), S_OK) << m_loader.LastError();
        return static_cast<Interface*>(object);
    }

    TempFolder m_folder;
    FakeConsoleServices m_services;
    RecordingServerFacts m_facts;
    ComLoader m_loader;
};

}  // namespace ptp::testing
