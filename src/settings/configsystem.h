#pragma once

#include <QObject>
#include <QString>

// Application-wide choices, kept in group "System" of Brindle.ini in the
// application-data folder. Fields are edited in memory; only save() writes.
class ConfigSystem : public QObject
{
    Q_OBJECT
public:
    explicit ConfigSystem(QObject *parent = nullptr);
    ~ConfigSystem() override;

    void load();
    void save();
    void checkHardwareEncoders();

    bool nvidiaFound() const { return h264NV || h265NV; }
    bool qsvFound() const { return h264QSV || h265QSV; }
    bool amfFound() const { return h264AMF || h265AMF; }
    bool videoToolboxFound() const { return h264VTB || h265VTB; }

    QString cacheFolder;
    QString outPath;
    QString openPath;
    QString openFolder;
    int language = 1;
    bool coverage = false;
    int threads = 2;
    bool checkHW = true;
    bool h264NV = false;
    bool h265NV = false;
    bool h264AMF = false;
    bool h265AMF = false;
    bool h264QSV = false;
    bool h265QSV = false;
    bool h264VTB = false;
    bool h265VTB = false;
    // The preferred hardware family, as its place in the list of families found (HardwareChoice).
    int priorityUse = 0;
    bool useHA = true;
    QString settingsFile;
};
