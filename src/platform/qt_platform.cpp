#include "platform/qt_platform.h"

#include <QDateTime>

#include <cmath>

namespace velmoor {

double SystemClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

float unitFloat(std::uint32_t bits)
{
    return static_cast<float>(bits >> 8) * 0x1.0p-24f;
}

TimeSeededRandom::TimeSeededRandom(const Clock &clock) : m_clock(clock)
{
    Randomize();
}

void TimeSeededRandom::Randomize()
{
    const auto seed = static_cast<std::uint32_t>(std::llround(m_clock.secondsSinceMidnight() * 1000.0));
    m_engine.seed(seed);
}

float TimeSeededRandom::next()
{
    return unitFloat(static_cast<std::uint32_t>(m_engine()));
}

TimerBeat::TimerBeat()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1000);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        // The tick may stop the beat, or start it again: it runs from a copy.
        const std::function<void()> tick = m_tick;
        tick();
    });
}

void TimerBeat::start(std::function<void()> tick)
{
    m_tick = std::move(tick);
    m_timer.start();
}

void TimerBeat::stop()
{
    m_timer.stop();
}

} // namespace velmoor
