// The draws, as the program makes them with its own generator: are they fair, and how fast?
// A chi-square test of each draw against its exact shares over a million draws, three times
// with three seedings (the middle p-value must stay above 0.01: a fair draw falls below it
// in one test of a hundred, so one test alone would cry wolf), and draws per second. Prints
// one line per figure; exits non-zero when a draw is unfair.

#include "answer/answer.h"
#include "app/promo_draws.h"
#include "platform/qt_platform.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The upper regularised incomplete gamma function Q(a, x): the chi-square p-value for
// 2a degrees of freedom at 2x. Series below a + 1, continued fraction above.
double upperGamma(double a, double x)
{
    if (x <= 0)
        return 1.0;
    const double logPrefix = -x + a * std::log(x) - std::lgamma(a);
    if (x < a + 1) {
        double term = 1.0 / a, sum = term;
        for (int n = 1; n < 1000 && std::fabs(term) > std::fabs(sum) * 1e-15; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return 1.0 - sum * std::exp(logPrefix);
    }
    double b = x + 1 - a, c = 1e300, d = 1 / b, h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        d = std::fabs(d) < 1e-300 ? 1e-300 : d;
        c = b + an / c;
        c = std::fabs(c) < 1e-300 ? 1e-300 : c;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < 1e-15)
            break;
    }
    return std::exp(logPrefix) * h;
}

struct Outcome {
    double pValue;
    double drawsPerSecond;
};

// `draw` maps one value of the generator onto 0..shares.size()-1.
Outcome test(const std::function<int(float)> &draw, const std::vector<double> &shares, int draws)
{
    velmoor::SystemClock clock;
    velmoor::TimeSeededRandom random(clock);
    std::vector<long> counts(shares.size(), 0);
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < draws; ++i)
        ++counts.at(static_cast<std::size_t>(draw(random.next())));
    const double seconds = static_cast<double>(elapsed.nsecsElapsed()) / 1e9;
    double chi = 0;
    for (std::size_t k = 0; k < shares.size(); ++k) {
        const double expected = shares[k] * draws;
        chi += (counts[k] - expected) * (counts[k] - expected) / expected;
    }
    return {upperGamma((static_cast<double>(shares.size()) - 1) / 2, chi / 2), draws / seconds};
}

} // namespace

int main()
{
    using namespace velmoor;
    const int draws = 1000000;
    struct Draw {
        const char *name;
        std::function<int(float)> draw;
        std::vector<double> shares;
    };
    const std::vector<Draw> all{
        {"answer (Yes/No)", [](float r) { return drawAnswer(r) - 1; }, {0.5, 0.5}},
        // 6r + 1 rounded, halves to even: 1 and 7 cover half a step each.
        {"promotional label (1-7)",
         [](float r) { return coBrandDraw(r) - 1; },
         {1.0 / 12, 1.0 / 6, 1.0 / 6, 1.0 / 6, 1.0 / 6, 1.0 / 6, 1.0 / 12}},
        {"appeal text (0-3)", [](float r) { return appealIndex(r); }, {0.25, 0.25, 0.25, 0.25}},
    };
    bool fair = true;
    for (const Draw &d : all) {
        std::array<Outcome, 3> runs{};
        for (Outcome &run : runs) {
            run = test(d.draw, d.shares, draws);
            QThread::msleep(3); // another time of day, another seeding
        }
        std::array<double, 3> p{runs[0].pValue, runs[1].pValue, runs[2].pValue};
        std::sort(p.begin(), p.end());
        std::printf("draw %-24s p = %.3f, %.3f, %.3f over %d draws each; %.1f million draws/s\n", d.name,
                    p[0], p[1], p[2], draws, runs[0].drawsPerSecond / 1e6);
        fair = fair && p[1] > 0.01;
    }
    return fair ? 0 : 1;
}
