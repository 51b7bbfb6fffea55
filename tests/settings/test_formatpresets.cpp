#include "settings/configformat.h"
#include "settings/formatpresets.h"
#include "testfiles.h"
#include "testprofile.h"

#include <QFile>
#include <QTemporaryDir>

// Preset names become file names, and preset files may come from anywhere: a name is checked
// before any path is made from it, and a file is read whole or not at all.
class TestFormatPresets : public QObject
{
    Q_OBJECT
private slots:
    void hostileNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : {QStringLiteral("../escape"), QStringLiteral("../../../escape"), QStringLiteral("a/b"),
                                    QStringLiteral("/etc/escape"), QStringLiteral(".hidden"), QStringLiteral(".."),
                                    QStringLiteral("line\nbreak"), QStringLiteral("   "), QString(300, QLatin1Char('x'))})
            QTest::newRow(qPrintable(name.left(20))) << name;
    }

    void hostileNamesAreRefused()
    {
        QFETCH(QString, name);
        QVERIFY(!FormatPresets::nameProblem(name).isEmpty());
    }

    void malformedPresetsAreRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("no volume") << QByteArray("AVolume=100") << QByteArray();
        QTest::newRow("volume too loud") << QByteArray("AVolume=100") << QByteArray("AVolume=900");
        QTest::newRow("volume not a number") << QByteArray("AVolume=100") << QByteArray("AVolume=loud");
        QTest::newRow("unknown container") << QByteArray("Format=mp4") << QByteArray("Format=exe");
        QTest::newRow("not a bool") << QByteArray("VKeepWH=true") << QByteArray("VKeepWH=maybe");
        QTest::newRow("codec not offered") << QByteArray("VCodec=h264") << QByteArray("VCodec=h264_nvenc");
        QTest::newRow("codec of another container") << QByteArray("ACodec=aac") << QByteArray("ACodec=ac3");
        QTest::newRow("rate not offered") << QByteArray("VFrameRate=25.0 fps") << QByteArray("VFrameRate=17 fps");
        QTest::newRow("size without numbers") << QByteArray("VSize=1920x1080") << QByteArray("VSize=huge");
        QTest::newRow("empty bit rate") << QByteArray("VBitRate=Auto") << QByteArray("VBitRate=");
        QTest::newRow("no groups") << QByteArray() << QByteArray("\x00\x01\xff\xfe garbage\n[[[", 16);
    }

    void malformedPresetsAreRefusedWhole()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QTemporaryDir dir;
        // What a first start stores for an mp4.
        QFile::remove(ConfigFormat().settingsFile);
        ConfigFormat::chooseContainer(0);
        ConfigFormat mp4;
        mp4.load();
        const QString good = dir.filePath(QStringLiteral("Good.ini"));
        QVERIFY(FormatPresets::write(good, mp4));
        QFile goodFile(good);
        QVERIFY(goodFile.open(QIODevice::ReadOnly));
        const QByteArray goodText = goodFile.readAll();
        const QByteArray text = from.isEmpty() ? to : QByteArray(goodText).replace(from, to);
        QVERIFY(text != goodText);
        const QString bad = TestFiles::write(dir.filePath(QStringLiteral("Bad.ini")), text);
        QVERIFY(!bad.isEmpty());

        ConfigFormat read;
        read.format = QStringLiteral("mkv");
        QString problem;
        QVERIFY(!FormatPresets::read(bad, HardwareChoice(), &read, &problem));
        QVERIFY(!problem.isEmpty());
        QCOMPARE(read.format, QStringLiteral("mkv"));
        QVERIFY2(FormatPresets::read(good, HardwareChoice(), &read, &problem), qPrintable(problem));
        QCOMPARE(read.format, QStringLiteral("mp4"));
    }
};

BRINDLE_TEST_MAIN(TestFormatPresets)
#include "test_formatpresets.moc"
