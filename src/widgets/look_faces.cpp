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
    QString face = designed;
    if (!QFontDatabase::hasFamily(designed)) {
        const auto standIn = std::find_if(standIns().begin(), standIns().end(), &QFontDatabase::hasFamily);
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
