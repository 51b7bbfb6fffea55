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
#include <unistd.h>

namespace {
constexpr int kUsageError = 2;

// Text layers are drawn with Qt's fonts, which need a GUI application (drawing without a
// display). Any other batch runs in a core application, which starts in far less time.
bool drawsText(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString project = BatchCommandLine::projectOf(arguments);
    ProjectData data;
    QString error;
    // A project that cannot be read is reported once the run is prepared.
    if (project.isEmpty() || !ProjectFile::read(project, &data, &error))
        return false;
    return std::any_of(data.layers.cbegin(), data.layers.cend(),
                       [](const CLayerInfo &layer) { return layer.Type == CLayerInfo::Text; });
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
    if (!drawsText(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}
}

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    // The report is the program's output; the library's debug chatter would drown it.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QCoreApplication::setApplicationName(QStringLiteral("Brindle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRINDLE_VERSION));
    Startup::initResources();
    initAssLibrary();
    QTranslator translator;
    {
        const ConfigSystem settings;
        Startup::installTranslation(translator, settings.language);
    }

    BatchOptions options;
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

    BatchSetup setup;
    if (!setup.prepare(options, &error)) {
        std::fprintf(stderr, "brindle-batch: %s\n", qPrintable(error));
        return kUsageError;
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
