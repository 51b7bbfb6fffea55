#include "batch/batchoptions.h"
#include "batch/batchreport.h"
#include "batch/batchrunner.h"
#include "batch/batchsetup.h"
#include "batch/signalwatch.h"
#include "common/asslibrary.h"
#include "common/startup.h"
#include "layers/projectfile.h"
#include "settings/configsystem.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {
constexpr int kUsageError = 2;

// The project is read before the application is made, since its layers decide which one the
// run needs; a project that cannot be read is read again once the translations are in, so that
// its error is reported in the user's language.
std::optional<ProjectData> readProjectOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString project = BatchCommandLine::projectOf(arguments);
    ProjectData data;
    QString error;
    if (project.isEmpty() || !ProjectFile::read(project, &data, &error))
        return std::nullopt;
    return data;
}

// Text layers are drawn with Qt's fonts, which need a GUI application (drawing without a
// display). Any other batch runs in a core application, which starts in far less time.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[], const std::optional<ProjectData> &project)
{
    const auto isText = [](const CLayerInfo &layer) { return layer.Type == CLayerInfo::Text; };
    const bool drawsText = project && std::any_of(project->layers.cbegin(), project->layers.cend(), isText);
    if (!drawsText)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}
}

int main(int argc, char *argv[])
{
    const std::optional<ProjectData> project = readProjectOf(argc, argv);
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv, project);
    // The report is the program's output; the library's debug chatter would drown it.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QCoreApplication::setApplicationName(QStringLiteral("Brindle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRINDLE_VERSION));
    Startup::initResources();
    initAssLibrary();
    QTranslator translator;
    BatchOptions options;
    BatchSetup setup;
    {
        // Read once; anything it writes back is written before the engines run.
        const ConfigSystem settings;
        Startup::installTranslation(translator, settings.language);

        QString error;
        switch (BatchCommandLine::parse(QCoreApplication::arguments(), &options, &error)) {
        case BatchCommandLine::Outcome::ShowedHelp:
        case BatchCommandLine::Outcome::ShowedVersion:
            return 0;
        case BatchCommandLine::Outcome::Error:
            std::fprintf(stderr, "brindle-batch: %s\n", qPrintable(error));
            return kUsageError;
        case BatchCommandLine::Outcome::Run:
            break;
        }
        if (!setup.prepare(options, settings, project ? &*project : nullptr, &error)) {
            std::fprintf(stderr, "brindle-batch: %s\n", qPrintable(error));
            return kUsageError;
        }
    }

    const BatchReport::Style style = options.json ? BatchReport::Style::Json
                                     : ::isatty(STDOUT_FILENO) ? BatchReport::Style::Terminal
                                                               : BatchReport::Style::Plain;
    BatchReport report(style);
    BatchRunner runner(setup, report);
    SignalWatch signalWatch;
    QObject::connect(&signalWatch, &SignalWatch::caught, &runner, &BatchRunner::interrupt);
    QObject::connect(&runner, &BatchRunner::finished, app.get(), &QCoreApplication::exit, Qt::QueuedConnection);
    QTimer::singleShot(0, &runner, &BatchRunner::start);
    return QCoreApplication::exec();
}
