#include "common/folders.h"

#include <QDir>

bool ensureFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    QDir dir(path);
    return dir.exists() || dir.mkpath(QStringLiteral("."));
}
