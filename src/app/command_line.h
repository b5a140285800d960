#pragma once
// What the command line asks of a program that is otherwise all windows: the help, the
// version, or the program's start. It takes nothing else: anything more (a file dropped on
// it, a shortcut's argument, Qt's own -style or -stylesheet FILE) is ignored with a word on
// standard error and never reaches Qt.

#include <QStringList>

#include <optional>

namespace velmoor {

struct CommandLine {
    enum class Answer { Start, Help, Version };
    Answer answer = Answer::Start;
    QStringList ignored; // when the program starts: every argument it was given

    // The program's exit status when it answers on the terminal; nothing when it starts.
    std::optional<int> exitStatus() const
    {
        return answer == Answer::Start ? std::nullopt : std::optional<int>(0);
    }
};

// `arguments` without the program's own name. The first of -h, --help, -help, -v,
// --version, -version answers.
CommandLine readCommandLine(const QStringList &arguments);

} // namespace velmoor
