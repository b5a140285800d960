// The look's faces: the design's, asked for by their installed names.
#include "widgets/look_faces.h"
#include "widgets/look.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <algorithm>

namespace velmoor {

namespace {
// Where a design face is not installed, the first of the stand-ins that is, metric-close,
// takes its place.
const QStringList &standIns()
{
    static const QStringList sans{QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")};
    return sans;
}
} // namespace

// Found once for each design face, when first asked.
QString installedFace(const QString &designed)
{
    static QHash<QString, QString> found;
    if (const auto known = found.constFind(designed); known != found.cend())
        return *known;
    // Looked up among the installed families by name, not with QFontDatabase::hasFamily,
    // which first has fontconfig run its whole configuration over the name to resolve it
    // as an alias: a million instructions a name on the way to the first window.
    static const QStringList installed = [] {
        QStringList names = QFontDatabase::families();
        for (QString &family : names)
            family = family.section(QStringLiteral(" ["), 0, 0); // "Name [Foundry]": the name
        return names;
    }();
    const auto isInstalled = [](const QString &family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    QString face = designed;
    if (!isInstalled(designed)) {
        const auto standIn = std::find_if(standIns().begin(), standIns().end(), isInstalled);
        if (standIn != standIns().end())
            face = *standIn;
    }
    found.insert(designed, face);
    return face;
}

void installFontSubstitutes()
{
    for (const char *face : kDesignFaces)
        QFont::insertSubstitutions(QLatin1StringView(face), standIns());
}

QFont formFont()
{
    QFont font(installedFace(QStringLiteral("Verdana")));
    font.setPointSizeF(8.25);
    return font;
}

QFont boldFormFont(qreal points, bool underline)
{
    QFont font = formFont();
    font.setPointSizeF(points);
    font.setBold(true);
    font.setUnderline(underline);
    return font;
}

} // namespace velmoor
