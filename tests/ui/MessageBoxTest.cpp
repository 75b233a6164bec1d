// The modal message box: scripted answers, keys and clicks on its window,
// the owner refused input while timers keep firing.
#include <gtest/gtest.h>

#include <functional>

#include "UiFixture.h"
#include "support/MessageBoxScript.h"
#include "gfx/Image.h"
#include "ui/MessageBox.h"
#include "ui/Timer.h"

namespace ui::test {

class MessageBoxTest : public UiFixture {
protected:
    MessageBoxTest() {
        app.SetObserver(&boxes);
        ShowForm();
    }

    // Runs `script` once on the box's window when the box waits for input.
    void WhenOpen(std::function<void(platform::WindowId box)> script) {
        backend.SetIdleHook([this, script, done = false](platform::HeadlessBackend& be) mutable {
            platform::WindowId box = be.LastCreatedWindow();
            if (done || box == win) return;
            done = true;
            script(box);
        });
    }
    MsgResult AskRestart(int defaultButton = 1) {
        return MessageBox(app, &form, "你确定要重新载入游戏吗？", MsgButtons::YesNo, MsgIcon::Question, defaultButton,
                          "Kelvaro");
    }
    kelvaro_test::MessageBoxScript boxes;
};

TEST_F(MessageBoxTest, ScriptedAnswerIsRecordedWithTheCall) {
    boxes.Answer(MsgResult::Yes);
    EXPECT_EQ(AskRestart(), MsgResult::Yes);
    ASSERT_EQ(boxes.log.size(), 1u);
    const MessageBoxRecord& r = boxes.log[0];
    EXPECT_EQ(r.prompt, "你确定要重新载入游戏吗？");
    EXPECT_EQ(r.title, "Kelvaro");
    EXPECT_EQ(r.buttons, MsgButtons::YesNo);
    EXPECT_EQ(r.icon, MsgIcon::Question);
    EXPECT_EQ(r.defaultButton, 1);
    EXPECT_EQ(r.answer, MsgResult::Yes);
    EXPECT_EQ(backend.OpenWindows().size(), 1u);  // answered at once: no window was made
}

TEST_F(MessageBoxTest, HookAnswersBeforeTheQueue) {
    boxes.Answer(MsgResult::Yes);
    boxes.hook = [](const MessageBoxRecord& r) -> std::optional<MsgResult> {
        if (r.icon == MsgIcon::Information) return MsgResult::Ok;
        return std::nullopt;
    };
    EXPECT_EQ(MessageBox(app, &form, "about", MsgButtons::Ok, MsgIcon::Information), MsgResult::Ok);
    EXPECT_EQ(AskRestart(), MsgResult::Yes);
}

TEST_F(MessageBoxTest, OwnerKeepsTickingButTakesNoInputWhileOpen) {
    int ownerClicks = 0;
    form.Click = [&] { ++ownerClicks; };
    Timer clock(app, "Timer2");
    clock.SetInterval(100);
    int ticks = 0;
    gfx::Point boxAt{-1, -1};
    gfx::Point boxSize;
    platform::WindowId box = 0;
    int raised = 0;
    clock.TimerEvent = [&] {
        if (++ticks == 1) {
            box = backend.LastCreatedWindow();
            boxAt = backend.GetWindowPosition(box);
            boxSize = {backend.Window(box).width, backend.Window(box).height};
            EXPECT_EQ(backend.Window(box).spec.owner, win);
            raised = backend.Window(box).raiseCount;
            backend.Click(win, 5, 5);  // refused: the box is modal
        } else if (ticks == 2) {
            // The press on the owner gave the keyboard back to the box.
            EXPECT_EQ(backend.Window(box).raiseCount, raised + 1);
        }
    };
    clock.SetEnabled(true);
    boxes.Answer(MsgResult::No, 3000);
    uint64_t start = app.Now();
    EXPECT_EQ(AskRestart(), MsgResult::No);
    EXPECT_EQ(app.Now() - start, 3000u);
    EXPECT_EQ(ticks, 30);
    EXPECT_EQ(ownerClicks, 0);
    // Centred on the owner (at 100, 50, 320 x 240).
    EXPECT_EQ(boxAt.x, 100 + (320 - boxSize.x) / 2);
    EXPECT_EQ(boxAt.y, 50 + (240 - boxSize.y) / 2);
    // Closed again, and the owner takes clicks once more.
    EXPECT_EQ(backend.OpenWindows(), (std::vector<platform::WindowId>{win}));
    clock.SetEnabled(false);
    backend.Click(win, 5, 5);
    app.DoEvents();
    EXPECT_EQ(ownerClicks, 1);
}

TEST_F(MessageBoxTest, KeysAnswerTheOpenBox) {
    struct Case {
        std::vector<int> keys;
        int defaultButton;
        MsgResult expected;
    };
    const std::vector<Case> cases = {
        {{'Y'}, 1, MsgResult::Yes},
        {{'N'}, 0, MsgResult::No},
        {{platform::kVkReturn}, 1, MsgResult::No},
        {{platform::kVkReturn}, 0, MsgResult::Yes},
        {{platform::kVkEscape}, 0, MsgResult::No},
        {{platform::kVkTab, platform::kVkReturn}, 1, MsgResult::Yes},
        {{platform::kVkTab, platform::kVkTab, platform::kVkSpace}, 1, MsgResult::No},
    };
    for (const Case& c : cases) {
        WhenOpen([&](platform::WindowId box) {
            for (int k : c.keys) backend.Key(box, k);
        });
        EXPECT_EQ(AskRestart(c.defaultButton), c.expected) << "first key " << c.keys[0];
    }
    WhenOpen([&](platform::WindowId box) { backend.Key(box, platform::kVkEscape); });
    EXPECT_EQ(MessageBox(app, &form, "done", MsgButtons::Ok, MsgIcon::Information), MsgResult::Ok);
}

TEST_F(MessageBoxTest, ClickOnAButtonAnswersAndCloseGivesTheEscapeAnswer) {
    WhenOpen([&](platform::WindowId box) {
        const auto& w = backend.Window(box);
        int rowLeft = (w.width - (75 * 2 + 8)) / 2;
        int y = w.height - 12 - 10;
        backend.MouseDown(box, rowLeft + 83 + 5, y);  // press on No, leave, release: nothing
        backend.MouseUp(box, 2, 2);
        backend.Click(box, rowLeft + 10, y);  // Yes
    });
    EXPECT_EQ(AskRestart(), MsgResult::Yes);
    WhenOpen([&](platform::WindowId box) { backend.Push({platform::EventType::CloseRequested, box}); });
    EXPECT_EQ(AskRestart(0), MsgResult::No);
}

TEST_F(MessageBoxTest, DrawsItsIconTextAndButtons) {
    gfx::Bitmap shot;
    WhenOpen([&](platform::WindowId box) {
        shot = backend.Screen(box);
        backend.Key(box, 'N');
    });
    AskRestart();
    ASSERT_FALSE(shot.Empty());
    gfx::SavePng(shot, testing::TempDir() + "ui-messagebox.png");
    // The question icon is a blue disc left of the text; its middle is white ("?" stem aside).
    EXPECT_EQ(shot.GetPixel(12 + 4 + 4, 24 + 16 + 16), 0xD77800u);
    // The prompt is drawn in black somewhere right of the icon.
    int dark = 0;
    for (int y = 24; y < shot.Height() - 40; ++y)
        for (int x = 60; x < shot.Width(); ++x) dark += shot.GetPixel(x, y) == 0;
    EXPECT_GT(dark, 50);
}

}  // namespace ui::test
