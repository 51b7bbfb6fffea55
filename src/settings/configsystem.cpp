#include "settings/configsystem.h"

#include "common/folders.h"
#include "settings/hardwareencodercheck.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace {
const char *const kGroup = "System";

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void ensureFolderOrWarn(const QString &path)
{
    if (!ensureFolder(path))
        qWarning().noquote() << "Failed to create appDataDir: " + path;
}
}

ConfigSystem::ConfigSystem(QObject *parent)
    : QObject(parent)
{
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    settingsFile = appData + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".ini");
    ensureFolderOrWarn(appData);
    qDebug().noquote() << "settings file:" << settingsFile;

    cacheFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/Cache");
    ensureFolderOrWarn(cacheFolder);
    qDebug().noquote() << "cache folder:" << cacheFolder;

    load();
    if (checkHW) {
        checkHardwareEncoders();
        checkHW = false;
    }
}

ConfigSystem::~ConfigSystem()
{
    save();
}

void ConfigSystem::load()
{
    QSettings ini(settingsFile, QSettings::IniFormat);
    ini.beginGroup(QLatin1String(kGroup));
    outPath = ini.value(QStringLiteral("OutPath")).toString();
    openPath = ini.value(QStringLiteral("OpenPath")).toString();
    openFolder = ini.value(QStringLiteral("OpenFolder")).toString();
    language = ini.value(QStringLiteral("Language"), 1).toInt();
    coverage = ini.value(QStringLiteral("Coverage"), false).toBool();
    threads = ini.value(QStringLiteral("Threads"), 2).toInt();
    checkHW = ini.value(QStringLiteral("CheckHW"), true).toBool();
    h264NV = ini.value(QStringLiteral("H264NV"), false).toBool();
    h265NV = ini.value(QStringLiteral("H265NV"), false).toBool();
    h264AMF = ini.value(QStringLiteral("H264AMF"), false).toBool();
    h265AMF = ini.value(QStringLiteral("H265AMF"), false).toBool();
    h264QSV = ini.value(QStringLiteral("H264QSV"), false).toBool();
    h265QSV = ini.value(QStringLiteral("H265QSV"), false).toBool();
    h264VTB = ini.value(QStringLiteral("H264VTB"), false).toBool();
    h265VTB = ini.value(QStringLiteral("H265VTB"), false).toBool();
    priorityUse = ini.value(QStringLiteral("PriorityUse"), 0).toInt();
    useHA = ini.value(QStringLiteral("UseHA"), true).toBool();
    ini.endGroup();

    if (outPath.isEmpty()) {
        outPath = documentsFolder() + QStringLiteral("/VideoOutput");
        ensureFolderOrWarn(outPath);
    }
    if (openPath.isEmpty())
        openPath = documentsFolder();
    if (openFolder.isEmpty())
        openFolder = documentsFolder();
}

void ConfigSystem::save()
{
    const std::pair<const char *, QVariant> values[] = {
        {"OutPath", outPath},   {"OpenPath", openPath}, {"OpenFolder", openFolder},   {"Language", language},
        {"Coverage", coverage}, {"Threads", threads},   {"CheckHW", checkHW},         {"H264NV", h264NV},
        {"H265NV", h265NV},     {"H264AMF", h264AMF},   {"H265AMF", h265AMF},         {"H264QSV", h264QSV},
        {"H265QSV", h265QSV},   {"H264VTB", h264VTB},   {"H265VTB", h265VTB},         {"PriorityUse", priorityUse},
        {"UseHA", useHA}};
    QSettings ini(settingsFile, QSettings::IniFormat);
    ini.beginGroup(QLatin1String(kGroup));
    // Only what differs from the file is written: a run that changed nothing leaves the file
    // alone, and a value another instance saved meanwhile is not put back.
    for (const auto &[key, value] : values) {
        const QString name = QLatin1String(key);
        if (ini.value(name) != value)
            ini.setValue(name, value);
    }
    ini.endGroup();
}

void ConfigSystem::checkHardwareEncoders()
{
    HardwareEncoderCheck::run(*this, HardwareEncoderCheck::defaultEngine());
}
