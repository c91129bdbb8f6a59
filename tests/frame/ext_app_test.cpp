#include <gtest/gtest.h>

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

}  // namespace
}  // namespace ptp::frame
