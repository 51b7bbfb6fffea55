#include "jobs/outputfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

bool prepareOutputFolder(const QString &text, QString *folder, QString *problem)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        *problem = QCoreApplication::translate(
            "OutputFolder", "No output folder is set. Choose the folder the converted files go to.");
        return false;
    }
    if (!QDir::isAbsolutePath(trimmed)) {
        *problem = QCoreApplication::translate(
            "OutputFolder", "The output folder \"%1\" is not a full path. Choose a folder.").arg(trimmed);
        return false;
    }
    const QString path = QDir::cleanPath(trimmed);
    const QFileInfo info(path);
    if (info.exists() && !info.isDir()) {
        *problem = QCoreApplication::translate(
            "OutputFolder", "The output folder \"%1\" is a file, not a folder.").arg(path);
        return false;
    }
    if (!info.exists() && !QDir().mkpath(path)) {
        *problem = QCoreApplication::translate(
            "OutputFolder", "The output folder \"%1\" cannot be created.").arg(path);
        return false;
    }
    // Permission bits do not tell everything (read-only mounts, access lists): try it.
    QTemporaryFile probe(path + QStringLiteral("/.brindle-write-check-XXXXXX"));
    if (!probe.open()) {
        *problem = QCoreApplication::translate(
            "OutputFolder", "The output folder \"%1\" cannot be written to.").arg(path);
        return false;
    }
    *folder = path;
    return true;
}
