#pragma once
// Test doubles of the platform interfaces: they record what the program asked for and
// answer as the test says.

#include "platform/platform.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QStringList>

#include <functional>

namespace velmoor::testing {

struct FakeOpener : PageOpener {
    QStringList opened;
    void open(const QString &address) override { opened << address; }
};

struct FakeSettings : SettingsStore {
    QMap<QString, QString> values; // "section/key" -> value
    bool failReads = false;
    bool failWrites = false;
    std::optional<QString> read(const QString &section, const QString &key) override
    {
        if (failReads)
            return std::nullopt;
        return values.value(section + u'/' + key);
    }
    bool write(const QString &section, const QString &key, const QString &value) override
    {
        if (failWrites)
            return false;
        values[section + u'/' + key] = value;
        return true;
    }
};

struct FakeInstance : InstanceQuery {
    bool running = false;
    bool PrevInstance() override { return running; }
};

struct FakeClock : Clock {
    double seconds = 43200.0;
    QDate date{2026, 12, 7};
    double secondsSinceMidnight() const override { return seconds; }
    QDate today() const override { return date; }
};

struct FakeRandom : RandomSource {
    QList<float> script; // drawn in order; 0.25 once it runs out
    int randomized = 0;
    void Randomize() override { ++randomized; }
    float next() override { return script.isEmpty() ? 0.25f : script.takeFirst(); }
};

struct FakeBoxes : MessageBoxes {
    struct Shown {
        QString text;
        MsgIcon icon;
        MsgButtons buttons;
        MsgLayer layer;
    };
    QList<Shown> shown;
    MsgAnswer answer = MsgAnswer::Yes; // for Yes/No boxes
    std::function<void()> whileOpen;
    MsgAnswer show(const QString &text, MsgIcon icon, MsgButtons buttons, MsgLayer layer) override
    {
        shown.append({text, icon, buttons, layer});
        if (whileOpen)
            whileOpen();
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : answer;
    }
    QStringList texts() const
    {
        QStringList out;
        for (const Shown &s : shown)
            out << s.text;
        return out;
    }
};

// The wait's beat, played by the test: finish() runs a started beat's ticks one after
// another until it stops, so a four-second wait takes milliseconds. Each second waited
// first lets pending events through and runs `during` (seconds counted from 1: while the
// dots appear, the dots shown), as a person might act between two ticks.
struct FakeBeat : Beat {
    int starts = 0;
    int calls = 0; // seconds waited
    bool running = false;
    std::function<void(int)> during;
    std::function<void()> onTick;
    void start(std::function<void()> tick) override
    {
        ++starts;
        running = true;
        onTick = std::move(tick);
    }
    void stop() override { running = false; }
    void finish()
    {
        while (running) {
            ++calls;
            QCoreApplication::processEvents();
            if (during)
                during(calls);
            if (running) {
                const std::function<void()> tick = onTick; // which may start the beat again
                tick();
            }
        }
    }
};

struct FakePlatform {
    FakeOpener opener;
    FakeSettings settings;
    FakeInstance instance;
    FakeClock clock;
    FakeRandom random;
    FakeBoxes boxes;
    FakeBeat beat;
    Services services{opener, settings, instance, clock, random, boxes, beat};
};

} // namespace velmoor::testing
