// How long the decoder's transactions take on a real line: the simulated interface unit with byte
// timing of 9600 baud 8E2 (1.25 ms a byte). A read moves four frames (request, echo, reply; the
// echo and the request share the line), a write two reads, the write frame and a 500 ms settle
// time. Prints the figures; it asserts nothing, since timing belongs in no test.

#include "link/Pellix.h"
#include "protocol/Brannoc.h"
#include "simulator/SimControl.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void Report(const char* name, int runs, const std::function<void()>& transaction) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        transaction();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s runs %3d   min %8.2f ms   median %8.2f ms   max %8.2f ms\n", name, runs,
                ms.front(), ms[ms.size() / 2], ms.back());
}

} // namespace

int main() {
    sim_reset();
    sim_set_byte_timing(1);
    Pellix link;
    link.Initialize();
    link.Open();
    Brannoc brannoc(&link);

    Report("read transaction", 50, [&] { static_cast<void>(brannoc.Read()); });

    const Frame reply = brannoc.Read();
    for (std::size_t i = 0; i < Brannoc::kImageSize; ++i) {
        brannoc.Image()[i] = reply[i + 1];
    }
    Report("write transaction", 10, [&] { brannoc.Write(); });

    sim_set_silent(1);
    Report("read, silent decoder", 3, [&] {
        try {
            static_cast<void>(brannoc.Read());
        } catch (const Pellix::ReadError&) {
            // Expected: the figure is how long the user waits for the error.
        }
    });
    return 0;
}
