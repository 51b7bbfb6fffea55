#include "testprofile.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
QTemporaryDir *g_home = nullptr;

void setEnv(const char *name, const QString &value)
{
    qputenv(name, QFile::encodeName(value));
}
}

namespace TestProfile {

void setUp()
{
    if (g_home)
        return;
    g_home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/brindle-test-XXXXXX"));
    const QString root = g_home->path();
    setEnv("HOME", root);
    setEnv("XDG_CONFIG_HOME", root + QStringLiteral("/.config"));
    setEnv("XDG_DATA_HOME", root + QStringLiteral("/.local/share"));
    setEnv("XDG_CACHE_HOME", root + QStringLiteral("/.cache"));
    std::atexit([] { delete g_home; });
}

QString home()
{
    return g_home ? g_home->path() : QString();
}

}
