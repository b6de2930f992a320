#include "ui/scheduler.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantoro {
namespace {

std::string Name(TickKey k) { return std::to_string(k.Screen) + (k.Kind == TickKind::Drawing ? "d" : "e"); }

// Every tick fired up to `until`, stepping the clock from due time to due
// time as the headless driver does.
std::vector<std::string> FireUntil(TickScheduler& s, std::int64_t until) {
  std::vector<std::string> fired;
  while (auto due = s.NextDue()) {
    if (*due > until) break;
    while (auto key = s.TakeDue(*due)) fired.push_back(std::to_string(*due) + ":" + Name(*key));
  }
  return fired;
}

TEST(SchedulerTest, TiesFireInScreenOrderDrawingBeforeEvent) {
  TickScheduler s;
  s.Start({8, TickKind::Event}, 100, 0);
  s.Start({8, TickKind::Drawing}, 50, 0);
  s.Start({0, TickKind::Drawing}, 25, 0);
  s.Start({2, TickKind::Drawing}, 50, 0);
  EXPECT_EQ(FireUntil(s, 100), (std::vector<std::string>{"25:0d", "50:0d", "50:2d", "50:8d", "75:0d",
                                                         "100:0d", "100:2d", "100:8d", "100:8e"}));
}

TEST(SchedulerTest, LateTicksFireOnceAndRescheduleFromNow) {
  TickScheduler s;
  s.Start({1, TickKind::Drawing}, 35, 0);
  // The program stalled until 500: one tick, not fourteen.
  EXPECT_TRUE(s.TakeDue(500).has_value());
  EXPECT_FALSE(s.TakeDue(500).has_value());
  EXPECT_EQ(s.NextDue(), 535);
  // A tick a little late keeps its rhythm.
  EXPECT_TRUE(s.TakeDue(540).has_value());
  EXPECT_EQ(s.NextDue(), 570);
}

TEST(SchedulerTest, StopAndRestart) {
  TickScheduler s;
  s.Start({3, TickKind::Drawing}, 50, 0);
  s.Stop({3, TickKind::Drawing});
  EXPECT_FALSE(s.Running({3, TickKind::Drawing}));
  EXPECT_FALSE(s.NextDue().has_value());
  s.Start({3, TickKind::Drawing}, 50, 1000);
  s.Start({3, TickKind::Drawing}, 50, 1010);  // a restart replaces, never doubles
  EXPECT_EQ(FireUntil(s, 1100), (std::vector<std::string>{"1060:3d"}));
}

}  // namespace
}  // namespace vantoro
