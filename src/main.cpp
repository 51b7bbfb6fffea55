#include "app/appearance.h"
#include "app/mainwindow.h"
#include "settings/configsystem.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    const QByteArray platform = Startup::platformFor(argc, argv, QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    // Only this process needs it; programs it starts choose their own.
    if (!platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    Startup::prepareApplication(app);
    // The interface's language and Qt's own, for as long as the application runs.
    QTranslator translator;
    QTranslator qtTranslator;
    {
        const ConfigSystem startupSettings;
        Startup::installTranslation(translator, startupSettings.language);
        Startup::installQtTranslation(qtTranslator, startupSettings.language);
    }

    int result = 0;
    {
        MainWindow window;
        window.show();
        window.addCommandLineFiles(QCoreApplication::arguments().mid(1));
        result = app.exec();
    }
    if (result == Startup::kRestartExitCode) {
        Startup::relaunch(QCoreApplication::applicationFilePath(), QCoreApplication::arguments());
        return 0;
    }
    return result;
}
