#pragma once
// "Today" and "now" come from a clock object so that tests can fix them.

namespace lumivane {

struct LocalDateTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual LocalDateTime Now() const = 0;
};

// The system's local time.
class SystemClock final : public Clock {
public:
    [[nodiscard]] LocalDateTime Now() const override;
};

// A clock that always answers the same time.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDateTime now) : m_now(now) {}
    [[nodiscard]] LocalDateTime Now() const override { return m_now; }

private:
    LocalDateTime m_now;
};

}  // namespace lumivane
