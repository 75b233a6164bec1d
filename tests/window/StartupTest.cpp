// Start-up, the stored position, the single instance and the exit question,
// with the whole program running on the headless backend.
#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include "support/ProgramFixture.h"
#include "flow/Levels.h"
#include "game/GameWindow.h"
#include "platform/SettingsStore.h"

namespace kelvaro_test {
namespace {

using ui::MsgResult;

TEST_F(ProgramTest, FirstRunOpensCentredWithLevelOneRunning) {
    ASSERT_TRUE(Start());
    // (1024 * 15 - 11385) div 2 = 1987 twips, (768 * 15 - 8535) div 2 = 1492 twips.
    EXPECT_EQ(Prog().MainX, 1987);
    EXPECT_EQ(Prog().MainY, 1492);
    EXPECT_EQ(WindowPos(), (gfx::Point{132, 99}));
    EXPECT_EQ(Main().PixelWidth(), 759);
    EXPECT_EQ(Main().PixelHeight(), 569);
    EXPECT_EQ(backend_.Window(Win()).title, "Kelvaro 1.0.5");
    EXPECT_TRUE(backend_.Window(Win()).shown);
    EXPECT_EQ(Main().Label3->Caption(), "1");
    EXPECT_EQ(Main().XPButton5->Caption(), "求助 10");
    EXPECT_TRUE(Main().Timer2->Enabled());
    EXPECT_EQ(Main().Timer2->Interval(), 2500);
    EXPECT_FALSE(Main().Timer1->Enabled());
    EXPECT_FALSE(Main().Label4->Visible());
    // The buttons as the form data places them: red exit, blue web-site caption, also when hot.
    EXPECT_EQ(Main().XPButton6->ForeColor(), 0x000000FFu);
    EXPECT_EQ(Main().XPButton6->HoverForeColor(), 0x000000FFu);
    EXPECT_EQ(Main().XPButton6->HoverColorLocks(), 2);
    EXPECT_EQ(Main().XPButton3->HoverForeColor(), 0x00C00000u);
    EXPECT_EQ(Main().XPButton1->ButtonStyle(), 2);
    EXPECT_EQ(Main().XPButton1->Caption(), "重新载入");
    std::vector<ui::Control*> order = Main().TabOrder();
    ASSERT_EQ(order.size(), 6u);
    EXPECT_EQ(order.front(), Main().XPButton1);
    EXPECT_EQ(order[2], Main().XPButton5);
    EXPECT_EQ(order.back(), Main().XPButton6);
    EXPECT_TRUE(game::gameState.gameRunning);
    EXPECT_EQ(game::gameState.rowA, 2);
    EXPECT_EQ(game::gameState.colA, 2);
    EXPECT_EQ(game::gameState.timeLeft, 150);
}

TEST_F(ProgramTest, StoredPositionIsUsedInWholeTwips) {
    WriteSettings("[SetLog]\nfrmMainX = 3495\nfrmMainY = 1200\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(WindowPos(), (gfx::Point{233, 80}));
}

TEST_F(ProgramTest, StoredFractionsRoundHalfToEven) {
    backend_.SetScreenSize(1600, 1200);
    WriteSettings("[SetLog]\nfrmMainX = 3495.5\nfrmMainY = 3494.5\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Prog().MainX, 3496);
    EXPECT_EQ(Prog().MainY, 3494);
}

TEST_F(ProgramTest, StoredGarbageFallsBackToCentre) {
    WriteSettings("[SetLog]\nfrmMainX = left\nfrmMainY = 12abc\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(WindowPos(), (gfx::Point{132, 99}));
}

TEST_F(ProgramTest, ExitAnsweredNoChangesNothing) {
    ASSERT_TRUE(Start());
    ClickCell(3, 4);
    auto before = game::gameState;
    boxes_.Answer(MsgResult::No);
    Click(Main().XPButton6->FormRect().left + 40, Main().XPButton6->FormRect().top + 16);
    ASSERT_EQ(boxes_.log.size(), 1u);
    const ui::MessageBoxRecord& box = boxes_.log[0];
    EXPECT_EQ(box.prompt, "你确定要关闭并结束程序吗？");
    EXPECT_EQ(box.title, "Kelvaro");
    EXPECT_EQ(box.buttons, ui::MsgButtons::YesNo);
    EXPECT_EQ(box.icon, ui::MsgIcon::Question);
    EXPECT_EQ(box.defaultButton, 1);
    EXPECT_FALSE(app_->QuitRequested());
    EXPECT_TRUE(Main().Timer2->Enabled());
    EXPECT_EQ(game::gameState.rowA, before.rowA);
    EXPECT_EQ(game::gameState.colA, before.colA);
    EXPECT_EQ(game::gameState.timeLeft, before.timeLeft);
    EXPECT_FALSE(std::filesystem::exists(env_.settingsPath));
}

TEST_F(ProgramTest, ExitAnsweredYesSavesTheActualPositionAndEnds) {
    ASSERT_TRUE(Start());
    // The window manager moved the window; the saved position is where it is now.
    backend_.MoveWindowByUser(Win(), 300, 40);
    app_->DoEvents();
    boxes_.Answer(MsgResult::Yes);
    Click(Main().XPButton6->FormRect().left + 40, Main().XPButton6->FormRect().top + 16);
    EXPECT_TRUE(app_->QuitRequested());
    EXPECT_FALSE(Main().Timer2->Enabled());
    platform::SettingsStore stored(env_.settingsPath);
    EXPECT_EQ(stored.Get("SetLog", "frmMainX"), "4500");
    EXPECT_EQ(stored.Get("SetLog", "frmMainY"), "600");
}

TEST_F(ProgramTest, YesEndsTheProgramAtOnceAfterThePositionIsSaved) {
    ASSERT_TRUE(Start());
    bool ended = false;
    bool savedBefore = false;
    Prog().EndNow = [&] {
        ended = true;
        savedBefore = std::filesystem::exists(env_.settingsPath);
    };
    boxes_.Answer(MsgResult::Yes);
    window::ConfirmExit(Prog());
    Prog().EndNow = nullptr;
    EXPECT_TRUE(ended);
    EXPECT_TRUE(savedBefore);
}

TEST_F(ProgramTest, ClosingAndRestartingRestoresThePosition) {
    WriteSettings("[SetLog]\nfrmMainX = 3495\nfrmMainY = 1200\n");
    ASSERT_TRUE(Start());
    boxes_.Answer(MsgResult::Yes);
    window::ConfirmExit(Prog());
    program_.reset();
    game::ResetGameState();
    ASSERT_TRUE(Start());
    EXPECT_EQ(WindowPos(), (gfx::Point{233, 80}));
}

TEST_F(ProgramTest, SecondInstanceEndsSilentlyWithoutAWindow) {
    int fd = open(env_.lockPath.c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(Start());
    EXPECT_TRUE(backend_.OpenWindows().empty());
    EXPECT_TRUE(boxes_.log.empty());
    close(fd);
}

TEST_F(ProgramTest, WithoutLockOrSettingsItRunsAndSaysSo) {
    std::ofstream(dir_ + "/plain") << "x";
    env_.lockPath = dir_ + "/plain/Kelvaro.lock";
    env_.settingsPath.clear();
    ::testing::internal::CaptureStderr();
    const bool running = Start();
    const std::string said = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(running);
    EXPECT_NE(said.find("Kelvaro: no lock file could be opened"), std::string::npos) << said;
    EXPECT_NE(said.find("Kelvaro: no home folder"), std::string::npos) << said;
    boxes_.Answer(MsgResult::Yes);
    window::ConfirmExit(Prog());  // the unload saves nothing and writes nowhere
    EXPECT_FALSE(std::filesystem::exists(dir_ + "/config"));
}

TEST_F(ProgramTest, RestartAnsweredNoChangesNothing) {
    ASSERT_TRUE(Start());
    auto before = game::gameState;
    boxes_.Answer(MsgResult::No);
    Click(Main().XPButton1->FormRect().left + 40, Main().XPButton1->FormRect().top + 16);
    ASSERT_EQ(boxes_.log.size(), 1u);
    EXPECT_EQ(boxes_.log[0].prompt, "你确定要重新载入游戏吗？");
    EXPECT_EQ(boxes_.log[0].defaultButton, 1);
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 16; ++c) {
            EXPECT_EQ(game::gameState.board[r][c].face, before.board[r][c].face);
            EXPECT_EQ(game::gameState.board[r][c].state, before.board[r][c].state);
        }
}

TEST_F(ProgramTest, SoundsComeFromTheProgramFolderAndMissingOnesChangeNothing) {
    // The program folder holds no sound at all.
    ASSERT_TRUE(Start());
    Click(Main().XPButton2->FormRect().left + 40, Main().XPButton2->FormRect().top + 16);
    ASSERT_FALSE(backend_.Sounds().empty());
    EXPECT_EQ(backend_.Sounds().back(), env_.programFolder + "/hit.wav");
    EXPECT_TRUE(game::gameState.paused);
    Click(CellX(5), CellY(5));  // resumes
    EXPECT_FALSE(game::gameState.paused);
    EXPECT_TRUE(game::gameState.gameRunning);
}

TEST_F(ProgramTest, TheGameWindowRefusesAMissingControlByName) {
    ASSERT_TRUE(Start());
    window::FrmMain& f = Main();
    const window::PictureStore& store = *Prog().Form2;
    game::GameWindow::Pictures pictures;
    for (int i = 0; i < 50; ++i) pictures.tileFaces[i] = store.Picture1[i].get();
    pictures.pausePicture = store.Picture3.get();
    pictures.timeBar = store.Picture4.get();
    pictures.banners = {store.Picture5[0].get(), store.Picture5[1].get()};
    const game::GameWindow::Controls all{&f, f.Picture1, f.Picture3, f.Label3, f.Label4, f.Timer1.get(),
                                         f.Timer2.get(), f.XPButton1, f.XPButton2, f.XPButton5};
    EXPECT_NO_THROW(game::GameWindow(*app_, all, pictures, "/opt/kelvaro"));
    const std::pair<const char*, void (*)(game::GameWindow::Controls&)> missing[] = {
        {"frmMain", [](auto& c) { c.frmMain = nullptr; }},     {"Picture1", [](auto& c) { c.Picture1 = nullptr; }},
        {"Picture3", [](auto& c) { c.Picture3 = nullptr; }},   {"Label3", [](auto& c) { c.Label3 = nullptr; }},
        {"Label4", [](auto& c) { c.Label4 = nullptr; }},       {"Timer1", [](auto& c) { c.Timer1 = nullptr; }},
        {"Timer2", [](auto& c) { c.Timer2 = nullptr; }},       {"XPButton1", [](auto& c) { c.XPButton1 = nullptr; }},
        {"XPButton2", [](auto& c) { c.XPButton2 = nullptr; }}, {"XPButton5", [](auto& c) { c.XPButton5 = nullptr; }},
    };
    for (const auto& [name, drop] : missing) {
        game::GameWindow::Controls c = all;
        drop(c);
        try {
            game::GameWindow w(*app_, c, pictures, "/opt/kelvaro");
            ADD_FAILURE() << "built without " << name;
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()), std::string("the game window has no ") + name);
        }
    }
    pictures.timeBar = nullptr;
    EXPECT_THROW(game::GameWindow(*app_, all, pictures, "/opt/kelvaro"), std::invalid_argument);
}

}  // namespace
}  // namespace kelvaro_test
