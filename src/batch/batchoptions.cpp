#include "batch/batchoptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstdio>

QSize BatchCommandLine::sizeFrom(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return QSize();
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    return size.isEmpty() ? QSize() : size;
}

BatchCommandLine::Outcome BatchCommandLine::parse(const QStringList &arguments, BatchOptions *options,
                                                  QString *error)
{
    return read(arguments, true, options, error);
}

QString BatchCommandLine::projectOf(const QStringList &arguments)
{
    BatchOptions options;
    QString error;
    return read(arguments, false, &options, &error) == Outcome::Run ? options.project : QString();
}

BatchCommandLine::Outcome BatchCommandLine::read(const QStringList &arguments, bool print, BatchOptions *options,
                                                 QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Puts the watermark layers of a project and a subtitle on every video given, and converts them. "
           "Folders stand for the media files in them. Outputs that exist already are left alone, so running "
           "the same command again resumes an interrupted batch."));
    const QCommandLineOption project(QStringLiteral("project"), tr("The watermark project (.qpj) to apply."),
                                     tr("file"));
    const QCommandLineOption subtitle(QStringLiteral("subtitle"), tr("A subtitle file to burn into every video."),
                                      tr("file"));
    const QCommandLineOption subtitleTrack(
        QStringLiteral("subtitle-track"),
        tr("Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, "
           "Blu-ray or DVB picture tracks). A video without that track fails, unless "
           "--subtitle-track-optional is given."),
        tr("N"));
    const QCommandLineOption subtitleTrackOptional(
        QStringLiteral("subtitle-track-optional"),
        tr("Skip the videos that have no such subtitle track instead of failing them."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        tr("A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, "
           "or an output-format INI file. Default: your current output format."),
        tr("name or file"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    tr("The folder for the outputs. Default: your output folder."), tr("folder"));
    const QCommandLineOption jobs(QStringLiteral("jobs"),
                                  tr("How many files are converted at once. Default: your setting."), tr("count"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), tr("Print the engine command lines and run nothing."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  tr("Report progress and results as one JSON object per line."));
    const QCommandLineOption canvas(
        QStringLiteral("canvas"),
        tr("The size of the video the layers were placed on, for projects that do not record it."),
        tr("width x height"));
    parser.addOptions(
        {project, subtitle, subtitleTrack, subtitleTrackOptional, format, output, jobs, dryRun, json, canvas});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("inputs"), tr("Video files and folders of video files."),
                                 tr("FILE_OR_FOLDER..."));

    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return Outcome::Error;
    }
    if (parser.isSet(help)) {
        if (print)
            std::fputs(qPrintable(parser.helpText()), stdout);
        return Outcome::ShowedHelp;
    }
    if (parser.isSet(version)) {
        if (print)
            std::printf("brindle-batch %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return Outcome::ShowedVersion;
    }

    options->project = parser.value(project);
    options->subtitle = parser.value(subtitle);
    options->format = parser.value(format);
    options->output = parser.value(output);
    options->dryRun = parser.isSet(dryRun);
    options->json = parser.isSet(json);
    options->inputs = parser.positionalArguments();
    if (parser.isSet(jobs)) {
        bool ok = false;
        options->jobs = parser.value(jobs).toInt(&ok);
        if (!ok || options->jobs < 1) {
            *error = tr("--jobs needs a whole number of 1 or more, not \"%1\".").arg(parser.value(jobs));
            return Outcome::Error;
        }
    }
    if (parser.isSet(subtitleTrack)) {
        bool ok = false;
        options->subtitleTrack = parser.value(subtitleTrack).toInt(&ok) - 1;
        if (!ok || options->subtitleTrack < 0) {
            *error = tr("--subtitle-track needs a track number of 1 or more, not \"%1\".")
                         .arg(parser.value(subtitleTrack));
            return Outcome::Error;
        }
        if (parser.isSet(subtitle)) {
            *error = tr("Give either --subtitle or --subtitle-track, not both.");
            return Outcome::Error;
        }
    }
    options->subtitleTrackOptional = parser.isSet(subtitleTrackOptional);
    if (parser.isSet(canvas)) {
        options->canvas = sizeFrom(parser.value(canvas));
        if (!options->canvas.isValid()) {
            *error = tr("--canvas needs a size such as 1920x1080, not \"%1\".").arg(parser.value(canvas));
            return Outcome::Error;
        }
    }
    if (options->inputs.isEmpty()) {
        *error = tr("No files to convert were given.");
        return Outcome::Error;
    }
    return Outcome::Run;
}
