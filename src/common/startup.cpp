#include "common/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTranslator>

namespace {
const char *const kLocales[] = {"zh_CN", "en_US", "fr", "de", "it", "ja", "pt_BR", "ru", "es"};
constexpr int kLocaleCount = int(sizeof(kLocales) / sizeof(kLocales[0]));

QString localeOf(int languageIndex)
{
    if (languageIndex < 0 || languageIndex >= kLocaleCount)
        return QString();
    return QLatin1String(kLocales[languageIndex]);
}
}

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

QString translationResource(int languageIndex)
{
    const QString locale = localeOf(languageIndex);
    if (locale.isEmpty())
        return QString();
    return QStringLiteral(":/Translations/BrindleConverter_%1.qm").arg(locale);
}

bool installTranslation(QTranslator &translator, int languageIndex)
{
    const QString resource = translationResource(languageIndex);
    if (resource.isEmpty() || !translator.load(resource))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

QString qtTranslationFile(int languageIndex)
{
    QString locale = localeOf(languageIndex);
    if (locale.isEmpty())
        return QString();
    const QDir folder(QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    // "en_US" has no file of its own; the language's general one serves it.
    for (;;) {
        const QString file = folder.filePath(QStringLiteral("qtbase_%1.qm").arg(locale));
        if (QFileInfo::exists(file))
            return file;
        const int cut = locale.lastIndexOf(QLatin1Char('_'));
        if (cut < 0)
            return QString();
        locale.truncate(cut);
    }
}

bool installQtTranslation(QTranslator &translator, int languageIndex)
{
    const QString file = qtTranslationFile(languageIndex);
    if (file.isEmpty() || !translator.load(file))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

bool relaunch(const QString &program, const QStringList &processArguments)
{
    // Detached, so the new instance neither shares our pipes nor dies with us.
    return QProcess::startDetached(program, processArguments.mid(1));
}

QByteArray platformFor(int argc, const char *const *argv, const QProcessEnvironment &environment)
{
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        return QByteArray();
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return QByteArray();
    }
    const bool wayland = environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland")
                         || !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (!wayland || environment.value(QStringLiteral("DISPLAY")).isEmpty())
        return QByteArray();
    return QByteArrayLiteral("xcb");
}

}
