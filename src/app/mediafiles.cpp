#include "app/mediafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const char kVideo[] = "*.3gp *.3g2 *.amv *.asf *.avi *.avs *.cpk *.dat *.dif *.dv *.dvr-ms *.fli *.flv *.m2t *.m2ts "
                      "*.mkv *.mod *.mov *.mp4 *.mpeg *.mpg *.mts *.ogm *.qt *.rm *.rmvb *.trp *.ts *.vfw *.vob "
                      "*.wmv *.yuv";
const char kAudio[] = "*.aac *.ac3 *.aif *.aix *.amr *.ape *.asf *.flac *.gsm *.m4a *.m4r *.mid *.mka *.mmf *.mpa "
                      "*.mp3 *.mpc *.musx *.ogg *.pcm *.ra *.tta *.voc *.wma *.wav *.wv";

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}
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
    return translated("All Supported Media Files") + QLatin1Char('(') + media + QStringLiteral(");;")
           + translated("All Supported Video Files") + QLatin1Char('(') + QString::fromLatin1(kVideo)
           + QStringLiteral(");;") + translated("All Supported Audio Files") + QLatin1Char('(')
           + QString::fromLatin1(kAudio) + QStringLiteral(");;") + translated("All Files") + QStringLiteral(" (*.*)");
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
