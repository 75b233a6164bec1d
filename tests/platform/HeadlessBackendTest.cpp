#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

class HeadlessTest : public ::testing::Test {
protected:
    WindowId Open(int x = 100, int y = 50, int w = 40, int h = 30) {
        WindowSpec spec;
        spec.title = "Kelvaro 1.0.5";
        spec.x = x;
        spec.y = y;
        spec.width = w;
        spec.height = h;
        return backend.CreateWindow(spec);
    }
    Event Next() {
        Event e;
        EXPECT_TRUE(backend.PollEvent(e));
        return e;
    }
    HeadlessBackend backend;
};

TEST_F(HeadlessTest, ClockMovesOnlyWhenAdvancedOrWaitingIdle) {
    EXPECT_EQ(backend.NowMs(), HeadlessBackend::kStartMs);
    backend.AdvanceClock(250);
    EXPECT_EQ(backend.NowMs(), HeadlessBackend::kStartMs + 250);

    Event e;
    EXPECT_FALSE(backend.WaitEvent(e, 200));  // nothing queued: time passes instead
    EXPECT_EQ(backend.NowMs(), HeadlessBackend::kStartMs + 450);
    EXPECT_FALSE(backend.WaitEvent(e, -1));   // never blocks, never moves the clock
    EXPECT_EQ(backend.NowMs(), HeadlessBackend::kStartMs + 450);

    const WindowId w = Open();
    backend.Key(w, kVkF1);
    EXPECT_TRUE(backend.WaitEvent(e, 1000));  // a queued event costs no time
    EXPECT_EQ(backend.NowMs(), HeadlessBackend::kStartMs + 450);
}

TEST_F(HeadlessTest, SecondsRunWithTheVirtualClockAndCanBeFixed) {
    backend.SetSecondsOfMinute(58);
    EXPECT_EQ(backend.SecondsOfMinute(), 58);
    backend.AdvanceClock(1999);
    EXPECT_EQ(backend.SecondsOfMinute(), 59);
    backend.AdvanceClock(1);
    EXPECT_EQ(backend.SecondsOfMinute(), 0);  // wraps at the minute
    backend.SetSecondsHook([] { return 17; });
    EXPECT_EQ(backend.SecondsOfMinute(), 17);
    backend.SetSecondsHook(nullptr);
    EXPECT_EQ(backend.SecondsOfMinute(), 0);
}

TEST_F(HeadlessTest, ScriptedInputArrivesInOrderAndMovesThePointer) {
    const WindowId w = Open(100, 50);
    backend.Click(w, 7, 9, kRightButton, kShiftMask);
    backend.Char(w, U'y');

    Event down = Next();
    EXPECT_EQ(down.type, EventType::MouseDown);
    EXPECT_EQ(down.window, w);
    EXPECT_EQ(down.x, 7);
    EXPECT_EQ(down.y, 9);
    EXPECT_EQ(down.button, kRightButton);
    EXPECT_EQ(down.shift, kShiftMask);
    EXPECT_EQ(backend.GlobalPointer(), (gfx::Point{107, 59}));
    EXPECT_EQ(backend.WindowUnderPointer(), w);
    EXPECT_EQ(Next().type, EventType::MouseUp);
    Event ch = Next();
    EXPECT_EQ(ch.type, EventType::Char);
    EXPECT_EQ(ch.ch, U'y');
    Event none;
    EXPECT_FALSE(backend.PollEvent(none));

    Event left;
    left.type = EventType::MouseLeft;
    left.window = w;
    backend.Push(left);
    Next();
    EXPECT_EQ(backend.WindowUnderPointer(), 0u);
}

TEST_F(HeadlessTest, KeyGivesDownAndUpButNoCharacter) {
    const WindowId w = Open();
    backend.Key(w, 'Y', kAltMask);
    Event down = Next();
    EXPECT_EQ(down.type, EventType::KeyDown);
    EXPECT_EQ(down.key, 'Y');
    EXPECT_EQ(down.shift, kAltMask);
    EXPECT_EQ(Next().type, EventType::KeyUp);
    EXPECT_EQ(backend.PendingEvents(), 0u);
}

TEST_F(HeadlessTest, PressOnDraggablePointBecomesDragAndReleaseIsSwallowed) {
    const WindowId w = Open();
    backend.SetHitTest(w, [](int, int y) { return y < 10; });
    backend.Click(w, 5, 3);       // on the title strip
    backend.Click(w, 5, 20);      // below it
    backend.Click(w, 5, 3, kRightButton);  // right button never drags

    Event drag = Next();
    EXPECT_EQ(drag.type, EventType::DragStarted);
    EXPECT_EQ(drag.x, 5);
    EXPECT_EQ(drag.y, 3);
    EXPECT_EQ(Next().type, EventType::MouseDown);  // the release of the drag is gone
    EXPECT_EQ(Next().type, EventType::MouseUp);
    EXPECT_EQ(Next().type, EventType::MouseDown);
    EXPECT_EQ(Next().type, EventType::MouseUp);

    backend.MoveWindowByUser(w, 300, 200);
    Event moved = Next();
    EXPECT_EQ(moved.type, EventType::Moved);
    EXPECT_EQ(moved.x, 300);
    EXPECT_EQ(backend.GetWindowPosition(w), (gfx::Point{300, 200}));
}

