#include "common/startup.h"
#include "batch/batchoptions.h"
#include "batch/batchreport.h"
#include "batch/batchrunner.h"
#include "batch/batchsetup.h"
#include "batch/signalwatch.h"
#include "common/asslibrary.h"
#include "settings/configsystem.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <unistd.h>

namespace {
constexpr int kUsageError = 2;
}

int main(int argc, char *argv[])
{
    // Text layers are drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
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
    switch (BatchCommandLine::parse(app.arguments(), &options, &error)) {
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
    QObject::connect(&runner, &BatchRunner::finished, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    QTimer::singleShot(0, &runner, &BatchRunner::start);
    return app.exec();
}
