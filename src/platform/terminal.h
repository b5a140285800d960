#pragma once
// Command-line answers (--help, --version) of a program that is otherwise all windows.

namespace velmoor {

// Makes the standard output and error reach the terminal the program was started from.
// On Windows a windowed program has none of its own unless its output is redirected: it
// borrows the console of the command prompt that started it, when there is one.
void reachTerminal();

} // namespace velmoor
