#include "Monkey.h"

#include <unistd.h>

#include <array>
#include <deque>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "game/GameObserver.h"
#include "game/GameWindow.h"
#include "game/GameState.h"
#include "platform/headless/HeadlessBackend.h"
#include "ui/App.h"
#include "ui/Form.h"
#include "window/FrmMain.h"
#include "window/Program.h"
#include "window/Startup.h"

namespace kelvaro_monkey {

namespace {

using platform::Event;
using platform::EventType;
using platform::WindowId;

constexpr int kBoardLeft = 4 + 8;
constexpr int kBoardTop = 32 + 24;

class Monkey : public game::GameObserver {
public:
    Monkey(uint64_t seed, uint64_t events) : rng_(seed), limit_(events) {
        char pattern[] = "/tmp/kelvaro-monkey-XXXXXX";
        dir_ = mkdtemp(pattern);
        env_.settingsPath = dir_ + "/config/Kelvaro/settings.ini";
        env_.lockPath = dir_ + "/Kelvaro.lock";
        env_.programFolder = dir_;
        backend_.SetIdleHook([this](platform::HeadlessBackend&) { Next(); });
    }
    ~Monkey() {
        Stop();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    MonkeyResult Run() {
        while (result_.ok && result_.events < limit_) {
            if (!app_) Start();
            app_->RunUntil([this] { return !result_.ok || result_.events >= limit_ || Ended(); });
            if (Ended() && result_.ok && result_.events < limit_) {
                ++result_.restarts;
                Stop();
            }
        }
        return result_;
    }

private:
    void Start() {
        game::ResetGameState();
        program_ = std::make_unique<window::Program>(backend_, env_);
        app_ = &program_->app;
        if (!window::Main(*program_)) Fail("the program did not start");
        if (program_->game) program_->game->observer = this;
        main_ = program_->frmMain ? program_->frmMain->Window() : 0;
    }
    void LinkAccepted() override {
        // A second acceptance inside the first would count pairs twice.
        if (game::gameState.accepting) Fail("a link was accepted during another acceptance");
        if (game::gameState.removeOnLink) ++result_.pairs;
    }
    void Stop() {
        if (!app_) return;
        program_.reset();
        app_ = nullptr;
        backend_.ClearEvents();
        backend_.ForgetDestroyedWindows();
        main_ = 0;
    }
    bool Ended() const {
        return app_ && (app_->QuitRequested() || !program_->frmMain || !program_->frmMain->IsLoaded());
    }

    void Fail(const std::string& what) {
        if (!result_.ok) return;
        result_.ok = false;
        result_.failedAt = result_.events;
        result_.failure = what;
        if (app_) app_->Quit();
    }

    int Roll(int n) { return static_cast<int>(rng_() % static_cast<uint64_t>(n)); }

    // The idle hook: the previous event has been handled; check, then give the next.
    void Next() {
        if (!result_.ok || Ended()) return;
        if (result_.events >= limit_) {
            app_->Quit();  // ends nested waits too (a box open at the end)
            return;
        }
        Check();
        if (!result_.ok) return;
        if (result_.events % 4096 == 0) {
            backend_.ClearRecords();
            backend_.ForgetDestroyedWindows();
        }
        ui::Form* box = app_->TopModal();
        if (box != lastBox_) {
            script_.clear();  // what was planned for the other window no longer fits
            if (box) ++result_.boxes;
            lastBox_ = box;
        }
        if (script_.empty()) {
            if (box && Roll(4) != 0) {
                PlanForBox(box->Window());
            } else {
                PlanForMain();
            }
        }
        ++result_.events;
        if (script_.empty()) return;  // timer time: the wait moves the clock on
        backend_.Push(script_.front());
        script_.pop_front();
    }

    void Check() {
        const game::GameState& g = game::gameState;
        if (g.timeLeft < 0 || g.timeLeft > 150) return Fail("time left " + std::to_string(g.timeLeft));
        int open = 0;
        for (WindowId w : backend_.OpenWindows()) open += w != main_;
        if (open > 1) return Fail(std::to_string(open) + " message boxes open");
        if (g.accepting) {
            if (!g.gameRunning) Fail("the board ended during an acceptance");
            return;  // the pair is counted but not yet taken off the board
        }
        std::array<int, 27> faces{};
        int tiles = 0;
        for (int r = 1; r <= game::kRows; ++r)
            for (int c = 1; c <= game::kCols; ++c) {
                if (g.board[r][c].state != 1) continue;
                const int f = g.board[r][c].face;
                if (f < 1 || f > 25) return Fail("a tile with face " + std::to_string(f));
                if (r == 1 || r == game::kRows || c == 1 || c == game::kCols) return Fail("a tile on the ring");
                ++faces[f];
                ++tiles;
            }
        if (tiles + 2 * g.pairsRemoved != 140)
            return Fail(std::to_string(tiles) + " tiles and " + std::to_string(g.pairsRemoved) + " pairs removed");
        for (int f = 1; f <= 25; ++f)
            if (faces[f] % 2) return Fail("face " + std::to_string(f) + " has an odd count");
        if (tiles == 140 && !fullBoard_) ++result_.boards;
        fullBoard_ = tiles == 140;
    }

    static Event Mouse(EventType type, WindowId w, int x, int y, int button) {
        return platform::HeadlessBackend::MouseEvent(type, w, x, y, button);
    }
    void Click(WindowId w, int x, int y, int button = platform::kLeftButton) {
        script_.push_back(Mouse(EventType::MouseDown, w, x, y, button));
        script_.push_back(Mouse(EventType::MouseUp, w, x, y, button));
    }
    void Key(WindowId w, int vk, int shift = 0, char32_t ch = 0) {
        Event e;
        e.type = EventType::KeyDown;
        e.window = w;
        e.key = vk;
        e.shift = shift;
        script_.push_back(e);
        if (ch) {
            Event c;
            c.type = EventType::Char;
            c.window = w;
            c.ch = ch;
            script_.push_back(c);
        }
        e.type = EventType::KeyUp;
        script_.push_back(e);
    }
    void RandomKey(WindowId w) {
        switch (Roll(8)) {
            case 0: return Key(w, 'Y', 0, U'y');
            case 1: return Key(w, 'N', 0, U'n');
            case 2: return Key(w, platform::kVkReturn, 0, U'\r');
            case 3: return Key(w, platform::kVkEscape, 0, 27);
            case 4: return Key(w, platform::kVkSpace, 0, U' ');
            case 5: return Key(w, platform::kVkTab, Roll(2) ? platform::kShiftMask : 0);
            case 6: return Key(w, platform::kVkF1);
            default: return Key(w, platform::kVkLeft + Roll(4));
        }
    }
    // Alt+F4: the window manager turns it into a close request.
    void AltF4(WindowId w) {
        Event e;
        e.type = EventType::KeyDown;
        e.window = w;
        e.key = platform::kVkF1 + 3;
        e.shift = platform::kAltMask;
        script_.push_back(e);
        e.type = EventType::CloseRequested;
        script_.push_back(e);
    }

    // Whether two tiles join through empty cells with at most two bends
    // (the monkey's own search, so that it can aim at pairs that go).
    static bool Linkable(gfx::Point a, gfx::Point b) {
        const auto& board = game::gameState.board;
        constexpr int dr[4] = {0, 1, 0, -1}, dc[4] = {1, 0, -1, 0};
        int best[13][17][4];
        for (auto& row : best)
            for (auto& cell : row)
                for (int& d : cell) d = 99;
        std::deque<std::array<int, 4>> todo;  // row, col, dir, bends
        for (int d = 0; d < 4; ++d) todo.push_back({a.y, a.x, d, 0});
        while (!todo.empty()) {
            auto [r, c, d, bends] = todo.front();
            todo.pop_front();
            const int nr = r + dr[d], nc = c + dc[d];
            if (nr < 1 || nr > game::kRows || nc < 1 || nc > game::kCols) continue;
            if (nr == b.y && nc == b.x) return true;
            if (board[nr][nc].state == 1 || best[nr][nc][d] <= bends) continue;
            best[nr][nc][d] = bends;
            for (int nd = 0; nd < 4; ++nd)
                if (nd == d) {
                    todo.push_front({nr, nc, nd, bends});
                } else if (bends < 2 && (nd + 2) % 4 != d) {
                    todo.push_back({nr, nc, nd, bends + 1});
                }
        }
        return false;
    }

    // Presses on two tiles that link, when the monkey finds such a pair quickly.
    bool PlanPair(WindowId w) {
        const auto& board = game::gameState.board;
        for (int attempt = 0; attempt < 8; ++attempt) {
            const gfx::Point x{2 + Roll(14), 2 + Roll(10)};
            if (board[x.y][x.x].state != 1) continue;
            for (int r = 2; r <= 11; ++r)
                for (int c = 2; c <= 15; ++c) {
                    const gfx::Point y{c, r};
                    if (y == x || board[r][c].state != 1 || board[r][c].face != board[x.y][x.x].face) continue;
                    if (!Linkable(x, y)) continue;
                    const gfx::Point px = CellPoint(x), py = CellPoint(y);
                    Click(w, px.x, px.y);
                    Click(w, py.x, py.y);
                    return true;
                }
        }
        return false;
    }

    gfx::Point CellPoint(gfx::Point cell) {
        return {kBoardLeft + (cell.x - 1) * 40 + Roll(40), kBoardTop + (cell.y - 1) * 40 + Roll(40)};
    }

    void PlanForMain() {
        const WindowId w = main_;
        const int roll = Roll(1000);
        if (roll < 520) {  // a press on the board, or two on a pair that goes
            if (Roll(2) == 0 && PlanPair(w)) return;
            const gfx::Point p = CellPoint({1 + Roll(16), 1 + Roll(12)});
            return Click(w, p.x, p.y, Roll(20) ? platform::kLeftButton : platform::kRightButton);
        }
        if (roll < 570) {  // one of the six buttons, help and pause the most
            constexpr int kButtons[12] = {0, 1, 1, 2, 2, 2, 2, 2, 3, 4, 5, 2};
            const int k = kButtons[Roll(12)];
            return Click(w, 664 + Roll(80), 104 + 72 * k + Roll(33));
        }
        if (roll < 575) return Click(w, Roll(2) ? 360 + Roll(17) : 336 + Roll(17), 8 + Roll(16));  // close, minimise
        if (roll < 610) return Click(w, 666 + Roll(63), 38 + Roll(14));  // continue
        if (roll < 710) {
            script_.push_back(Mouse(EventType::MouseMove, w, Roll(759), Roll(569), 0));
            return;
        }
        if (roll < 740) {  // a drag, anywhere
            int x = Roll(759), y = Roll(569);
            script_.push_back(Mouse(EventType::MouseDown, w, x, y, platform::kLeftButton));
            for (int i = 0; i < 3; ++i) {
                x = Roll(759);
                y = Roll(569);
                script_.push_back(Mouse(EventType::MouseMove, w, x, y, platform::kLeftButton));
            }
            script_.push_back(Mouse(EventType::MouseUp, w, x, y, platform::kLeftButton));
            return;
        }
        if (roll < 750) {
            const gfx::Point p = CellPoint({2 + Roll(14), 2 + Roll(10)});
            script_.push_back(Mouse(EventType::DoubleClick, w, p.x, p.y, platform::kLeftButton));
            script_.push_back(Mouse(EventType::MouseUp, w, p.x, p.y, platform::kLeftButton));
            return;
        }
        if (roll < 810) {
            if (Roll(300) == 0) return AltF4(w);  // ends the program: rare
            return RandomKey(w);
        }
        if (roll < 815) {
            Event e;
            e.type = Roll(2) ? EventType::Minimized : EventType::Restored;
            e.window = w;
            script_.push_back(e);
            return;
        }
        if (roll < 900) return Key(w, platform::kVkLeft + Roll(4));  // ignored keys, no time
        // Timer time: nothing queued, the wait runs the clock to the next deadline and on.
        backend_.AdvanceClock(static_cast<uint64_t>(Roll(1000)));
    }

    void PlanForBox(WindowId box) {
        const int roll = Roll(10);
        if (roll < 5) {
            if (Roll(20) == 0) return AltF4(box);
            return RandomKey(box);
        }
        if (roll < 8) {
            const platform::HeadlessWindow& b = backend_.Window(box);
            return Click(box, Roll(b.width), Roll(b.height));
        }
        if (roll < 9) return Click(main_, Roll(759), Roll(569));  // refused while the box is open
        backend_.AdvanceClock(static_cast<uint64_t>(Roll(1000)));
    }

    std::mt19937_64 rng_;
    uint64_t limit_;
    std::string dir_;
    window::StartupEnv env_;
    platform::HeadlessBackend backend_;
    std::unique_ptr<window::Program> program_;
    ui::App* app_ = nullptr;  // the program's
    WindowId main_ = 0;
    ui::Form* lastBox_ = nullptr;
    std::deque<Event> script_;
    bool fullBoard_ = false;
    MonkeyResult result_;
};

}  // namespace

MonkeyResult RunMonkey(uint64_t seed, uint64_t events) {
    Monkey monkey(seed, events);
    return monkey.Run();
}

}  // namespace kelvaro_monkey
