#pragma once
// What the fuzz targets share: the input cut into the pieces a target reads, and the check
// that ends the run (libFuzzer saves the input that did it) saying what went wrong.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace velmoor::fuzz {

// The input as at most `count` pieces of bytes, cut at zero bytes; the last piece keeps the
// rest. Missing pieces are empty.
inline QList<QByteArray> byteParts(const uint8_t *data, size_t size, qsizetype count)
{
    QList<QByteArray> parts;
    QByteArray rest(reinterpret_cast<const char *>(data), qsizetype(size));
    while (parts.size() + 1 < count) {
        const qsizetype zero = rest.indexOf('\0');
        if (zero < 0)
            break;
        parts << rest.left(zero);
        rest.remove(0, zero + 1);
    }
    parts << rest;
    while (parts.size() < count)
        parts << QByteArray();
    return parts;
}

// The input as UTF-16 code units, any of them (lone surrogates as a paste may bring), in at
// most `count` pieces cut at zero units.
inline QStringList textParts(const uint8_t *data, size_t size, qsizetype count)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    for (size_t i = 0; i + 1 < size; i += 2)
        text[qsizetype(i / 2)] = QChar(char16_t(data[i] | (data[i + 1] << 8)));
    QStringList parts;
    while (parts.size() + 1 < count) {
        const qsizetype zero = text.indexOf(QChar(0));
        if (zero < 0)
            break;
        parts << text.left(zero);
        text.remove(0, zero + 1);
    }
    parts << text;
    while (parts.size() < count)
        parts << QString();
    return parts;
}

// Ends the run when `holds` is false, with what was expected and what the input gave.
template <typename Details> void expect(bool holds, const char *what, Details details)
{
    if (holds)
        return;
    std::fprintf(stderr, "oracle: %s\n%s\n", what, qUtf8Printable(details()));
    std::abort();
}

} // namespace velmoor::fuzz
