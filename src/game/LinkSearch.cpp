#include "game/LinkSearch.h"

#include "flow/Hints.h"
#include "game/GameState.h"

namespace game {

namespace {

GameState& gs = gameState;

int16_t StackSize() { return static_cast<int16_t>(gs.pathNext - 1); }

// Back up to the popped step's cell and go on with its next direction.
void CursorFromPopped() {
    gs.cursor.row = gs.popped.row;
    gs.cursor.col = gs.popped.col;
    gs.cursor.dir = static_cast<int16_t>(gs.popped.dir + 1);
    gs.cursor.bent = gs.popped.bent;
    gs.cursor.bends = gs.popped.bends;
}

bool CursorIsZero() {
    const PathStep& c = gs.cursor;
    return c.row == 0 && c.col == 0 && c.dir == 0 && c.bent == 0 && c.bends == 0;
}

// Phase 1: B next door with at most two bends finishes the search.
bool TryFinish(GameWindow& w, int16_t row, int16_t col, int16_t dir) {
    for (int16_t d = dir; d <= 4; ++d) {
        if (IsReversal(d) == 1 || ProbeNeighbour(row, col, d) != kTarget) continue;
        if (StackSize() <= 2) {
            PushStep(row, col, d, 0, 0);
            AcceptLink(w, gs.rowA, gs.colA, gs.rowB, gs.colB);
            return true;
        }
        const PathStep& top = gs.pathStack[gs.pathNext - 1];
        int16_t bent = top.dir != d ? 1 : 0;
        PushStep(row, col, d, bent, static_cast<int16_t>(top.bends + bent));
        if (CountBends() <= 2) {
            AcceptLink(w, gs.rowA, gs.colA, gs.rowB, gs.colB);
            return true;
        }
        PopStep(w);
    }
    return false;
}

}  // namespace

void PushStep(int16_t row, int16_t col, int16_t dir, int16_t bent, int16_t bends) {
    if (StackSize() >= 2) {
        PathStep& top = gs.pathStack[gs.pathNext - 1];
        if (top.row == row && top.col == col) {
            top.dir = dir;  // re-aim the top step
            return;
        }
    }
    gs.pathStack[gs.pathNext] = PathStep{row, col, dir, bent, bends};
    ++gs.pathNext;
}

void PeekStep() { gs.peeked = gs.pathStack[gs.pathNext - 1]; }

void PopStep(GameWindow& w) {
    --gs.pathNext;
    if (gs.pathNext <= 0) {
        FatalError(w);
        return;
    }
    gs.popped = gs.pathStack[gs.pathNext];
}

int16_t HasSteps() { return gs.pathNext == 1 ? 0 : 1; }

void ResetSearch() {
    gs.pathNext = 1;
    gs.cursor = PathStep{};
    gs.peeked = PathStep{};
    gs.popped = PathStep{};
}

int16_t NextRow(int16_t row, int16_t dir) {
    switch (dir) {
    case kDown: return static_cast<int16_t>(row + 1);
    case kUp: return static_cast<int16_t>(row - 1);
    case kRight: case kLeft: return row;
    default: return 0;
    }
}

int16_t NextCol(int16_t col, int16_t dir) {
    switch (dir) {
    case kRight: return static_cast<int16_t>(col + 1);
    case kLeft: return static_cast<int16_t>(col - 1);
    case kDown: case kUp: return col;
    default: return 0;
    }
}

int16_t IsReversal(int16_t dir) {
    if (StackSize() < 2) return 0;
    PeekStep();
    int16_t p = gs.peeked.dir;
    bool back = (dir == 1 && p == 3) || (dir == 2 && p == 4) || (dir == 3 && p == 1) || (dir == 4 && p == 2);
    return back ? 1 : 0;
}

int16_t ProbeNeighbour(int16_t row, int16_t col, int16_t dir) {
    if (dir < 1 || dir > 4) return kFree;
    int16_t r = NextRow(row, dir);
    int16_t c = NextCol(col, dir);
    if (c > kCols || r > kRows || c < 1 || r < 1) return kBlocked;
    int16_t answer = gs.board[r][c].state == 1 ? kBlocked : kFree;
    // B's state is not looked at: an emptied B with the same face still counts.
    if (r == gs.rowB && c == gs.colB && gs.board[r][c].face == gs.board[gs.rowA][gs.colA].face)
        answer = kTarget;
    return answer;
}

int16_t CountBends() {
    int16_t n = 0;
    for (int k = 1; k <= gs.pathNext - 2; ++k)
        if (gs.pathStack[k].dir != gs.pathStack[k + 1].dir) ++n;
    return n;
}

void SearchStep(GameWindow& w, int16_t row, int16_t col, int16_t dir) {
    if (TryFinish(w, row, col, dir)) return;
    for (int16_t d = dir;; ++d) {
        if (d > 4) {
            if (HasSteps() == 1) {
                PopStep(w);
                CursorFromPopped();
            } else {
                gs.cursor = PathStep{row, col, static_cast<int16_t>(d + 1), 0, 0};
            }
            return;
        }
        if (IsReversal(d) == 1) continue;
        int16_t p = ProbeNeighbour(row, col, d);
        if (p == kBlocked) continue;
        if (p == kTarget) {
            // Phase 1 turned B down for too many bends: try the next direction here.
            PushStep(row, col, d, 0, 2);
            PopStep(w);
            CursorFromPopped();
            return;
        }
        int16_t n = 0;
        if (StackSize() >= 3) {
            PushStep(row, col, d, 0, 0);
            n = CountBends();
            if (n > 2) {
                PopStep(w);
                CursorFromPopped();
                return;
            }
        } else {
            PushStep(row, col, d, 0, 0);
        }
        gs.cursor.row = NextRow(row, d);
        gs.cursor.col = NextCol(col, d);
        // With two bends used only straight on (and beyond) is left to try.
        gs.cursor.dir = n == 2 ? d : static_cast<int16_t>(1);
        return;
    }
}

void FindLink(GameWindow& w, int16_t row, int16_t col, int16_t dir) {
    flow::CheckDeadBoard(w);
    // The board was reshuffled under the click: the search from the pressed
    // cell pairs with nothing, and afterwards nothing stays selected, since the
    // pressed cell may now hold another tile or none.
    const bool reshuffled = !gs.linkFound;
    if (reshuffled) {
        gs.rowA = row;
        gs.colA = col;
        gs.rowB = 1;
        gs.colB = 1;
    }
    gs.cursor.row = row;
    gs.cursor.col = col;
    gs.cursor.dir = dir;
    for (;;) {
        SearchStep(w, gs.cursor.row, gs.cursor.col, gs.cursor.dir);
        if (CursorIsZero()) return;
        if (HasSteps() == 0 && gs.cursor.dir > 4) {
            ResetSearch();
            if (reshuffled) gs.rowA = gs.colA = 1;
            return;
        }
    }
}

void ProbeLink(GameWindow& w, int16_t row, int16_t col) {
    gs.cursor.row = row;
    gs.cursor.col = col;
    gs.cursor.dir = 1;
    for (;;) {
        SearchStep(w, gs.cursor.row, gs.cursor.col, gs.cursor.dir);
        if (CursorIsZero()) return;
        if (HasSteps() == 0 && gs.cursor.dir > 4) return;
    }
}

}  // namespace game
