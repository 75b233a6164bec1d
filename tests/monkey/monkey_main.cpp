// make monkey EVENTS=N SEED=S: any length of monkey run; prints the seed of a failure.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Monkey.h"

int main(int argc, char** argv) {
    const uint64_t events = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;
    const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    // Long runs go in chunks of one seed each, so a failure names a seed that
    // reproduces it at once.
    const uint64_t chunk = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1000000;
    const auto start = std::chrono::steady_clock::now();
    uint64_t done = 0, pairs = 0, boards = 0, boxes = 0, restarts = 0;
    for (uint64_t s = seed; done < events; ++s) {
        const uint64_t n = events - done < chunk ? events - done : chunk;
        const kelvaro_monkey::MonkeyResult r = kelvaro_monkey::RunMonkey(s, n);
        done += r.events;
        pairs += r.pairs;
        boards += r.boards;
        boxes += r.boxes;
        restarts += r.restarts;
        const double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!r.ok) {
            std::printf("monkey: FAILED with seed %llu after event %llu: %s\n", static_cast<unsigned long long>(s),
                        static_cast<unsigned long long>(r.failedAt), r.failure.c_str());
            std::printf("monkey: reproduce with make monkey EVENTS=%llu SEED=%llu\n",
                        static_cast<unsigned long long>(r.failedAt), static_cast<unsigned long long>(s));
            return 1;
        }
        std::printf("monkey: seed %llu ok, %llu events in all, %.0f s, %llu pairs, %llu boards, %llu boxes, "
                    "%llu restarts\n",
                    static_cast<unsigned long long>(s), static_cast<unsigned long long>(done), t,
                    static_cast<unsigned long long>(pairs), static_cast<unsigned long long>(boards),
                    static_cast<unsigned long long>(boxes), static_cast<unsigned long long>(restarts));
        std::fflush(stdout);
    }
    return 0;
}
