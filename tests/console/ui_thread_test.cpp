#include "console/ui_thread.h"

#include <gtest/gtest.h>

#include <thread>

namespace ptp::console {
namespace {

TEST(UiThread, RunsWorkOnItsOwnThreadAndWaitsForIt) {
    UiThread ui;
    std::thread::id ran;
    int value = 0;
    EXPECT_EQ(ui.Run([&] {
        ran = std::this_thread::get_id();
        value = 42;
    }),
              UiThread::Outcome::Finished);
    EXPECT_EQ(value, 42);
    EXPECT_NE(ran, std::this_thread::get_id());
    EXPECT_EQ(ui.ModalDepth(), 0);
}

// A dialog keeps the thread in a modal loop; the caller learns that the work waits for the user,
// and later work (the user's answer) runs inside that loop and ends it.
TEST(UiThread, ModalLoopsHandBackControlAndRunLaterWork) {
    UiThread ui;
    bool answered = false;
    int depthInside = -1;
    std::string order;
    EXPECT_EQ(ui.Run([&] {
        order += "open;";
        ui.PumpUntil([&] { return answered; });
        order += "closed;";
    }),
              UiThread::Outcome::WaitingForUser);
    EXPECT_EQ(ui.ModalDepth(), 1);
    EXPECT_EQ(ui.Run([&] { depthInside = ui.ModalDepth(); }), UiThread::Outcome::Finished);
    EXPECT_EQ(depthInside, 1);

    // Answering ends the loop; Run returns only after the first work has finished too.
    EXPECT_EQ(ui.Run([&] {
        order += "answer;";
        answered = true;
    }),
              UiThread::Outcome::Finished);
    EXPECT_EQ(ui.Run([&] { order += "after;"; }), UiThread::Outcome::Finished);
    EXPECT_EQ(order, "open;answer;closed;after;");
    EXPECT_EQ(ui.ModalDepth(), 0);
}

TEST(UiThread, StoppingEndsOpenModalLoopsAndRefusesNewWork) {
    UiThread ui;
    bool closed = false;
    EXPECT_EQ(ui.Run([&] {
        ui.PumpUntil([] { return false; });
        closed = true;
    }),
              UiThread::Outcome::WaitingForUser);
    ui.Stop();
    EXPECT_TRUE(closed);
    EXPECT_EQ(ui.Run([] {}), UiThread::Outcome::Stopped);
}

}  // namespace
}  // namespace ptp::console
