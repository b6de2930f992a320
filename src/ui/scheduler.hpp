#pragma once
// Periodic ticks of the screens, on one thread, the same under a real clock
// and under the headless driver's virtual clock: a tick started at time t is
// due at t + P, t + 2P, ...; a tick that has fallen behind fires once and is
// rescheduled from now, so a stalled program never fires a burst; ticks due
// at the same moment fire in screen order, a drawing tick before an event tick.

#include <cstdint>
#include <optional>
#include <vector>

namespace vantoro {

enum class TickKind { Drawing = 0, Event = 1 };

struct TickKey {
  int Screen;  // creation order, from 0
  TickKind Kind;
  constexpr bool operator==(const TickKey&) const = default;
};

class TickScheduler {
 public:
  void Start(TickKey key, std::int64_t periodMs, std::int64_t now);
  void Stop(TickKey key);
  bool Running(TickKey key) const;

  // The earliest due tick, if any is running; `except`: leaving that one out.
  std::optional<std::int64_t> NextDue(std::optional<TickKey> except = std::nullopt) const;
  // Takes the tick that is due first at `now` (ties in screen order) and
  // reschedules it; nothing when no tick is due yet.
  std::optional<TickKey> TakeDue(std::int64_t now);

 private:
  struct Timer {
    TickKey Key;
    std::int64_t Period;
    std::int64_t Due;
  };
  std::vector<Timer> timers_;
};

}  // namespace vantoro
