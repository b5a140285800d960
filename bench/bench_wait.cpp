// The "Please Wait" sequence is stepped by a beat of one tick a second while the window
// stays live. Measures how far four ticks drift from four seconds, how much processor time
// the wait burns (it must sleep in the event loop, not spin), and how late a timer event is
// delivered meanwhile. Prints one line per figure; exits non-zero when a target is missed.

#include "platform/qt_platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    velmoor::TimerBeat beat;

    // A 50 ms ticker stands for the blinking squares and the user's input.
    QElapsedTimer sinceTick;
    qint64 worstGap = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] { worstGap = std::max(worstGap, sinceTick.restart()); });

    constexpr int runs = 3;
    double worstDrift = 0;
    double worstCpu = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer wall;
        const double cpuBefore = cpuSeconds();
        sinceTick.start();
        ticker.start(50);
        wall.start();
        QEventLoop waiting;
        int ticks = 0;
        beat.start([&] {
            if (++ticks == 4) {
                beat.stop();
                waiting.quit();
            }
        });
        waiting.exec();
        const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
        ticker.stop();
        const double cpu = cpuSeconds() - cpuBefore;
        worstDrift = std::max(worstDrift, seconds - 4.0);
        worstCpu = std::max(worstCpu, cpu / seconds);
        std::printf("run %d: 4 ticks took %.4f s, processor %.2f%%\n", run + 1, seconds,
                    100.0 * cpu / seconds);
    }
    std::printf("worst drift over 4 s: %.1f ms (target: 0 to 50 ms)\n", worstDrift * 1000);
    std::printf("worst processor use while waiting: %.2f%% (target: under 5%%)\n", worstCpu * 100);
    std::printf("worst gap between 50 ms ticks: %lld ms (target: under 100 ms)\n",
                static_cast<long long>(worstGap));
    const bool met = worstDrift >= 0 && worstDrift < 0.05 && worstCpu < 0.05 && worstGap < 100;
    std::printf("%s\n", met ? "targets met" : "TARGET MISSED");
    return met ? 0 : 1;
}
