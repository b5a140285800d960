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

// `whole` in at most `count` pieces cut at its zeros; the last piece keeps the rest.
// Missing pieces are empty.
template <typename Text> QList<Text> pieces(Text whole, qsizetype count)
{
    QList<Text> parts;
    while (parts.size() + 1 < count) {
        const qsizetype zero = whole.indexOf(typename Text::value_type(0));
        if (zero < 0)
            break;
        parts << whole.left(zero);
        whole.remove(0, zero + 1);
    }
    parts << whole;
    while (parts.size() < count)
        parts << Text();
    return parts;
}

// The input as bytes, in pieces.
inline QList<QByteArray> byteParts(const uint8_t *data, size_t size, qsizetype count)
{
    return pieces(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), count);
}

// The input as UTF-16 code units, any of them (lone surrogates as a paste may bring), in
// pieces.
inline QStringList textParts(const uint8_t *data, size_t size, qsizetype count)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    for (size_t i = 0; i + 1 < size; i += 2)
        text[qsizetype(i / 2)] = QChar(char16_t(data[i] | (data[i + 1] << 8)));
    return pieces(text, count);
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
