#pragma once
// What a window does when it is loaded and when it closes: the application's registry runs
// the first when it creates the window, the second once when the window goes.

namespace velmoor {

class FormHooks {
public:
    virtual ~FormHooks() = default;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
};

} // namespace velmoor
