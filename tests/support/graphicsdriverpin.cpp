// Mesa unloads its GL driver when the X connection closes, before the leak
// check runs at exit. A leak inside the driver is then reported from an
// unknown module, and no suppression by module name can match it. Pinning
// the driver modules while the application still exists keeps their names.
#include <QCoreApplication>
#include <QByteArray>
#include <QList>

#include <dlfcn.h>
#include <link.h>

namespace {

bool isGraphicsDriver(const QByteArray &path)
{
    return path.endsWith("_dri.so") || path.contains("libgallium") || path.contains("libGLX_mesa")
        || path.contains("libglapi");
}

int collectGraphicsDriver(dl_phdr_info *info, size_t, void *data)
{
    const QByteArray path(info->dlpi_name);
    if (isGraphicsDriver(path))
        static_cast<QList<QByteArray> *>(data)->append(path);
    return 0;
}

void pinGraphicsDrivers()
{
    QList<QByteArray> paths;
    dl_iterate_phdr(collectGraphicsDriver, &paths);
    for (const QByteArray &path : paths)
        dlopen(path.constData(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

void pinGraphicsDriversOnExit()
{
    qAddPostRoutine(pinGraphicsDrivers);
}

}

Q_COREAPP_STARTUP_FUNCTION(pinGraphicsDriversOnExit)
