#include "app/command_line.h"

namespace velmoor {

CommandLine readCommandLine(const QStringList &arguments)
{
    static const QStringList help{QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-help")};
    static const QStringList version{QStringLiteral("-v"), QStringLiteral("--version"),
                                     QStringLiteral("-version")};
    for (const QString &argument : arguments) {
        if (help.contains(argument))
            return {CommandLine::Answer::Help, {}};
        if (version.contains(argument))
            return {CommandLine::Answer::Version, {}};
    }
    return {CommandLine::Answer::Start, arguments};
}

} // namespace velmoor
