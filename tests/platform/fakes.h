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

// Returns at once, after letting pending events through, so a four-second sequence takes
// milliseconds; `during` runs inside each pause (count from 1).
struct FakePause : Pause {
    int calls = 0;
    std::function<void(int)> during;
    void pause(int) override
    {
        ++calls;
        QCoreApplication::processEvents();
        if (during)
            during(calls);
    }
};

struct FakePlatform {
    FakeOpener opener;
    FakeSettings settings;
    FakeInstance instance;
    FakeClock clock;
    FakeRandom random;
    FakeBoxes boxes;
    FakePause pause;
    Services services{opener, settings, instance, clock, random, boxes, pause};
};

} // namespace velmoor::testing
