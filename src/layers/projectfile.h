#pragma once

#include "layers/clayerinfo.h"

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// What a project file holds: the watermark layers in the editor's order, and the size of
// the canvas they were placed on (invalid when the file does not say).
struct ProjectData
{
    QList<CLayerInfo> layers;
    QSize canvasSize;
};

// Reads and writes ".qpj" project files. A read either takes the whole file or nothing:
// on any fault *out is left as it was and *error says what is wrong. Writes go through a
// temporary file, so an existing project is never left half-written.
class ProjectFile
{
    Q_DECLARE_TR_FUNCTIONS(ProjectFile)

public:
    static bool read(const QString &path, ProjectData *out, QString *error);
    static bool parse(const QByteArray &xml, ProjectData *out, QString *error);

    // Values the format cannot hold (times of a day or more) are clamped; each such
    // change is described in *notes.
    static bool write(const QString &path, const ProjectData &data, QString *error, QStringList *notes = nullptr);
    static QByteArray toXml(const ProjectData &data, QStringList *notes = nullptr);
};
