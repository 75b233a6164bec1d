// Costs of a press on a tile (dead-board check, search, redraw), of a deal and
// of a full redraw, on the headless backend with solid-colour pictures; and of
// the real window's presentation into its surface.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <memory>

#include "game/BoardDrawing.h"
#include "game/Deal.h"
#include "game/GameWindow.h"
#include "game/GameState.h"
#include "game/LinkSearch.h"
#include "game/Selection.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/SdlPixels.h"
#include "ui/Timer.h"
#include "window/FrmMain.h"
#include "window/Program.h"
#include "window/Startup.h"

namespace {

using namespace game;

// The real program on the headless backend, as main builds it, with a
// settings file and a lock in a temporary folder.
struct Harness {
    platform::HeadlessBackend backend;
    std::string dir = MakeTempDir();
    window::Program program{backend, {dir + "/settings.ini", dir + "/Kelvaro.lock", {}, dir}};

    Harness() {
        ResetGameState();
        backend.SetSecondsOfMinute(17);
        if (!window::Main(program)) throw std::runtime_error("the program did not start");
        program.frmMain->Timer2->SetEnabled(false);
    }
    ~Harness() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    GameWindow& W() { return *program.game; }
    window::FrmMain& Form() { return *program.frmMain; }
    void Press(int row, int col) {
        Picture1_MouseDown(W(), 1, 0, static_cast<float>((col - 1) * 40 + 20), static_cast<float>((row - 1) * 40 + 20));
    }

    static std::string MakeTempDir() {
        char pattern[] = "/tmp/kelvaro-bench-XXXXXX";
        const char* made = mkdtemp(pattern);
        return made ? made : "/tmp";
    }
};

void ClearField() {
    for (auto& row : gameState.board)
        for (auto& cell : row) cell = BoardCell{};
}

// Two tiles of different faces: alternating presses on them never link.
void FindTwoFaces(int& c1, int& c2, int row) {
    c1 = 2;
    for (c2 = 3; c2 <= 15 && gameState.board[row][c2].face == gameState.board[row][c1].face; ++c2) {}
}

void BM_PressFullBoard(benchmark::State& state) {
    Harness h;
    int c1, c2;
    FindTwoFaces(c1, c2, 6);
    int i = 0;
    for (auto _ : state) {
        h.Press(6, (i++ & 1) ? c1 : c2);
        if ((i & 1023) == 0) h.backend.ClearRecords();
    }
}
BENCHMARK(BM_PressFullBoard)->Unit(benchmark::kMicrosecond);

// Seventy tiles in a 7 x 10 block whose faces differ along each side and
// between neighbours: no pair can be linked, so every press scans all pairs
// and reshuffles. The block is put back before each press.
void BM_PressHalfBoardNoMove(benchmark::State& state) {
    Harness h;
    ClearField();
    for (int r = 3; r <= 9; ++r)
        for (int c = 3; c <= 12; ++c)
            gameState.board[r][c] = BoardCell{int16_t(c * 40), int16_t(r * 40), 1, int16_t((r * 7 + c * 3) % 25 + 1)};
    Board saved;
    std::memcpy(&saved, &gameState.board, sizeof(Board));
    RedrawBoard(h.W());
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(&gameState.board, &saved, sizeof(Board));
        gameState.rowA = 5;
        gameState.colA = 5;
        h.backend.ClearRecords();
        state.ResumeTiming();
        h.Press(6, 6);
        if (gameState.pairsRemoved != 0) state.SkipWithError("a pair was linked");
    }
}
BENCHMARK(BM_PressHalfBoardNoMove)->Unit(benchmark::kMicrosecond);

void BM_PressNearlyEmptyBoard(benchmark::State& state) {
    Harness h;
    ClearField();
    gameState.board[4][4] = BoardCell{160, 160, 1, 3};
    gameState.board[4][9] = BoardCell{360, 160, 1, 3};
    gameState.board[9][5] = BoardCell{200, 360, 1, 8};
    gameState.board[2][14] = BoardCell{560, 80, 1, 11};
    RedrawBoard(h.W());
    int i = 0;
    for (auto _ : state) {
        h.Press((i & 1) ? 9 : 2, (i & 1) ? 5 : 14);
        ++i;
        if ((i & 1023) == 0) h.backend.ClearRecords();
    }
}
BENCHMARK(BM_PressNearlyEmptyBoard)->Unit(benchmark::kMicrosecond);

void BM_DealTiles(benchmark::State& state) {
    Harness h;
    for (auto _ : state) DealTiles(h.W());
}
BENCHMARK(BM_DealTiles)->Unit(benchmark::kMicrosecond);

void BM_StartNewBoard(benchmark::State& state) {
    Harness h;
    for (auto _ : state) StartNewBoard(h.W());
}
BENCHMARK(BM_StartNewBoard)->Unit(benchmark::kMicrosecond);

void BM_RedrawBoard(benchmark::State& state) {
    Harness h;
    for (auto _ : state) RedrawBoard(h.W());
}
BENCHMARK(BM_RedrawBoard)->Unit(benchmark::kMicrosecond);

// A full redraw as the player sees it: composed into the form and presented,
// magnified by the display scale given as the argument.
void BM_RedrawBoardAndFlush(benchmark::State& state) {
    Harness h;
    h.backend.SetScale(static_cast<int>(state.range(0)));
    h.Form().Flush();
    int i = 0;
    for (auto _ : state) {
        RedrawBoard(h.W());
        h.Form().Flush();
        if ((++i & 1023) == 0) h.backend.ClearRecords();
    }
}
BENCHMARK(BM_RedrawBoardAndFlush)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The real window's presentation of the whole 759 x 569 window: converted to
// the X visual's format and magnified into the window surface.
void BM_PresentWholeWindowToSurface(benchmark::State& state) {
    const int s = static_cast<int>(state.range(0));
    gfx::Bitmap frame(759, 569, 0x336699);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 759 * s, 569 * s, 32, SDL_PIXELFORMAT_RGB888);
    if (!surface) {
        state.SkipWithError("no surface");
        return;
    }
    for (auto _ : state) platform::sdl::CopyToSurface(frame, surface, {0, 0, 759, 569}, s);
    SDL_FreeSurface(surface);
}
BENCHMARK(BM_PresentWholeWindowToSurface)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
