#pragma once
// Help moves and dead boards, both driven by one scan of candidate pairs.
#include <cstdint>

namespace flow {

// Probes every same-face pair in scan order until the search accepts one.
void ScanPairs();
void UseHint();
void CheckDeadBoard();
void ReshuffleBoard();

}  // namespace flow
