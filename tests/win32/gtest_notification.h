#pragma once

// GoogleTest builds a Notification for its own tests of threads on
// std::mutex, which the win32 thread flavour of mingw-w64's GCC does not
// have. The project's tests never start a thread; this stand-in only has to
// compile and be correct, not fast.

#include <atomic>

namespace testing::internal {

// Not copyable, as its atomic is not.
class Notification {
public:
    void Notify() { notified_.store(true, std::memory_order_release); }
    void WaitForNotification()
    {
        while (!notified_.load(std::memory_order_acquire)) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

} // namespace testing::internal

#define GTEST_HAS_NOTIFICATION_ 1
