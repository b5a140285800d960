#pragma once
// Command-line answers (--help, --version) of a program that is otherwise all windows.

#include <QString>

namespace velmoor {

// Makes the standard output and error reach the terminal the program was started from.
// On Windows a windowed program has none of its own unless its output is redirected: it
// borrows the console of the command prompt that started it, when there is one.
void reachTerminal();

// Whether the terminal can show this text: whether the character set of the user's locale
// (LC_CTYPE: UTF-8, ISO-8859-1, plain ASCII under "C"...) has every character of it, or a
// likeness ("„" as ",,"). On Windows, always: a console takes Unicode, redirected output is
// UTF-8.
bool terminalCanShow(const QString &text);

// Writes text to the standard output: to a Windows console as Unicode, whatever its code
// page; redirected on Windows, as UTF-8; elsewhere in the locale's character set, as every
// terminal program does (a character it lacks becomes its likeness, or "?").
void printToTerminal(const QString &text);

} // namespace velmoor
