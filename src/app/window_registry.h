#pragma once
// The application: the registry that owns every window but the about box, loads them on
// first use, remembers their load order, runs their closing behaviour once and ends the
// program (EndProgram). main.cpp creates it and loads frmStartup, whose load runs the
// start-up sequence (frm_startup.h). The windows only say what happened (signals); which
// window shows next, and when the program ends, is decided here, and only here; the
// program-wide state (the answer drawn, the page openers, the referral) is kept here and
// handed to the windows that need it:
//
//   frmStartup ── shows ──> frmMain ── answered ──> frmDisplay ── backRequested ──> frmMain
//        │                     └──── closed ──> frmExitScreen <── closed ──┘
//        └── EndProgram <── E&xit / close box of frmExitScreen, or a second copy
//
// A window is not loaded, loaded and hidden, or shown. Loading creates it and runs its
// load behaviour; showing or hiding a window that is not loaded loads it first; unloading
// runs its closing behaviour once and destroys it. While the program is ending nothing new
// is loaded or shown.

#include "platform/platform.h"
#include "referral/mod_tell_a_friend.h"
#include "site/mod_help.h"
#include "site/promo_texts.h"
#include "widgets/form_hooks.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class QWidget;

namespace velmoor {

enum class FormId { Startup, Main, Display, ExitScreen };
// Every window the registry loads; the start-up window is never shown.
inline constexpr std::array kForms{FormId::Startup, FormId::Main, FormId::Display, FormId::ExitScreen};

class WindowRegistry : public QObject {
    Q_OBJECT
public:
    // endProcess ends the process once every window is unloaded.
    WindowRegistry(Services &services, std::function<void()> endProcess);
    ~WindowRegistry() override;

    // The window, loaded if it was not; nullptr once the program is ending.
    QWidget *load(FormId id);
    void show(FormId id);
    void hide(FormId id);
    void unload(FormId id);
    bool isLoaded(FormId id) const;
    template <typename Window> Window *window(FormId id) { return dynamic_cast<Window *>(load(id)); }

    // Unloads every loaded window in load order, then ends the process. Calls made while it
    // runs (from the closing behaviours it triggers) do nothing.
    void EndProgram();
    bool ending() const { return m_ending; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        FormId id;
        QPointer<QWidget> window;
    };
    QWidget *create(FormId id);
    // Where each window's news leads.
    void showOffer(promo::Offer offer);
    void showAnswer(qint16 answer);
    void backToTheQuestion();
    const Entry *find(FormId id) const;

    // Program-wide state, the design's names.
    qint16 intAnswer = 0;
    ModHelp help;
    ModTellAFriend modTellAFriend;

    Services &m_services;
    std::function<void()> m_endProcess;
    std::vector<Entry> m_loaded;               // in load order
    std::vector<QPointer<QWidget>> m_unloaded; // awaiting deletion
    bool m_ending = false;
};

} // namespace velmoor
