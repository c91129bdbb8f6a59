#include <gtest/gtest.h>

#include "frame/point_to_point_bitmap_loader.h"
#include "frame/point_to_point_ext_app.h"
#include "platform/ui/message_box.h"
#include "platform/ui/script_driver.h"
#include "platform/ui/toolkit.h"
#include "tests/support/fake_console.h"
#include "tests/support/test_paths.h"

namespace ptp::frame {
namespace {

// The module object as the console starts it: its services installed, a script driver playing the
// user, so every message box lands in the transcript.
class ExtApp : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        m_services.resources =
            res::ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
        ASSERT_NE(m_services.resources, nullptr) << error;
        fw::SetConsoleServices(&m_services);
    }
    void TearDown() override {
        fw::SetConsoleServices(nullptr);
        ui::SetResourceModule(nullptr);
    }

    testing::FakeConsoleServices m_services;
    ui::ScriptDriver m_driver;
    ui::ScopedDriver m_scoped{m_driver};
};

TEST_F(ExtApp, StartsWithTheConsolesResourcesAndShowsBoxesInTheConsolesStyle) {
    CPointToPointExtApp app;
    ASSERT_EQ(app.InitInstance(), TRUE);
    EXPECT_EQ(app.m_strAppName, m_services.resources->String(57344));
    EXPECT_FALSE(app.m_strAppName.empty());
    EXPECT_EQ(app.m_strHelpFilePath, "VELTRIPA.HLP");
    EXPECT_EQ(app.State().resources, m_services.resources);
    EXPECT_EQ(ui::GetResourceModule(), m_services.resources);
    EXPECT_EQ(app.State().com.Factories().size(), 4u);

    m_driver.AnswerMessageBoxes({ui::IDOK});
    EXPECT_EQ(ui::AfxMessageBox(27992, ui::MB_ICONWARNING), ui::IDOK);
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].resourceId, 27992u);
    EXPECT_EQ(boxes[0].text, m_services.resources->String(27992));
    EXPECT_EQ(m_services.stylesAsked, std::vector<UINT>{48});
    EXPECT_EQ(boxes[0].style, 48u | 0x1000u) << "the console's style is used";

    app.ExitInstance();
    EXPECT_EQ(app.m_strAppName, "");
    EXPECT_EQ(app.m_strHelpFilePath, "");
    EXPECT_TRUE(app.State().com.Factories().empty());
}

TEST_F(ExtApp, BitmapsLoadFromTheNamedLibraryOrTheUserIsTold) {
    CPointToPointExtApp app;
    ASSERT_EQ(app.InitInstance(), TRUE);
    fw::ModuleStateScope scope(app.State());

    const auto modem = CPointToPointBitmapLoader::Load("libptpres.so", 28078);
    ASSERT_TRUE(modem);
    EXPECT_EQ(modem->width, 16);
    EXPECT_EQ(modem->image.rfind("data:image/svg+xml", 0), 0u);
    EXPECT_TRUE(m_driver.GetTranscript().MessageBoxes().empty());

    EXPECT_FALSE(CPointToPointBitmapLoader::Load("libptpres.so", 1));
    EXPECT_FALSE(CPointToPointBitmapLoader::Load("libmissing.so", 28078));
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.resourceId, 27992u);
        EXPECT_EQ(m_services.stylesAsked.back(), 48u);
        EXPECT_EQ(box.text, m_services.resources->String(27992));
    }
    app.ExitInstance();
}

}  // namespace
}  // namespace ptp::frame
