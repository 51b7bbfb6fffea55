#include "app/mainwindow.h"
#include "app/startup.h"
#include "settings/configsystem.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
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
