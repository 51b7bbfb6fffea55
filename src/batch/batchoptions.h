#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

// What a batch was asked to do, as given on the command line.
struct BatchOptions
{
    QString project;  // the layers (.qpj); empty for none
    QString subtitle; // burned into every output; empty for none
    int subtitleTrack = -1;       // the inputs' own subtitle track to burn, from 0; -1 for none
    bool subtitleTrackOptional = false; // an input without that track is skipped, not failed
    QString format;   // a container name or an output-format INI file; empty for the user's own
    QString output;   // folder of the outputs; empty for the user's output folder
    int jobs = 0;     // engines at once; 0 for the user's setting
    bool dryRun = false;
    bool json = false;
    QSize canvas; // the canvas the layers were placed on, when the project does not say
    QStringList inputs; // files and folders as given
};

// The command line of the batch program.
class BatchCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(BatchCommandLine)

public:
    enum class Outcome { Run, ShowedHelp, ShowedVersion, Error };

    // Reads the arguments (program name first). Help and version are printed here.
    static Outcome parse(const QStringList &arguments, BatchOptions *options, QString *error);
    // The project the arguments name, read without printing anything; empty when they name none
    // or ask for no run.
    static QString projectOf(const QStringList &arguments);
    // "1280x720" and the like; invalid for anything else.
    static QSize sizeFrom(const QString &text);

private:
    static Outcome read(const QStringList &arguments, bool print, BatchOptions *options, QString *error);
};
