#include "common/commandlinefiles.h"

#include <QFileInfo>
#include <QUrl>

CommandLineFiles CommandLineFiles::read(const QStringList &arguments)
{
    CommandLineFiles files;
    for (const QString &argument : arguments) {
        if (argument.isEmpty())
            continue;
        const QString path = argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)
                                 ? QUrl(argument).toLocalFile()
                                 : argument;
        const QFileInfo info(path);
        if (!path.isEmpty() && info.exists())
            files.paths << info.absoluteFilePath();
        else
            files.missing << argument;
    }
    return files;
}
