#pragma once
// The board and the game variables shared by every game procedure. One
// instance lives for the whole run; all indexes are 1-based like the board.
#include <cstdint>

namespace game {

// Grid: rows 1..12, columns 1..16; the field is rows 2..11, columns 2..15.
constexpr int16_t kRows = 12;
constexpr int16_t kCols = 16;
constexpr int16_t kFieldCells = 140;
constexpr int16_t kCellPixels = 40;
constexpr int16_t kPathCapacity = 193;
constexpr int16_t kPairsPerBoard = 70;
constexpr int16_t kFullTime = 150;

// Search directions, in the order the search tries them.
enum Direction : int16_t { kRight = 1, kDown = 2, kLeft = 3, kUp = 4 };
// Answers of ProbeNeighbour.
enum ProbeResult : int16_t { kFree = 0, kBlocked = 1, kTarget = 2 };

struct BoardCell {
    int16_t x = 0;      // column * 40, written on placement, never read by drawing
    int16_t y = 0;      // row * 40
    int16_t state = 0;  // 1 = holds a tile
    int16_t face = 0;   // 1..25; kept when the tile is removed
};

struct PathStep {
    int16_t row = 0;
    int16_t col = 0;
    int16_t dir = 0;
    int16_t bent = 0;
    int16_t bends = 0;
};

// Row 0 and column 0 are unused so that board[row][col] reads 1-based.
using Board = BoardCell[kRows + 1][kCols + 1];

constexpr uint32_t kRandomStart = 0x50A3E1u;

struct GameState {
    int16_t level = 0;
    int16_t pairsRemoved = 0;
    bool boardFinished = false;
    bool gameRunning = false;
    int16_t timeLeft = 0;
    bool paused = false;
    int16_t hintsLeft = 0;
    int16_t tickCount = 0;
    bool removeOnLink = false;
    bool linkFound = false;
    int16_t rowA = 0, colA = 0;
    int16_t rowB = 0, colB = 0;
    Board board{};
    PathStep pathStack[kPathCapacity + 1]{};  // entry 0 unused
    int16_t pathNext = 0;
    PathStep cursor{};
    PathStep peeked{};
    PathStep popped{};

    // Re-entrancy guards: the link display processes events in the middle of
    // an acceptance, so presses and buttons are refused while it runs and a
    // time-up found then waits until the acceptance is over.
    bool accepting = false;
    bool timeUpHeld = false;
    // The runtime generator's 24-bit state, not a game integer: the same start
    // at every run, never reseeded.
    uint32_t randomState = kRandomStart;
};

extern GameState gameState;

// Back to the zeroed state of program load.
void ResetGameState();
// The starting values the main window's load sequence gives the game.
void InitGameState();

// Field position p (1..140) to its cell, row by row.
constexpr int16_t PositionRow(int16_t p) { return static_cast<int16_t>((p - 1) / 14 + 2); }
constexpr int16_t PositionCol(int16_t p) { return static_cast<int16_t>((p - 1) % 14 + 2); }

}  // namespace game
