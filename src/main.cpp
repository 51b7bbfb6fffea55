#include "app/core.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "settings/configsystem.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    Startup::prepareApplication(app);
    {
        const ConfigSystem startupSettings;
        Startup::installTranslation(core().translator, startupSettings.language);
        Startup::installQtTranslation(core().qtTranslator, startupSettings.language);
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
