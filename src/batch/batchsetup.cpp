#include "batch/batchsetup.h"

#include "common/mediafiles.h"
#include "batch/batchoptions.h"
#include "common/folders.h"
#include "layers/projectfile.h"
#include "settings/configsystem.h"
#include "settings/formatpresets.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

QList<const LayerSource *> BatchSetup::layers() const
{
    QList<const LayerSource *> sources;
    for (const auto &layer : m_layers)
        sources.append(layer.get());
    return sources;
}

bool BatchSetup::prepare(const BatchOptions &options, const ConfigSystem &system, const ProjectData *project,
                         QString *error)
{
    m_jobs = options.jobs > 0 ? options.jobs : std::max(1, system.threads);
    m_dryRun = options.dryRun;

    m_format.load();
    if (!options.format.isEmpty() && !chooseFormat(options.format, system, error))
        return false;

    m_settings = RunSettings::from(system, m_format.format);
    // Names are fixed per input, so that a second run finds what the first one made.
    m_settings.coverage = true;
    const QString outFolder = options.output.isEmpty() ? system.outPath : options.output;
    if (outFolder.isEmpty()) {
        *error = tr("No output folder is set; give one with --output.");
        return false;
    }
    m_settings.outPath = QDir::cleanPath(QFileInfo(outFolder).absoluteFilePath());

    if (!loadProject(options, project, error))
        return false;

    if (!options.subtitle.isEmpty()) {
        if (!QFileInfo(options.subtitle).isFile()) {
            *error = tr("The subtitle %1 does not exist.").arg(options.subtitle);
            return false;
        }
        m_subtitle = QFileInfo(options.subtitle).absoluteFilePath();
    }

    m_subtitleTrack = options.subtitleTrack;
    m_subtitleTrackOptional = options.subtitleTrackOptional;

    QSet<QString> listed;
    for (const QString &input : options.inputs) {
        const QFileInfo info(input);
        const QStringList files =
            info.isDir() ? MediaFiles::mediaFilesIn(info.absoluteFilePath()) : QStringList{info.absoluteFilePath()};
        for (const QString &file : files) {
            const QString path = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
            if (!listed.contains(path)) {
                listed.insert(path);
                m_inputs.append(path);
            }
        }
    }
    // Made last, so that a batch refused for its options leaves nothing behind.
    if (!m_dryRun && !ensureFolder(m_settings.outPath)) {
        *error = tr("The output folder %1 could not be made.").arg(m_settings.outPath);
        return false;
    }
    return true;
}

bool BatchSetup::chooseFormat(const QString &nameOrFile, const ConfigSystem &system, QString *error)
{
    const QString presetFolder = FormatPresets::folder();
    const QString preset = FormatPresets::nameProblem(nameOrFile).isEmpty()
                               ? FormatPresets::pathOf(presetFolder, nameOrFile)
                               : QString();
    const QString file = QFileInfo(nameOrFile).isFile()                    ? nameOrFile
                         : !preset.isEmpty() && QFileInfo(preset).isFile() ? preset
                                                                           : QString();
    if (!file.isEmpty()) {
        // The same checks as the format dialog's: a preset it would refuse is refused here too.
        QString problem;
        if (!FormatPresets::read(file, HardwareChoice::from(system), &m_format, &problem)) {
            *error = tr("The output format %1 cannot be used: %2").arg(file, problem);
            return false;
        }
        return true;
    }
    const int index = ConfigFormat::containerIndex(nameOrFile.toLower());
    if (index < 0) {
        *error = tr("%1 is neither a container name, nor a saved format preset, nor an output-format file.")
                     .arg(nameOrFile);
        return false;
    }
    m_format.applyContainerDefaults(index);
    m_format.format = ConfigFormat::containerName(index);
    return true;
}

bool BatchSetup::loadProject(const BatchOptions &options, const ProjectData *given, QString *error)
{
    m_canvas = options.canvas;
    if (options.project.isEmpty())
        return true;
    ProjectData project;
    if (given)
        project = *given;
    else if (!ProjectFile::read(options.project, &project, error))
        return false;
    if (!m_canvas.isValid())
        m_canvas = project.canvasSize;
    if (!project.layers.isEmpty() && !m_canvas.isValid()) {
        *error = tr("The project %1 does not record the size of the video its layers were placed on; "
                    "give it with --canvas, for example --canvas 1920x1080.")
                     .arg(options.project);
        return false;
    }
    const QDir projectFolder = QFileInfo(options.project).absoluteDir();
    for (int i = 0; i < project.layers.size(); ++i) {
        CLayerInfo info = project.layers.at(i);
        if (info.Type == CLayerInfo::Text)
            // Each text layer's picture gets a file of its own, whatever the project called it.
            info.FileName = QStringLiteral("Text%1").arg(i + 1);
        else
            info.FileName = QDir::cleanPath(projectFolder.absoluteFilePath(info.FileName));
        auto layer = std::make_unique<RecordLayer>(info, i);
        QString reason;
        if (!layer->loadPicture(&reason)) {
            *error = tr("Layer %1 of the project cannot be used: %2").arg(i + 1).arg(reason);
            return false;
        }
        m_layers.push_back(std::move(layer));
    }
    return true;
}
