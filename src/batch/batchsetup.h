#pragma once

#include "jobs/conversionplan.h"
#include "layers/recordlayer.h"
#include "settings/configformat.h"

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct BatchOptions;
class ConfigSystem;
struct ProjectData;

// What stays the same for every file of a batch, gathered once before the first file:
// the output format and folder, the layers with their pictures and canvas, the subtitle,
// and the input files in order.
class BatchSetup
{
    Q_DECLARE_TR_FUNCTIONS(BatchSetup)

public:
    BatchSetup() = default;
    BatchSetup(const BatchSetup &) = delete;
    BatchSetup &operator=(const BatchSetup &) = delete;

    // The project the options name is read here unless it is given, already read.
    bool prepare(const BatchOptions &options, const ConfigSystem &system, const ProjectData *project,
                 QString *error);

    const ConfigFormat &format() const { return m_format; }
    const RunSettings &settings() const { return m_settings; }
    QList<const LayerSource *> layers() const;
    QSize canvas() const { return m_canvas; }
    QString subtitle() const { return m_subtitle; }
    int subtitleTrack() const { return m_subtitleTrack; }
    bool subtitleTrackOptional() const { return m_subtitleTrackOptional; }
    int jobs() const { return m_jobs; }
    bool dryRun() const { return m_dryRun; }
    // Files in the order given, folders expanded to their media files, each once.
    QStringList inputs() const { return m_inputs; }

private:
    bool chooseFormat(const QString &nameOrFile, const ConfigSystem &system, QString *error);
    bool loadProject(const BatchOptions &options, const ProjectData *project, QString *error);

    ConfigFormat m_format;
    RunSettings m_settings;
    std::vector<std::unique_ptr<RecordLayer>> m_layers;
    QSize m_canvas;
    QString m_subtitle;
    int m_subtitleTrack = -1;
    bool m_subtitleTrackOptional = false;
    int m_jobs = 1;
    bool m_dryRun = false;
    QStringList m_inputs;
};
