#pragma once
// Command-line answers (--help, --version) of a program that is otherwise all windows.

#include <QString>

namespace velmoor {

// Makes the standard output and error reach the terminal the program was started from.
// On Windows a windowed program has none of its own unless its output is redirected: it
// borrows the console of the command prompt that started it, when there is one.
void reachTerminal();

// Writes text in any language to the standard output: a Windows console is given it as
// Unicode, whatever its code page; anything else receives UTF-8.
void printToTerminal(const QString &text);

} // namespace velmoor
