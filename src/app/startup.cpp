#include "app/startup.h"

#include "common/asslibrary.h"

#include <QApplication>
#include <QProcess>
#include <QStyleFactory>
#include <QTranslator>

static void initResourcesOutsideNamespace()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(translations);
}

namespace Startup {

void initResources()
{
    initResourcesOutsideNamespace();
}

void prepareApplication(QApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("Brindle"));
    initResources();
    initAssLibrary();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setPalette(darkPalette());
}

QPalette darkPalette()
{
    const QColor dark(53, 53, 53);
    QPalette palette;
    palette.setColor(QPalette::Window, dark);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(67, 67, 67));
    palette.setColor(QPalette::AlternateBase, dark);
    palette.setColor(QPalette::ToolTipBase, Qt::white);
    palette.setColor(QPalette::ToolTipText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, dark);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Highlight, QColor(128, 128, 128).lighter(150));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

QString translationResource(int languageIndex)
{
    static const char *const kLocales[] = {"zh_CN", "en_US", "fr", "de", "it", "ja", "pt_BR", "ru", "es"};
    constexpr int kCount = int(sizeof(kLocales) / sizeof(kLocales[0]));
    if (languageIndex < 0 || languageIndex >= kCount)
        return QString();
    return QStringLiteral(":/Translations/BrindleConverter_%1.qm").arg(QLatin1String(kLocales[languageIndex]));
}

bool installTranslation(QTranslator &translator, int languageIndex)
{
    const QString resource = translationResource(languageIndex);
    if (resource.isEmpty() || !translator.load(resource))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

bool relaunch(const QString &program, const QStringList &processArguments)
{
    // Detached, so the new instance neither shares our pipes nor dies with us.
    return QProcess::startDetached(program, processArguments.mid(1));
}

}
