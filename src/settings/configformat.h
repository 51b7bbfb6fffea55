#pragma once

#include <QObject>
#include <QString>

// The current output format, kept in ConfigFormat.ini in the local
// application-data folder. Every user loads its own instance, changes what it
// needs and saves it.
class ConfigFormat : public QObject
{
    Q_OBJECT
public:
    static constexpr int kContainerCount = 10;

    explicit ConfigFormat(QObject *parent = nullptr);

    void load();
    // False when the file could not be written.
    bool save();
    // Every field but the file path.
    void copyFieldsFrom(const ConfigFormat &other);
    // Resets the encoder fields to what suits the container index 0 to 9.
    void applyContainerDefaults(int containerIndex);

    // "mp4", "mkv", ... for 0 to 9; empty outside.
    static QString containerName(int containerIndex);
    static int containerIndex(const QString &name);
    // Loads the store and switches it to the container, saving only when it changes.
    static void chooseContainer(int containerIndex);

    QString settingsFile;
    QString format = QStringLiteral("mp4");
    bool vSetMode = false;
    QString vBitRate;
    QString vCodec;
    bool vKeepWH = true;
    QString vSize;
    QString vAspect;
    bool vKeepFrameRate = true;
    QString vFrameRate;
    bool aKeepCodec = false;
    QString aBitRate;
    QString aCodec;
    QString aChannels;
    QString aSample;
    int aVolume = 100;
};
