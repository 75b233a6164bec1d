#pragma once
// A main window in miniature over the headless backend: the board, the time
// bar, the labels, timers and stand-ins for the buttons, with solid-colour
// pictures whose colours tell which picture was painted where.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "BoardFixture.h"
#include "flow/GameWiring.h"
#include "gfx/Bitmap.h"
#include "platform/headless/HeadlessBackend.h"
#include "ui/App.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace game::test {

constexpr gfx::Colour kBoardWhite = 0xFFFFFF;
constexpr gfx::Colour kBorderGreen = 0x208020;
constexpr gfx::Colour kBarRed = 0x0000E0;
constexpr gfx::Colour kPauseColour = 0x808000;
constexpr gfx::Colour kBannerColour[2] = {0x0000A0, 0x00A0A0};
inline gfx::Colour FaceColour(int face) { return gfx::Rgb(face * 9, 100, 30); }
inline gfx::Colour HighlightColour(int face) { return gfx::Rgb(face * 9, 40, 230); }

class GameTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        app = std::make_unique<ui::App>(backend);
        app->SetTitle("Kelvaro");
        form = std::make_unique<ui::Form>(*app, "frmMain");
        form->SetScaleMode(ui::ScaleMode::Pixels);
        form->SetBounds(gfx::Rect::FromSize(0, 0, 800, 560));
        MakePictures();
        picture1 = &form->Add<ui::PictureBox>("Picture1");
        picture1->SetScaleMode(ui::ScaleMode::Pixels);
        picture1->SetBounds(gfx::Rect::FromSize(0, 0, 640, 480));
        picture1->SetBackColor(kBoardWhite);
        picture1->SetPicture(background);
        picture3 = &form->Add<ui::PictureBox>("Picture3");
        picture3->SetScaleMode(ui::ScaleMode::Pixels);
        picture3->SetBounds(gfx::Rect::FromSize(0, 500, 450, 10));
        picture3->SetBackColor(kBoardWhite);
        picture3->Cls();
        label3 = &form->Add<ui::Label>("Label3");
        label3->SetBounds(gfx::Rect::FromSize(700, 0, 20, 19));
        label4 = &form->Add<ui::Label>("Label4");
        label4->SetBounds(gfx::Rect::FromSize(660, 40, 63, 14));
        label4->SetVisible(false);
        xpButton1 = &form->Add<ui::Control>("XPButton1");
        xpButton1->SetBounds(gfx::Rect::FromSize(664, 104, 80, 33));
        xpButton2 = &form->Add<ui::Control>("XPButton2");
        xpButton2->SetBounds(gfx::Rect::FromSize(664, 176, 80, 33));
        xpButton5 = &form->Add<ui::Control>("XPButton5");
        xpButton5->SetBounds(gfx::Rect::FromSize(664, 248, 80, 33));
        timer1 = std::make_unique<ui::Timer>(*app, "Timer1");
        timer1->SetInterval(200);
        timer2 = std::make_unique<ui::Timer>(*app, "Timer2");
        timer2->SetInterval(2500);
        FillControls();
        gameEnv.onAcceptLink = [this] {
            ++accepts;
            if (gameState.removeOnLink) ++removals;
            acceptedStack = StackContents();
        };
        flow::WireGameHandlers();
        form->Show();
    }

    void TearDown() override {
        ResetGameControls();
        timer1.reset();
        timer2.reset();
        form.reset();
        app.reset();
        BoardTest::TearDown();
    }

    void MakePictures() {
        background = std::make_shared<gfx::Bitmap>(640, 480, kBorderGreen);
        for (int y = 40; y < 440; ++y)
            for (int x = 40; x < 600; ++x) background->SetPixel(x, y, kBoardWhite);
        for (int f = 1; f <= 25; ++f) {
            faces[f - 1] = gfx::Bitmap(39, 39, FaceColour(f));
            faces[f + 24] = gfx::Bitmap(39, 39, HighlightColour(f));
        }
        pausePicture = gfx::Bitmap(195, 146, kPauseColour);
        timeBar = gfx::Bitmap(450, 10, kBarRed);
        banners[0] = gfx::Bitmap(362, 42, kBannerColour[0]);
        banners[1] = gfx::Bitmap(362, 42, kBannerColour[1]);
    }

    void FillControls() {
        GameControls& c = gameControls;
        c.app = app.get();
        c.frmMain = form.get();
        c.Picture1 = picture1;
        c.Picture3 = picture3;
        c.Label3 = label3;
        c.Label4 = label4;
        c.Timer1 = timer1.get();
        c.Timer2 = timer2.get();
        c.XPButton1 = xpButton1;
        c.XPButton2 = xpButton2;
        c.XPButton5 = xpButton5;
        for (int i = 0; i < 50; ++i) c.tileFaces[i] = &faces[i];
        c.pausePicture = &pausePicture;
        c.timeBar = &timeBar;
        c.banners[0] = &banners[0];
        c.banners[1] = &banners[1];
        c.programFolder = "/opt/kelvaro";
    }

    // Board pixel colour.
    gfx::Colour Px(int x, int y) const { return picture1->Surface().GetPixel(x, y); }
    // Colour in the middle of a cell, away from the grid lines.
    gfx::Colour CellColour(int row, int col) const { return Px((col - 1) * 40 + 20, (row - 1) * 40 + 20); }
    gfx::Colour BarPx(int x) const { return picture3->Surface().GetPixel(x, 5); }
    // How many pixels of the time bar show the bar.
    int BarLength() const {
        int n = 0;
        for (int x = 0; x < 450; ++x) n += BarPx(x) == kBarRed;
        return n;
    }

    // A press and release on a cell, delivered through the window.
    void ClickCell(int row, int col, int button = platform::kLeftButton) {
        backend.Click(form->Window(), (col - 1) * 40 + 20, (row - 1) * 40 + 20, button);
        app->DoEvents();
    }
    void QueueClickCell(int row, int col) {
        backend.Click(form->Window(), (col - 1) * 40 + 20, (row - 1) * 40 + 20);
    }
    void QueueClickControl(ui::Control* c) {
        gfx::Rect r = c->FormRect();
        backend.Click(form->Window(), r.left + 5, r.top + 5);
    }
    std::vector<std::string> Sounds() const { return backend.Sounds(); }

    platform::HeadlessBackend backend;
    std::unique_ptr<ui::App> app;
    std::unique_ptr<ui::Form> form;
    ui::PictureBox* picture1 = nullptr;
    ui::PictureBox* picture3 = nullptr;
    ui::Label* label3 = nullptr;
    ui::Label* label4 = nullptr;
    ui::Control* xpButton1 = nullptr;
    ui::Control* xpButton2 = nullptr;
    ui::Control* xpButton5 = nullptr;
    std::unique_ptr<ui::Timer> timer1;
    std::unique_ptr<ui::Timer> timer2;
    std::shared_ptr<gfx::Bitmap> background;
    gfx::Bitmap faces[50];
    gfx::Bitmap pausePicture;
    gfx::Bitmap timeBar;
    gfx::Bitmap banners[2];
};

}  // namespace game::test
