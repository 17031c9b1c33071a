// The one way tests wait for something another thread, process or the file system does: ask
// again and again, a few milliseconds apart, until it holds or the time is up. Never a fixed
// sleep, whose length is right on one machine and wrong on a busier one.
#pragma once

#include <chrono>
#include <thread>

namespace mogura::test {

inline constexpr int kPollIntervalMs = 5;

// Calls `found` until its result converts to true or `timeoutMs` has passed, and returns the
// last result (a window handle, a flag, ...). `found` runs at least once.
template <typename Found>
auto Poll(int timeoutMs, Found found) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    auto result = found();
    if (result || std::chrono::steady_clock::now() >= end) return result;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollIntervalMs));
  }
}

}  // namespace mogura::test
