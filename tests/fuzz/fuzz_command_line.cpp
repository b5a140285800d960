// The command line from any arguments (cut at zero bytes, read as the program reads its
// arguments). Every input gives the help or the version (status 0, the program does not
// start) when one of their options is among the arguments, the first of them deciding, and
// otherwise the program's start with every argument named as ignored.

#include "app/command_line.h"
#include "fuzz.h"

using namespace velmoor;
using velmoor::fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments;
    for (const QByteArray &argument : fuzz::byteParts(data, size, 64))
        arguments << QString::fromLocal8Bit(argument);
    const CommandLine line = readCommandLine(arguments);
    const auto details = [&] { return arguments.join(QStringLiteral("' '")); };

    const QStringList help{QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-help")};
    const QStringList version{QStringLiteral("-v"), QStringLiteral("--version"), QStringLiteral("-version")};
    for (const QString &argument : arguments) {
        if (help.contains(argument) || version.contains(argument)) {
            const auto wanted =
                help.contains(argument) ? CommandLine::Answer::Help : CommandLine::Answer::Version;
            expect(line.answer == wanted && line.exitStatus() == 0, "the first option answers, with status 0",
                   details);
            return 0;
        }
    }
    expect(line.answer == CommandLine::Answer::Start && !line.exitStatus() && line.ignored == arguments,
           "the program starts, every argument named as ignored", details);
    return 0;
}
