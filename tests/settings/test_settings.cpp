#include "settings/configformat.h"
#include "settings/configsystem.h"
#include "settings/hardwarechoice.h"
#include "settings/hardwareencodercheck.h"
#include "settings/outputname.h"
#include "testprofile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void freshProfileCreatesFoldersAndChecksOnce();
    void emptyOutPathFallsBackToDefaultFolder();
    void choosingStoredContainerChangesNothing();
    void outputNameNeverOverwrites();
    void hardwareCheckOnlySetsFlags();
    void preferredFamilyEncodes_data();
    void preferredFamilyEncodes();

private:
    static QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
};

void TestSettings::freshProfileCreatesFoldersAndChecksOnce()
{
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(!QFile::exists(appData + QStringLiteral("/Brindle.ini")));

    {
        ConfigSystem settings;
        QVERIFY(QDir(appData).exists());
        QVERIFY(QDir(settings.cacheFolder).exists());
        QVERIFY(QDir(settings.outPath).exists());
    }

    QSettings ini(appData + QStringLiteral("/Brindle.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("System/CheckHW")).toString(), QStringLiteral("false"));

    ConfigSystem second;
    QVERIFY(!second.checkHW);
    second.language = 5;
    second.threads = 4;
    second.save();
    ConfigSystem third;
    QCOMPARE(third.language, 5);
    QCOMPARE(third.threads, 4);
}

void TestSettings::emptyOutPathFallsBackToDefaultFolder()
{
    ConfigSystem settings;
    QDir(settings.outPath).removeRecursively();
    settings.outPath.clear();
    settings.save();
    settings.load();
    QCOMPARE(settings.outPath, documents() + QStringLiteral("/VideoOutput"));
    QVERIFY(QDir(settings.outPath).exists());
}

void TestSettings::choosingStoredContainerChangesNothing()
{
    ConfigFormat format;
    format.load();
    format.format = QStringLiteral("mkv");
    format.aCodec = QStringLiteral("opus");
    format.save();

    ConfigFormat::chooseContainer(1);
    ConfigFormat reread;
    reread.load();
    QCOMPARE(reread.aCodec, QStringLiteral("opus"));

    ConfigFormat::chooseContainer(7);
    reread.load();
    QCOMPARE(reread.format, QStringLiteral("mp3"));
    QCOMPARE(reread.aCodec, QStringLiteral("mp3"));
}

void TestSettings::outputNameNeverOverwrites()
{
    QTemporaryDir dir;
    const QString proposed = dir.filePath(QStringLiteral("out.mp4"));
    const QTime at(9, 5, 7);
    QCOMPARE(outputPathFor(proposed, false, at), proposed);

    QFile(proposed).open(QIODevice::WriteOnly);
    QCOMPARE(outputPathFor(proposed, true, at), proposed);
    const QString stamped = dir.filePath(QStringLiteral("out(090507).mp4"));
    QCOMPARE(outputPathFor(proposed, false, at), stamped);

    QFile(stamped).open(QIODevice::WriteOnly);
    const QString second = outputPathFor(proposed, false, at);
    QVERIFY(second != stamped && second != proposed);
    QVERIFY(!QFile::exists(second));
    QVERIFY(second.endsWith(QStringLiteral(".mp4")));

    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("with.dot")));
    const QString noExtension = dir.filePath(QStringLiteral("with.dot/clip"));
    QFile(noExtension).open(QIODevice::WriteOnly);
    QCOMPARE(outputPathFor(noExtension, false, at), noExtension + QStringLiteral("(090507)"));
}

void TestSettings::hardwareCheckOnlySetsFlags()
{
    // A stand-in engine that accepts only Intel's H.264 encoder.
    QTemporaryDir dir;
    const QString engine = dir.filePath(QStringLiteral("TesselEngine"));
    QFile script(engine);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ncase \"$*\" in *h264_qsv*) exit 0;; esac\necho \"no such encoder\" >&2\nexit 1\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

    // Without an engine nothing is found.
    ConfigSystem settings;
    settings.h264NV = settings.h265NV = settings.h264QSV = false;
    HardwareEncoderCheck::run(settings, QStringLiteral("/nonexistent/TesselEngine"));
    QVERIFY(!settings.h264NV && !settings.h265NV && !settings.h264QSV);

    // NVIDIA was found before and is preferred: the first and only family of the list.
    settings.h265NV = true;
    settings.priorityUse = 0;
    settings.useHA = true;
    HardwareEncoderCheck::run(settings, engine);
    QVERIFY(settings.h264QSV);
    QVERIFY(!settings.h265QSV);
    // Intel now comes first in the list; the preference still names NVIDIA.
    QCOMPARE(settings.priorityUse, 1);
    QCOMPARE(HardwareChoice::from(settings).hardwareEncoder(QStringLiteral("h265")), QStringLiteral("hevc_nvenc"));
    // NVIDIA has no H.264 encoder here, so H.264 goes to the next family found.
    QCOMPARE(HardwareChoice::from(settings).hardwareEncoder(QStringLiteral("h264")), QStringLiteral("h264_qsv"));
    HardwareEncoderCheck::run(settings, engine);
    QVERIFY(settings.h264QSV && settings.h265NV);
    QCOMPARE(settings.priorityUse, 1);
}

void TestSettings::preferredFamilyEncodes_data()
{
    QTest::addColumn<bool>("useHA");
    QTest::addColumn<int>("priorityUse");
    QTest::addColumn<QString>("encoder");
    // Intel and NVIDIA both have an H.264 encoder; the priority is a place in that list.
    QTest::newRow("first family") << true << 0 << "h264_qsv";
    QTest::newRow("second family") << true << 1 << "h264_nvenc";
    QTest::newRow("past the list") << true << 2 << "h264_qsv";
    QTest::newRow("hardware off") << false << 1 << "";
}

void TestSettings::preferredFamilyEncodes()
{
    QFETCH(bool, useHA);
    QFETCH(int, priorityUse);
    QFETCH(QString, encoder);
    HardwareChoice choice;
    choice.useHA = useHA;
    choice.priorityUse = priorityUse;
    choice.h264QSV = choice.h264NV = true;
    QCOMPARE(choice.hardwareEncoder(QStringLiteral("h264")), encoder);
}

BRINDLE_TEST_MAIN(TestSettings)
#include "test_settings.moc"
