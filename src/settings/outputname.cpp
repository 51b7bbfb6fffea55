#include "settings/outputname.h"

#include <QFileInfo>

namespace {
QString withSuffixBeforeExtension(const QString &path, const QString &insert)
{
    const int nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < nameStart)
        return path + insert;
    return path.left(dot) + insert + path.mid(dot);
}
}

QString outputPathFor(const QString &proposedPath, bool coverage, const QTime &now)
{
    if (coverage || !QFileInfo::exists(proposedPath))
        return proposedPath;

    const QString stamp = now.toString(QStringLiteral("(hhmmss)"));
    QString candidate = withSuffixBeforeExtension(proposedPath, stamp);
    for (int counter = 2; QFileInfo::exists(candidate); ++counter)
        candidate = withSuffixBeforeExtension(proposedPath, stamp + QStringLiteral("(%1)").arg(counter));
    return candidate;
}
