#include "platform/terminal.h"

#include <iconv.h>
#include <langinfo.h>

#include <QByteArray>

#include <cerrno>
#include <cstdio>

namespace velmoor {

namespace {
// The text in the locale's character set, a character it lacks written as its nearest
// likeness ("„" as ",,", "é" under ASCII as "e") or, failing one, "?", as the terminal
// programs that use gettext write it.
QByteArray inLocaleCharset(const QString &text)
{
    QByteArray utf8 = text.toUtf8();
    const iconv_t converter =
        iconv_open((QByteArray(nl_langinfo(CODESET)) + "//TRANSLIT").constData(), "UTF-8");
    // NOLINTNEXTLINE(performance-no-int-to-ptr): how iconv says that it failed
    if (converter == reinterpret_cast<iconv_t>(-1))
        return utf8; // a character set iconv does not know
    QByteArray out(utf8.size() * 4 + 16, Qt::Uninitialized);
    char *in = const_cast<char *>(utf8.constData()), *to = out.data();
    auto left = size_t(utf8.size());
    auto room = size_t(out.size());
    while (left > 0 && iconv(converter, &in, &left, &to, &room) == size_t(-1) && errno == EILSEQ
           && room > 0) {
        // A character not even a likeness stands for: "?", and on past its bytes.
        *to++ = '?';
        --room;
        do {
            ++in;
            --left;
        } while (left > 0 && (uchar(*in) & 0xC0) == 0x80);
    }
    iconv_close(converter);
    out.truncate(to - out.data());
    return out;
}
} // namespace

void reachTerminal()
{
    // A terminal program's output goes where it was started from already.
}

bool terminalCanShow(const QString &text)
{
    // Nothing became a question mark.
    return inLocaleCharset(text).count('?') == text.count(u'?');
}

void printToTerminal(const QString &text)
{
    const QByteArray bytes = inLocaleCharset(text);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace velmoor
