#include "ui/scheduler.hpp"

#include <algorithm>

namespace vantoro {

void TickScheduler::Start(TickKey key, std::int64_t periodMs, std::int64_t now) {
  Stop(key);
  timers_.push_back(
      Timer{key, std::max<std::int64_t>(periodMs, 1), now + std::max<std::int64_t>(periodMs, 1)});
}

void TickScheduler::Stop(TickKey key) {
  std::erase_if(timers_, [&](const Timer& t) { return t.Key == key; });
}

bool TickScheduler::Running(TickKey key) const {
  return std::any_of(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.Key == key; });
}

std::optional<std::int64_t> TickScheduler::NextDue(std::optional<TickKey> except) const {
  std::optional<std::int64_t> next;
  for (const Timer& t : timers_) {
    if (except && t.Key == *except) continue;
    if (!next || t.Due < *next) next = t.Due;
  }
  return next;
}

std::optional<TickKey> TickScheduler::TakeDue(std::int64_t now) {
  Timer* first = nullptr;
  const auto before = [](const Timer& a, const Timer& b) {
    if (a.Due != b.Due) return a.Due < b.Due;
    if (a.Key.Screen != b.Key.Screen) return a.Key.Screen < b.Key.Screen;
    return a.Key.Kind < b.Key.Kind;
  };
  for (Timer& t : timers_) {
    if (t.Due <= now && (first == nullptr || before(t, *first))) first = &t;
  }
  if (first == nullptr) return std::nullopt;
  first->Due += first->Period;
  if (first->Due <= now) first->Due = now + first->Period;
  return first->Key;
}

}  // namespace vantoro
