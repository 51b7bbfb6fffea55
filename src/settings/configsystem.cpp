#include "settings/configsystem.h"

#include "common/folders.h"
#include "settings/hardwareencodercheck.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSettings>
#include <QStandardPaths>

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
    QSettings ini(settingsFile, QSettings::IniFormat);
    ini.beginGroup(QLatin1String(kGroup));
    ini.setValue(QStringLiteral("OutPath"), outPath);
    ini.setValue(QStringLiteral("OpenPath"), openPath);
    ini.setValue(QStringLiteral("OpenFolder"), openFolder);
    ini.setValue(QStringLiteral("Language"), language);
    ini.setValue(QStringLiteral("Coverage"), coverage);
    ini.setValue(QStringLiteral("Threads"), threads);
    ini.setValue(QStringLiteral("CheckHW"), checkHW);
    ini.setValue(QStringLiteral("H264NV"), h264NV);
    ini.setValue(QStringLiteral("H265NV"), h265NV);
    ini.setValue(QStringLiteral("H264AMF"), h264AMF);
    ini.setValue(QStringLiteral("H265AMF"), h265AMF);
    ini.setValue(QStringLiteral("H264QSV"), h264QSV);
    ini.setValue(QStringLiteral("H265QSV"), h265QSV);
    ini.setValue(QStringLiteral("H264VTB"), h264VTB);
    ini.setValue(QStringLiteral("H265VTB"), h265VTB);
    ini.setValue(QStringLiteral("PriorityUse"), priorityUse);
    ini.setValue(QStringLiteral("UseHA"), useHA);
    ini.endGroup();
}

void ConfigSystem::checkHardwareEncoders()
{
    HardwareEncoderCheck::run(*this, HardwareEncoderCheck::defaultEngine());
}