TEST_F(HeadlessTest, WindowStateChangesAreRecordedWithEvents) {
    const WindowId w = Open();
    EXPECT_FALSE(backend.Window(w).shown);
    backend.ShowWindow(w);
    EXPECT_EQ(Next().type, EventType::Shown);
    EXPECT_EQ(Next().type, EventType::Exposed);
    backend.MinimizeWindow(w);
    EXPECT_TRUE(backend.IsMinimized(w));
    EXPECT_EQ(Next().type, EventType::Minimized);
    backend.RestoreWindow(w);
    EXPECT_FALSE(backend.IsMinimized(w));
    EXPECT_EQ(Next().type, EventType::Restored);

    backend.SetWindowTitle(w, "About");
    backend.SetWindowPosition(w, -5, 7);
    backend.SetWindowShape(w, gfx::Region::FromRect(0, 0, 10, 10));
    EXPECT_EQ(backend.Window(w).title, "About");
    EXPECT_EQ(backend.GetWindowPosition(w), (gfx::Point{-5, 7}));
    EXPECT_TRUE(backend.Window(w).hasShape);
    EXPECT_TRUE(backend.Window(w).shape.Contains(9, 9));
    EXPECT_FALSE(backend.Window(w).shape.Contains(10, 9));
}

TEST_F(HeadlessTest, PresentCopiesOnlyTheDirtyRectangles) {
    const WindowId w = Open(0, 0, 4, 3);
    gfx::Bitmap frame(4, 3, gfx::Rgb(255, 0, 0));
    backend.Present(w, frame, {gfx::Rect{1, 1, 3, 2}, gfx::Rect{3, 2, 9, 9}});
    const gfx::Bitmap& screen = backend.Screen(w);
    EXPECT_EQ(screen.GetPixel(1, 1), 0x0000FFu);
    EXPECT_EQ(screen.GetPixel(2, 1), 0x0000FFu);
    EXPECT_EQ(screen.GetPixel(3, 1), 0u);        // outside both rectangles
    EXPECT_EQ(screen.GetPixel(3, 2), 0x0000FFu);  // clipped rectangle still copied
    EXPECT_EQ(screen.GetPixel(0, 0), 0u);
    EXPECT_EQ(backend.Window(w).presentCount, 1);
}

TEST_F(HeadlessTest, EffectsAreRecorded) {
    const WindowId w = Open();
    backend.PlaySound("/opt/kelvaro/hit.wav");
    backend.PlaySound("/opt/kelvaro/and.wav");
    backend.OpenURL("file:///opt/kelvaro/help.html");
    backend.SetCursor(Cursor::Hand);
    backend.CaptureMouse(w);
    EXPECT_EQ(backend.Sounds(), (std::vector<std::string>{"/opt/kelvaro/hit.wav", "/opt/kelvaro/and.wav"}));
    EXPECT_EQ(backend.URLs(), (std::vector<std::string>{"file:///opt/kelvaro/help.html"}));
    EXPECT_EQ(backend.CurrentCursor(), Cursor::Hand);
    EXPECT_EQ(backend.Captured(), w);
    backend.DestroyWindow(w);
    EXPECT_EQ(backend.Captured(), 0u);
    EXPECT_FALSE(backend.Exists(w));
    EXPECT_TRUE(backend.OpenWindows().empty());
}

TEST_F(HeadlessTest, IdleHookCanAnswerAWait) {
    const WindowId w = Open();
    int calls = 0;
    backend.SetIdleHook([&](HeadlessBackend& b) {
        if (++calls == 2) b.Key(w, kVkReturn);
    });
    Event e;
    EXPECT_FALSE(backend.WaitEvent(e, 100));
    EXPECT_TRUE(backend.WaitEvent(e, 100));
    EXPECT_EQ(e.key, kVkReturn);
    EXPECT_EQ(backend.NowMs(), HeadlessBackend::kStartMs + 100);
}

TEST_F(HeadlessTest, PointerPlacementFindsTheTopShownWindowInsideItsShape) {
    const WindowId main = Open(0, 0, 100, 100);
    const WindowId box = Open(20, 20, 30, 30);
    backend.ShowWindow(main);
    backend.ShowWindow(box);
    backend.SetWindowShape(main, gfx::Region::FromRect(0, 0, 90, 90));
    backend.SetPointer(25, 25);
    EXPECT_EQ(backend.WindowUnderPointer(), box);
    backend.SetPointer(10, 10);
    EXPECT_EQ(backend.WindowUnderPointer(), main);
    backend.SetPointer(95, 95);  // inside the rectangle, outside the outline
    EXPECT_EQ(backend.WindowUnderPointer(), 0u);
    EXPECT_EQ(backend.ScreenSize(), (gfx::Point{1024, 768}));
}

}  // namespace
}  // namespace platform
