// Ticks handed to the main thread allocate nothing once a timer runs. The
// whole test program counts its allocations through a replaced operator new.
#include <gtest/gtest.h>
#include <pthread.h>

#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <cstdlib>
#include <new>

#include "qt_timer_fixture.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> mainThreadAllocations{0};
std::atomic<long> otherThreadAllocations{0};
pthread_t countedMainThread;

}  // namespace

// The array and nothrow forms are built on these; over-aligned allocations
// are not counted.
void* operator new(std::size_t size) {
  if (counting.load(std::memory_order_relaxed)) {
    (pthread_equal(pthread_self(), countedMainThread) ? mainThreadAllocations : otherThreadAllocations)
        .fetch_add(1, std::memory_order_relaxed);
  }
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace quorvane {
namespace {

class QtTimerAllocations : public testing::QtTimer {};

TEST_P(QtTimerAllocations, SteadyTicksAllocateNothing) {
  mainThreadAllocations = 0;
  otherThreadAllocations = 0;
  timer.SetInterval(60);  // sleeps a little each period: easier on a shared machine
  constexpr int kWarmUp = 3, kCounted = 15;
  QEventLoop loop;
  int ticks = 0;
  timer.SetOnTimer([&](TSuperTimer& sender) {
    // From the end of one tick to the start of a later one: the whole way
    // round through the worker and the event loop.
    if (++ticks == kWarmUp) {
      countedMainThread = pthread_self();
      counting.store(true);
    } else if (ticks == kWarmUp + kCounted) {
      counting.store(false);
      sender.SetEnabled(false);
      loop.quit();
    }
  });
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  timer.SetEnabled(true);
  loop.exec();
  counting.store(false);
  ASSERT_EQ(ticks, kWarmUp + kCounted);
  EXPECT_EQ(mainThreadAllocations.load(), 0);
  EXPECT_EQ(otherThreadAllocations.load(), 0);
}

INSTANTIATE_TEST_SUITE_P(Scheduling, QtTimerAllocations, testing::kQtTimerSetups, testing::QtTimerSetupName);

}  // namespace
}  // namespace quorvane
