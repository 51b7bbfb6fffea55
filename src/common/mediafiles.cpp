#include "common/mediafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const char kVideo[] = "*.3gp *.3g2 *.amv *.asf *.avi *.avs *.cpk *.dat *.dif *.dv *.dvr-ms *.fli *.flv *.m2t *.m2ts "
                      "*.mkv *.mod *.mov *.mp4 *.mpeg *.mpg *.mts *.ogm *.qt *.rm *.rmvb *.trp *.ts *.vfw *.vob "
                      "*.wmv *.yuv";
const char kAudio[] = "*.aac *.ac3 *.aif *.aix *.amr *.ape *.asf *.flac *.gsm *.m4a *.m4r *.mid *.mka *.mmf *.mpa "
                      "*.mp3 *.mpc *.musx *.ogg *.pcm *.ra *.tta *.voc *.wma *.wav *.wv";
const char kImage[] = "*.png *.jpg *.jpeg *.gif *.webp *.bmp";

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// Listed so the translation tools find them; translated when the filter is built.
const char *const kFilterNames[] = {
    QT_TRANSLATE_NOOP("MainWindow", "All Supported Media Files"),
    QT_TRANSLATE_NOOP("MainWindow", "All Supported Video Files"),
    QT_TRANSLATE_NOOP("MainWindow", "All Supported Audio Files"),
    QT_TRANSLATE_NOOP("MainWindow", "All Files"),
    QT_TRANSLATE_NOOP("MainWindow", "All Supported Image Files"),
};
}

namespace MediaFiles {

QStringList videoPatterns()
{
    return QString::fromLatin1(kVideo).split(QLatin1Char(' '));
}

QStringList audioPatterns()
{
    return QString::fromLatin1(kAudio).split(QLatin1Char(' '));
}

QStringList mediaPatterns()
{
    return videoPatterns() + audioPatterns();
}

QString mediaFilter()
{
    const QString media = QString::fromLatin1(kVideo) + QLatin1Char(' ') + QString::fromLatin1(kAudio);
    return translated(kFilterNames[0]) + QLatin1Char('(') + media + QStringLiteral(");;")
           + translated(kFilterNames[1]) + QLatin1Char('(') + QString::fromLatin1(kVideo) + QStringLiteral(");;")
           + translated(kFilterNames[2]) + QLatin1Char('(') + QString::fromLatin1(kAudio) + QStringLiteral(");;")
           + translated(kFilterNames[3]) + QStringLiteral(" (*.*)");
}

QString videoFilter()
{
    return translated(kFilterNames[1]) + QLatin1Char('(') + QString::fromLatin1(kVideo) + QStringLiteral(");;")
           + translated(kFilterNames[3]) + QStringLiteral(" (*.*)");
}

QString imageFilter()
{
    return translated(kFilterNames[4]) + QLatin1Char('(') + QString::fromLatin1(kImage) + QStringLiteral(");;")
           + translated(kFilterNames[3]) + QStringLiteral(" (*.*)");
}

QStringList mediaFilesIn(const QString &folder)
{
    const QDir dir(folder);
    QStringList files;
    for (const QString &name : dir.entryList(mediaPatterns(), QDir::Files))
        files << dir.absoluteFilePath(name);
    return files;
}

QStringList expandFolders(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        if (QFileInfo(path).isDir())
            files << mediaFilesIn(path);
        else if (!path.isEmpty())
            files << path;
    }
    return files;
}

QString sidecarSubtitle(const QString &sourcePath)
{
    const QFileInfo source(sourcePath);
    for (const char *extension : {".ass", ".ssa", ".srt"}) {
        const QString candidate = source.absolutePath() + QLatin1Char('/') + source.completeBaseName()
                                  + QLatin1String(extension);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}

}
