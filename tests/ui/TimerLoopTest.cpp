// Timers and the loop on the virtual clock of the headless backend.
#include <gtest/gtest.h>

#include <vector>

#include "UiFixture.h"
#include "ui/Timer.h"

namespace ui::test {

class TimerLoopTest : public UiFixture {
protected:
    uint64_t Elapsed() { return app.Now() - platform::HeadlessBackend::kStartMs; }
};

TEST_F(TimerLoopTest, TicksEveryIntervalOfVirtualTime) {
    Timer t(app, "Timer1");
    std::vector<uint64_t> at;
    t.TimerEvent = [&] { at.push_back(Elapsed()); };
    t.SetInterval(200);
    t.SetEnabled(true);
    app.RunFor(1000);
    EXPECT_EQ(at, (std::vector<uint64_t>{200, 400, 600, 800, 1000}));
    EXPECT_EQ(Elapsed(), 1000u);
}

TEST_F(TimerLoopTest, DisabledOrZeroIntervalNeverFires) {
    Timer t(app);
    int ticks = 0;
    t.TimerEvent = [&] { ++ticks; };
    t.SetInterval(100);
    t.SetEnabled(true);
    t.SetEnabled(false);
    app.RunFor(1000);
    EXPECT_EQ(ticks, 0);
    t.SetInterval(0);
    t.SetEnabled(true);
    app.RunFor(1000);
    EXPECT_EQ(ticks, 0);
}

TEST_F(TimerLoopTest, EnablingAgainStartsAFreshInterval) {
    Timer t(app, "Timer2");
    std::vector<uint64_t> at;
    t.TimerEvent = [&] { at.push_back(Elapsed()); };
    t.SetInterval(1000);
    t.SetEnabled(true);
    app.RunFor(700);
    t.SetEnabled(true);  // already enabled: the interval starts again
    app.RunFor(999);
    EXPECT_TRUE(at.empty());
    app.RunFor(1);
    EXPECT_EQ(at, (std::vector<uint64_t>{1700}));
    // A pause in the middle of a unit: the unit starts again on resume.
    app.RunFor(400);
    t.SetEnabled(false);
    app.RunFor(5000);
    t.SetEnabled(true);
    app.RunFor(1000);
    EXPECT_EQ(at, (std::vector<uint64_t>{1700, 8100}));
}

TEST_F(TimerLoopTest, ChangingTheIntervalWhileEnabledRestarts) {
    Timer t(app);
    std::vector<uint64_t> at;
    t.TimerEvent = [&] { at.push_back(Elapsed()); };
    t.SetInterval(2500);
    t.SetEnabled(true);
    app.RunFor(2000);
    t.SetInterval(100);
    app.RunFor(250);
    EXPECT_EQ(at, (std::vector<uint64_t>{2100, 2200}));
}

TEST_F(TimerLoopTest, ClockOf151TicksAt100MsEndsAfter15100Ms) {
    Timer clock(app, "Timer2");
    int left = 150;
    uint64_t endedAt = 0;
    clock.SetInterval(100);
    clock.TimerEvent = [&] {
        if (left > 0) return void(--left);
        clock.SetEnabled(false);
        endedAt = Elapsed();
    };
    clock.SetEnabled(true);
    ASSERT_TRUE(app.RunUntil([&] { return endedAt != 0; }));
    EXPECT_EQ(endedAt, 15100u);
}

TEST_F(TimerLoopTest, RunUntilWaitsForTicksWithoutSpinning) {
    Timer t(app, "Timer1");
    int tickCount = 0;
    t.TimerEvent = [&] { ++tickCount; };
    t.SetInterval(200);
    t.SetEnabled(true);
    EXPECT_TRUE(app.RunUntil([&] { return tickCount >= 2; }));
    EXPECT_EQ(Elapsed(), 400u);
    t.SetEnabled(false);
    // Nothing scheduled and nothing queued: the wait gives up instead of hanging.
    EXPECT_FALSE(app.RunUntil([] { return false; }));
}

TEST_F(TimerLoopTest, HandlerRunningANestedLoopIsNotReentered) {
    Timer slow(app), fast(app);
    int slowRuns = 0, slowDepth = 0, maxDepth = 0, fastTicks = 0;
    slow.SetInterval(100);
    fast.SetInterval(30);
    slow.TimerEvent = [&] {
        ++slowRuns;
        maxDepth = std::max(maxDepth, ++slowDepth);
        if (slowRuns == 1) app.RunFor(1000);  // other timers go on ticking in here
        --slowDepth;
    };
    fast.TimerEvent = [&] { ++fastTicks; };
    slow.SetEnabled(true);
    fast.SetEnabled(true);
    app.RunFor(150);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_GE(fastTicks, 30);
    EXPECT_GE(slowRuns, 2);  // it ticks again once the first run has returned
}

TEST_F(TimerLoopTest, ATimerMayBeDestroyedByItsOwnHandler) {
    auto* t = new Timer(app);
    int ticks = 0;
    t->SetInterval(10);
    t->TimerEvent = [&] {
        ++ticks;
        delete t;
    };
    t->SetEnabled(true);
    app.RunFor(100);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerLoopTest, HostTimersOfAControl) {
    ShowForm();
    auto* c = new Control(&form, "XPButton1");
    int ticks = 0;
    ASSERT_TRUE(c->SetTimer(237, 50, [&] {
        if (++ticks == 3) c->KillTimer(237);  // stopped from inside its own tick
    }));
    EXPECT_TRUE(c->HasTimer(237));
    app.RunFor(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(c->HasTimer(237));
    ASSERT_TRUE(c->SetTimer(237, 50, [&] { ++ticks; }));
    delete c;  // a control that goes away takes its timers with it
    app.RunFor(1000);
    EXPECT_EQ(ticks, 3);
    Control loose;
    EXPECT_FALSE(loose.SetTimer(1, 10, [] {}));  // no form, no App
}

TEST_F(TimerLoopTest, RunEndsWhenTheLastFormIsUnloaded) {
    ShowForm();
    int unloads = 0, queries = 0;
    form.QueryUnloadEvent = [&](int& cancel) { cancel = ++queries == 1; };
    form.UnloadEvent = [&] { ++unloads; };
    backend.Push({platform::EventType::CloseRequested, win});
    backend.Push({platform::EventType::CloseRequested, win});
    app.Run();
    EXPECT_EQ(queries, 2);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(backend.Exists(win) && !backend.Window(win).destroyed);
}

TEST_F(TimerLoopTest, QuitStopsRunFromAHandler) {
    ShowForm();
    Timer t(app);
    t.SetInterval(10);
    int ticks = 0;
    t.TimerEvent = [&] {
        if (++ticks == 5) app.Quit();
    };
    t.SetEnabled(true);
    app.Run();
    EXPECT_EQ(ticks, 5);
    EXPECT_TRUE(form.IsLoaded());
}

}  // namespace ui::test
