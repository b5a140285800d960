#pragma once
// What one window may ask of another. A window never includes another subsystem's window:
// it names the window by its role and the application's registry does the rest.
//
// A window is not loaded, loaded and hidden, or shown. Loading creates it and runs its
// load behaviour; showing or hiding a window that is not loaded loads it first; unloading
// runs its closing behaviour once and destroys it. While the program is ending nothing
// new is loaded or shown.

class QWidget;

namespace velmoor {

enum class FormId { Startup, Main, Display, ExitScreen };

class Forms {
public:
    virtual ~Forms() = default;
    // The window, loaded if it was not; nullptr once the program is ending.
    virtual QWidget *load(FormId id) = 0;
    virtual void show(FormId id) = 0;
    virtual void hide(FormId id) = 0;
    virtual void unload(FormId id) = 0;
    virtual bool isLoaded(FormId id) const = 0;

    template <typename Window> Window *window(FormId id) { return dynamic_cast<Window *>(load(id)); }
};

// What a window does when it is loaded and when it closes.
class FormHooks {
public:
    virtual ~FormHooks() = default;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
};

} // namespace velmoor
