// The seeded monkey as part of the suite: a fixed seed, 100,000 events (20,000
// under the sanitizers), under a minute.
#include <gtest/gtest.h>

#include <chrono>

#include "Monkey.h"

namespace kelvaro_monkey {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kEvents = 20000;  // the sanitizers make each event ten times dearer
#else
constexpr uint64_t kEvents = 100000;
#endif

TEST(Monkey, HundredThousandEventsKeepEveryInvariant) {
    const auto start = std::chrono::steady_clock::now();
    const MonkeyResult r = RunMonkey(20261209, kEvents);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(r.ok) << "seed 20261209, after event " << r.failedAt << ": " << r.failure;
    EXPECT_EQ(r.events, kEvents);
    // The run must reach the places where faults hide, not wander.
    EXPECT_GT(r.pairs, kEvents / 100);
    EXPECT_GT(r.boxes, kEvents / 2000);
    EXPECT_GT(r.boards, kEvents / 20000);
    RecordProperty("seconds", std::to_string(seconds));
    std::printf("monkey: %llu events in %.1f s, %llu pairs, %llu boards, %llu boxes, %llu restarts\n",
                static_cast<unsigned long long>(r.events), seconds, static_cast<unsigned long long>(r.pairs),
                static_cast<unsigned long long>(r.boards), static_cast<unsigned long long>(r.boxes),
                static_cast<unsigned long long>(r.restarts));
}

}  // namespace
}  // namespace kelvaro_monkey
