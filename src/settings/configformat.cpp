#include "settings/configformat.h"

#include <QSettings>
#include <QStandardPaths>

namespace {
struct ContainerDefaults
{
    const char *name;
    const char *videoCodec; // null keeps the current one
    const char *audioCodec;
};

const ContainerDefaults kContainers[ConfigFormat::kContainerCount] = {
    {"mp4", "h264", "aac"},         {"mkv", "h264", "ac3"},  {"avi", "h264", "mp2"},
    {"flv", "h264", "aac"},         {"mov", "h264", "aac"},  {"mpg", "mpeg2video", "mp2"},
    {"ts", "h264", "aac"},          {"mp3", nullptr, "mp3"}, {"m4a", nullptr, "aac"},
    {"wav", nullptr, "pcm_s16le"},
};
constexpr int kMpgIndex = 5;
}

ConfigFormat::ConfigFormat(QObject *parent)
    : QObject(parent)
    , settingsFile(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                   + QStringLiteral("/ConfigFormat.ini"))
{
}

void ConfigFormat::load()
{
    QSettings ini(settingsFile, QSettings::IniFormat);
    format = ini.value(QStringLiteral("Format/Format"), QStringLiteral("mp4")).toString();

    ini.beginGroup(QStringLiteral("Video"));
    vSetMode = ini.value(QStringLiteral("VSetMode"), false).toBool();
    vBitRate = ini.value(QStringLiteral("VBitRate"), QStringLiteral("Auto")).toString();
    vCodec = ini.value(QStringLiteral("VCodec"), QStringLiteral("h264")).toString();
    vKeepWH = ini.value(QStringLiteral("VKeepWH"), true).toBool();
    vSize = ini.value(QStringLiteral("VSize"), QStringLiteral("1920x1080")).toString();
    vAspect = ini.value(QStringLiteral("VAspect"), QStringLiteral("Auto")).toString();
    vKeepFrameRate = ini.value(QStringLiteral("VKeepFrameRate"), true).toBool();
    vFrameRate = ini.value(QStringLiteral("VFrameRate"), QStringLiteral("25.0 fps")).toString();
    ini.endGroup();

    ini.beginGroup(QStringLiteral("Audio"));
    aKeepCodec = ini.value(QStringLiteral("AKeepCodec"), false).toBool();
    aBitRate = ini.value(QStringLiteral("ABitRate"), QStringLiteral("64 kbps")).toString();
    aCodec = ini.value(QStringLiteral("ACodec"), QStringLiteral("aac")).toString();
    aChannels = ini.value(QStringLiteral("AChannels"), QStringLiteral("2 channels stereo")).toString();
    aSample = ini.value(QStringLiteral("ASample"), QStringLiteral("44100 Hz")).toString();
    aVolume = ini.value(QStringLiteral("AVolume"), 100).toInt();
    ini.endGroup();
}

bool ConfigFormat::save()
{
    QSettings ini(settingsFile, QSettings::IniFormat);
    ini.setValue(QStringLiteral("Format/Format"), format);

    ini.beginGroup(QStringLiteral("Video"));
    ini.setValue(QStringLiteral("VSetMode"), vSetMode);
    ini.setValue(QStringLiteral("VBitRate"), vBitRate);
    ini.setValue(QStringLiteral("VCodec"), vCodec);
    ini.setValue(QStringLiteral("VKeepWH"), vKeepWH);
    ini.setValue(QStringLiteral("VSize"), vSize);
    ini.setValue(QStringLiteral("VAspect"), vAspect);
    ini.setValue(QStringLiteral("VKeepFrameRate"), vKeepFrameRate);
    ini.setValue(QStringLiteral("VFrameRate"), vFrameRate);
    ini.endGroup();

    ini.beginGroup(QStringLiteral("Audio"));
    ini.setValue(QStringLiteral("AKeepCodec"), aKeepCodec);
    ini.setValue(QStringLiteral("ABitRate"), aBitRate);
    ini.setValue(QStringLiteral("ACodec"), aCodec);
    ini.setValue(QStringLiteral("AChannels"), aChannels);
    ini.setValue(QStringLiteral("ASample"), aSample);
    ini.setValue(QStringLiteral("AVolume"), aVolume);
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}

void ConfigFormat::copyFieldsFrom(const ConfigFormat &other)
{
    format = other.format;
    vSetMode = other.vSetMode;
    vBitRate = other.vBitRate;
    vCodec = other.vCodec;
    vKeepWH = other.vKeepWH;
    vSize = other.vSize;
    vAspect = other.vAspect;
    vKeepFrameRate = other.vKeepFrameRate;
    vFrameRate = other.vFrameRate;
    aKeepCodec = other.aKeepCodec;
    aBitRate = other.aBitRate;
    aCodec = other.aCodec;
    aChannels = other.aChannels;
    aSample = other.aSample;
    aVolume = other.aVolume;
}

void ConfigFormat::applyContainerDefaults(int containerIndex)
{
    vSetMode = false;
    vBitRate = QStringLiteral("Auto");
    vKeepWH = true;
    vAspect = QStringLiteral("Auto");
    vKeepFrameRate = true;
    aKeepCodec = false;
    aBitRate = QStringLiteral("128 kbps");

    if (containerIndex < 0 || containerIndex >= kContainerCount)
        return;
    const ContainerDefaults &container = kContainers[containerIndex];
    if (container.videoCodec)
        vCodec = QLatin1String(container.videoCodec);
    aCodec = QLatin1String(container.audioCodec);
    if (containerIndex == kMpgIndex) {
        vFrameRate = QStringLiteral("25.0 fps");
        vKeepFrameRate = false;
    }
}

QString ConfigFormat::containerName(int containerIndex)
{
    if (containerIndex < 0 || containerIndex >= kContainerCount)
        return QString();
    return QLatin1String(kContainers[containerIndex].name);
}

int ConfigFormat::containerIndex(const QString &name)
{
    for (int i = 0; i < kContainerCount; ++i) {
        if (name == QLatin1String(kContainers[i].name))
            return i;
    }
    return -1;
}

void ConfigFormat::chooseContainer(int containerIndex)
{
    ConfigFormat store;
    store.load();
    const QString name = containerName(containerIndex);
    if (!name.isEmpty() && store.format == name)
        return;
    store.applyContainerDefaults(containerIndex);
    if (!name.isEmpty())
        store.format = name;
    store.save();
}
