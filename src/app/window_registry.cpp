#include "app/window_registry.h"

#include "answer/frm_display.h"
#include "answer/frm_main.h"
#include "app/frm_exit_screen.h"
#include "app/frm_startup.h"

#include <QEvent>

namespace velmoor {

WindowRegistry::WindowRegistry(Services &services, std::function<void()> endProcess)
    : help(services.opener), modTellAFriend(help, services.boxes), m_services(services),
      m_endProcess(std::move(endProcess))
{}

WindowRegistry::~WindowRegistry()
{
    // Windows unloaded just before the end may still wait for their deferred deletion.
    for (const QPointer<QWidget> &window : m_unloaded)
        delete window.data();
    for (const Entry &entry : m_loaded)
        delete entry.window.data();
}

QWidget *WindowRegistry::create(FormId id)
{
    switch (id) {
    case FormId::Startup: {
        auto *startup = new FrmStartup(m_services, help);
        connect(startup, &FrmStartup::refused, this, &WindowRegistry::EndProgram);
        connect(startup, &FrmStartup::started, this, [this] { show(FormId::Main); });
        connect(startup, &FrmStartup::offerDrawn, this, &WindowRegistry::showOffer);
        connect(startup, &FrmStartup::closed, this, &WindowRegistry::EndProgram);
        return startup;
    }
    case FormId::Main: {
        auto *main = new FrmMain(m_services, intAnswer);
        connect(main, &FrmMain::answered, this, &WindowRegistry::showAnswer);
        connect(main, &FrmMain::closed, this, [this] { show(FormId::ExitScreen); });
        return main;
    }
    case FormId::Display: {
        auto *display = new FrmDisplay(m_services);
        connect(display, &FrmDisplay::backRequested, this, &WindowRegistry::backToTheQuestion);
        connect(display, &FrmDisplay::closed, this, [this] { show(FormId::ExitScreen); });
        return display;
    }
    case FormId::ExitScreen: {
        auto *screen = new FrmExitScreen(m_services, help, modTellAFriend);
        connect(screen, &FrmExitScreen::exitRequested, this, &WindowRegistry::EndProgram);
        return screen;
    }
    }
    return nullptr;
}

void WindowRegistry::showOffer(promo::Offer offer)
{
    if (auto *main = window<FrmMain>(FormId::Main))
        main->showOffer(offer);
}

void WindowRegistry::showAnswer(qint16 answer)
{
    if (auto *display = window<FrmDisplay>(FormId::Display))
        display->presentAnswer(answer);
    hide(FormId::Main);
    hide(FormId::ExitScreen);
    show(FormId::Display);
}

void WindowRegistry::backToTheQuestion()
{
    if (auto *main = window<FrmMain>(FormId::Main))
        main->resumeAsking();
    unload(FormId::Display);
    show(FormId::Main);
    hide(FormId::ExitScreen);
}

const WindowRegistry::Entry *WindowRegistry::find(FormId id) const
{
    for (const Entry &entry : m_loaded)
        if (entry.id == id && entry.window)
            return &entry;
    return nullptr;
}

QWidget *WindowRegistry::load(FormId id)
{
    if (m_ending)
        return nullptr;
    if (const Entry *entry = find(id))
        return entry->window;
    QPointer<QWidget> window = create(id);
    m_loaded.push_back({id, window});
    window->installEventFilter(this);
    if (auto *hooks = dynamic_cast<FormHooks *>(window.data()))
        hooks->Form_Load();
    return m_ending ? nullptr : window.data();
}

void WindowRegistry::show(FormId id)
{
    if (QWidget *window = load(id))
        window->show();
}

void WindowRegistry::hide(FormId id)
{
    if (QWidget *window = load(id))
        window->hide();
}

bool WindowRegistry::isLoaded(FormId id) const
{
    return find(id) != nullptr;
}

void WindowRegistry::unload(FormId id)
{
    const auto it =
        std::find_if(m_loaded.begin(), m_loaded.end(), [id](const Entry &entry) { return entry.id == id; });
    if (it == m_loaded.end())
        return;
    const QPointer<QWidget> window = it->window;
    m_loaded.erase(it); // before the closing behaviour, so that it runs once
    if (!window)
        return;
    if (auto *hooks = dynamic_cast<FormHooks *>(window.data()))
        hooks->Form_Unload();
    if (!window)
        return;
    window->removeEventFilter(this);
    window->hide();
    // The window may be inside one of its own handlers (a button that closes it), so it is
    // destroyed once control is back in the event loop; until then this registry owns it.
    std::erase_if(m_unloaded, [](const QPointer<QWidget> &gone) { return gone.isNull(); });
    m_unloaded.push_back(window);
    window->deleteLater();
}

void WindowRegistry::EndProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    while (!m_loaded.empty())
        unload(m_loaded.front().id);
    m_endProcess();
}

bool WindowRegistry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close) {
        for (const Entry &entry : m_loaded) {
            if (entry.window == watched) {
                unload(entry.id); // the close box: closing behaviour, then gone
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmoor
