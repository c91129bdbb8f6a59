#include <gtest/gtest.h>

#include "frame/point_to_point_bitmap_loader.h"
#include "frame/point_to_point_ext_app.h"
#include "tests/support/fake_console.h"

namespace ptp::frame {
namespace {

TEST(PointToPointExtApp, StartsWithTheConsolesResourcesAndShowsBoxesInItsStyle) {
    testing::FakeConsoleServices services;
    std::string error;
    services.resources = res::ResourceModule::FromFiles(
        {{"t.json", R"({"strings":{"57344":"Remote Access","27992":"No picture"}})"}}, &error);
    ASSERT_NE(services.resources, nullptr) << error;
    fw::SetConsoleServices(&services);
    testing::RecordingPresenter presenter;
    fw::SetMessageBoxPresenter(&presenter);

    CPointToPointExtApp app;
    ASSERT_EQ(app.InitInstance(), TRUE);
    EXPECT_EQ(app.m_strTitle, "Remote Access");
    EXPECT_EQ(app.m_strHelpFilePath, "VELTRIPA.HLP");
    EXPECT_EQ(app.State().resources, services.resources);
    EXPECT_EQ(app.State().com.Factories().size(), 4u);
    {
        fw::ModuleStateScope scope(app.State());
        presenter.answer = fw::IDOK;
        EXPECT_EQ(fw::AfxMessageBox(27992, fw::MB_ICONWARNING), fw::IDOK);
    }
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "No picture");
    EXPECT_EQ(presenter.shown[0].caption, "Remote Access");
    EXPECT_EQ(services.stylesAsked, std::vector<UINT>{48});
    EXPECT_EQ(presenter.shown[0].style, 48u | 0x1000u) << "the console's style is used";

    app.ExitInstance();
    EXPECT_EQ(app.m_strTitle, "");
    EXPECT_EQ(app.m_strHelpFilePath, "");
    EXPECT_TRUE(app.State().com.Factories().empty());
    fw::SetMessageBoxPresenter(nullptr);
    fw::SetConsoleServices(nullptr);
}

TEST(PointToPointBitmapLoader, LoadsFromTheNamedLibraryOrTellsTheUser) {
    testing::RecordingPresenter presenter;
    fw::SetMessageBoxPresenter(&presenter);
    CPointToPointExtApp app;
    std::string error;
    app.State().resources =
        res::ResourceModule::LoadLibrary(std::string(PTP_BIN_DIR) + "/libptpres.so", &error);
    ASSERT_NE(app.State().resources, nullptr) << error;
    fw::ModuleStateScope scope(app.State());

    const auto modem = CPointToPointBitmapLoader::Load("libptpres.so", 28078);
    ASSERT_TRUE(modem);
    EXPECT_EQ(modem->width, 16);
    EXPECT_EQ(modem->image.rfind("data:image/svg+xml", 0), 0u);
    EXPECT_TRUE(presenter.shown.empty());

    EXPECT_FALSE(CPointToPointBitmapLoader::Load("libptpres.so", 1));
    EXPECT_FALSE(CPointToPointBitmapLoader::Load("libmissing.so", 28078));
    ASSERT_EQ(presenter.shown.size(), 2u);
    for (const auto& shown : presenter.shown) {
        EXPECT_EQ(shown.promptId, 27992u);
        EXPECT_EQ(shown.style, 48u);
        EXPECT_EQ(shown.text, app.State().resources->String(27992));
    }
    fw::SetMessageBoxPresenter(nullptr);
}

}  // namespace
}  // namespace ptp::frame
