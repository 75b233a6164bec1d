#pragma once
// The real program with a fresh game on an empty board, and a picture store of
// solid colours that tell which picture was painted where. The fixture watches
// the game: it counts accepted links, keeps the last accepted path, takes over
// fatal errors and may pin the generator's draws.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/GameObserver.h"
#include "game/GameWindow.h"
#include "gfx/Bitmap.h"
#include "support/BoardFixture.h"
#include "support/ProgramFixture.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"
#include "window/PictureStore.h"

namespace game::test {

using namespace kelvaro_test;

constexpr gfx::Colour kBoardWhite = 0xFFFFFF;
constexpr gfx::Colour kBorderGreen = 0x208020;
constexpr gfx::Colour kBarRed = 0x0000E0;
constexpr gfx::Colour kPauseColour = 0x808000;
constexpr gfx::Colour kBannerColour[2] = {0x0000A0, 0x00A0A0};
inline gfx::Colour FaceColour(int face) { return gfx::Rgb(face * 9, 100, 30); }
inline gfx::Colour HighlightColour(int face) { return gfx::Rgb(face * 9, 40, 230); }

class GameTest : public kelvaro_test::ProgramTest, public GameObserver {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        backend.secondsOfMinute = [this] { return seconds; };
        env_.programFolder = "/opt/kelvaro";  // sounds are only recorded, never read
        ASSERT_TRUE(Start(SolidColourStore()));
        Prog().game->observer = this;
        // A quiet board: no clock, no tiles, the stand-in background.
        Main().Timer2->SetEnabled(false);
        ResetGameState();
        InitGameState();
        Main().Picture1->SetPicture(Background());
        Main().Picture1->Cls();
        Main().Picture3->Cls();
        app_->DoEvents();
        backend.ClearRecords();
    }

    // --- the observer ---
    void LinkAccepted() override {
        if (onAcceptLink) return onAcceptLink();
        ++accepts;
        if (gameState.removeOnLink) ++removals;
        acceptedStack = kelvaro_test::StackContents();
    }
    bool FatalErrorRaised() override {
        ++fatalCount;
        return true;
    }
    std::optional<float> NextDraw() override {
        if (randomDraw) return randomDraw();
        return std::nullopt;
    }

    static std::unique_ptr<const window::PictureStore> SolidColourStore() {
        auto s = std::make_unique<window::PictureStore>();
        for (int f = 1; f <= 25; ++f) {
            s->Picture1[f - 1] = std::make_shared<const gfx::Bitmap>(39, 39, FaceColour(f));
            s->Picture1[f + 24] = std::make_shared<const gfx::Bitmap>(39, 39, HighlightColour(f));
        }
        s->Picture3 = std::make_shared<const gfx::Bitmap>(195, 146, kPauseColour);
        s->Picture4 = std::make_shared<const gfx::Bitmap>(450, 10, kBarRed);
        s->Picture5[0] = std::make_shared<const gfx::Bitmap>(362, 42, kBannerColour[0]);
        s->Picture5[1] = std::make_shared<const gfx::Bitmap>(362, 42, kBannerColour[1]);
        return s;
    }
    // A green ring around a white field.
    static std::shared_ptr<gfx::Bitmap> Background() {
        auto b = std::make_shared<gfx::Bitmap>(640, 480, kBorderGreen);
        for (int y = 40; y < 440; ++y)
            for (int x = 40; x < 600; ++x) b->SetPixel(x, y, kBoardWhite);
        return b;
    }

    GameWindow& W() { return *Prog().game; }

    // Board pixel colour.
    gfx::Colour Px(int x, int y) const { return program_->frmMain->Picture1->Surface().GetPixel(x, y); }
    // Colour in the middle of a cell, away from the grid lines.
    gfx::Colour CellColour(int row, int col) const { return Px((col - 1) * 40 + 20, (row - 1) * 40 + 20); }
    gfx::Colour BarPx(int x) const { return program_->frmMain->Picture3->Surface().GetPixel(x, 5); }
    // How many pixels of the time bar show the bar.
    int BarLength() const {
        int n = 0;
        for (int x = 0; x < 450; ++x) n += BarPx(x) == kBarRed;
        return n;
    }

    // A press and release on a cell, delivered through the window.
    void ClickCell(int row, int col, int button = platform::kLeftButton) {
        backend.Click(Win(), kelvaro_test::CellX(col), kelvaro_test::CellY(row), button);
        app_->DoEvents();
    }
    void QueueClickCell(int row, int col) { backend.Click(Win(), kelvaro_test::CellX(col), kelvaro_test::CellY(row)); }
    void QueueClickControl(ui::Control* c) {
        gfx::Rect r = c->FormRect();
        backend.Click(Win(), r.left + 5, r.top + 5);
    }
    std::vector<std::string> Sounds() const { return backend.Sounds(); }

    // Probes A -> B without removing anything; answers whether a link was accepted.
    bool Probe(int16_t rA, int16_t cA, int16_t rB, int16_t cB) {
        kelvaro_test::SetPair(rA, cA, rB, cB);
        gameState.removeOnLink = false;
        gameState.linkFound = false;
        ResetSearch();
        ProbeLink(W(), rA, cA);
        return gameState.linkFound;
    }

    kelvaro_test::TestBackend& backend = backend_;

    int seconds = 0;
    int fatalCount = 0;
    int accepts = 0;   // every accepted link, probes included
    int removals = 0;  // accepted links that remove their pair
    std::vector<StepRec> acceptedStack;
    std::function<float()> randomDraw;     // pins the generator's draws when set
    std::function<void()> onAcceptLink;    // replaces the counting above when set
};

// The search and the deal need no pictures of their own; the same fixture serves.
using BoardTest = GameTest;

}  // namespace game::test
