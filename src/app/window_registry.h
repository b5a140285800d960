#pragma once
// The application: the registry that owns every window but the about box, loads them on
// first use, remembers their load order, runs their closing behaviour once and ends the
// program (EndProgram). main.cpp creates it and loads frmStartup, whose load runs the
// start-up sequence (frm_startup.h); the windows then drive each other through Forms.
//
//   frmStartup ── shows ──> frmMain ── answer ──> frmDisplay ── Back ──> frmMain
//        │                     └──── close ──> frmExitScreen <── close ──┘
//        └── EndProgram <── E&xit / close box of frmExitScreen, or a second copy

#include "platform/forms.h"
#include "platform/platform.h"
#include "referral/mod_tell_a_friend.h"
#include "site/mod_help.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

namespace velmoor {

class WindowRegistry : public QObject, public Forms {
    Q_OBJECT
public:
    // endProcess ends the process once every window is unloaded.
    WindowRegistry(Services &services, std::function<void()> endProcess);
    ~WindowRegistry() override;

    QWidget *load(FormId id) override;
    void show(FormId id) override;
    void hide(FormId id) override;
    void unload(FormId id) override;
    bool isLoaded(FormId id) const override;

    // Unloads every loaded window in load order, then ends the process. Calls made while it
    // runs (from the closing behaviours it triggers) do nothing.
    void EndProgram();
    bool ending() const { return m_ending; }

    // Program-wide state the windows share.
    qint16 intAnswer = 0;
    ModHelp help;
    ModTellAFriend modTellAFriend;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        FormId id;
        QPointer<QWidget> window;
    };
    QWidget *create(FormId id);
    const Entry *find(FormId id) const;

    Services &m_services;
    std::function<void()> m_endProcess;
    std::vector<Entry> m_loaded;               // in load order
    std::vector<QPointer<QWidget>> m_unloaded; // awaiting deletion
    bool m_ending = false;
};

} // namespace velmoor
