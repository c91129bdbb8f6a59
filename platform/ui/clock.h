#pragma once
// Time as the toolkit's timers see it, in milliseconds. The console runs on the system clock; tests
// install a ManualClock and move it forward with the Wait action, so timers fire at exact,
// repeatable moments and no test sleeps.
#include <cstdint>

namespace ptp::ui {

class Clock {
  public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual std::int64_t Now() const = 0;
    // Returns at time `when` or later: the system clock sleeps, a manual clock jumps.
    virtual void AdvanceTo(std::int64_t when) = 0;
};

class SystemClock final : public Clock {
  public:
    [[nodiscard]] std::int64_t Now() const override;
    void AdvanceTo(std::int64_t when) override;
};

class ManualClock final : public Clock {
  public:
    explicit ManualClock(std::int64_t start = 0) : m_now(start) {}
    [[nodiscard]] std::int64_t Now() const override { return m_now; }
    void AdvanceTo(std::int64_t when) override {
        if (when > m_now) m_now = when;
    }

  private:
    std::int64_t m_now;
};

}  // namespace ptp::ui
