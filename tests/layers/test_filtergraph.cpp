#include "testfiles.h"
#include "testprofile.h"

#include "common/converttask.h"
#include "common/filtergraphescape.h"
#include "layers/filtergraph.h"

#include <QTemporaryDir>

// The filter graph text: the worked layout, labels, base filters, subtitles, timing.
class TestFilterGraph : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    // A quarter turn crops the swapped frame, to even sizes.
    void baseFiltersOfTheFrame_data()
    {
        QTest::addColumn<int>("transpose");
        QTest::addColumn<bool>("verticalFlip");
        QTest::addColumn<ST_CROP_THICK>("crop");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing to do") << -1 << false << ST_CROP_THICK() << QString();
        // Turned: 1080 x 1920; width 0.7995 * 1080 = 863.46 -> 863 -> 864; height 0.85 * 1920 = 1632.
        QTest::newRow("clockwise") << 1 << false << ST_CROP_THICK{0.1, 0.1, 0.1005, 0.05, true}
                                   << QStringLiteral("transpose=1,crop=864:1632:108:192");
        // 1920 * 0.9995 = 1919.04 -> 1919 -> 1920.
        QTest::newRow("counter-clockwise, flipped") << 2 << true << ST_CROP_THICK{0.0, 0.0, 0.0, 0.0005, true}
                                                    << QStringLiteral("vflip,transpose=2,crop=1080:1920:0:0");
    }

    void baseFiltersOfTheFrame()
    {
        QFETCH(int, transpose);
        QFETCH(bool, verticalFlip);
        QFETCH(ST_CROP_THICK, crop);
        QFETCH(QString, expected);
        ConvertTask t;
        t.width = 1920;
        t.height = 1080;
        t.transpose = transpose;
        t.verticalFlip = verticalFlip;
        t.crop = crop;
        QCOMPARE(buildFilterGraph(t, {}, OverlayCanvas{QSize(640, 360), 0}, m_dir.path()), expected);
    }

    // Where the burnt-in subtitle comes from: the file itself, its conversion into the cache,
    // or the edited document; or it is left out with a note and the picture still converts.
    void subtitleIsBurntInOrLeftOutWithANote_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: the file is gone
        QTest::addColumn<QString>("writers");
        QTest::addColumn<QString>("burnt"); // empty: left out
        const QByteArray srt = TestFiles::helloSrt();
        const QString cache = QStringLiteral("cache");
        QTest::newRow("SRT converted into the cache") << "movie.SRT" << srt << "fake" << cache;
        QTest::newRow("SRT without a converter") << "a.srt" << srt << "none" << QString();
        QTest::newRow("SRT the converter fails on") << "b.srt" << srt << "failing" << QString();
        QTest::newRow("SRT that may not be read") << "locked.srt" << srt << "watching" << QString();
        // The ass filter would fail the whole graph on a file libass cannot load.
        QTest::newRow("ASS libass cannot load") << "empty.ass" << QByteArray("") << "fake" << QString();
        QTest::newRow("vanished file") << "gone.ass" << QByteArray() << "fake" << QString();
        QTest::newRow("vanished edited document") << "gone.ass" << QByteArray() << "document" << "document";
        QTest::newRow("no file, edited document") << QString() << QByteArray() << "fake" << "document";
    }

    void subtitleIsBurntInOrLeftOutWithANote()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, writers);
        QFETCH(QString, burnt);
        ConvertTask t;
        t.width = 640;
        t.height = 360;
        t.hasSubtitle = true;
        t.horizontalFlip = true;
        t.subtitlePath = name.isEmpty() ? QString() : m_dir.filePath(name);
        if (!content.isNull())
            QVERIFY(!TestFiles::write(t.subtitlePath, content).isEmpty());
        const QString cache = m_dir.filePath(QStringLiteral("cache"));
        const auto writeAss = [](const QString &target) {
            return !TestFiles::write(target, TestFiles::emptyAss()).isEmpty();
        };
        bool converted = false;
        SubtitleWriters chosen;
        if (writers != QLatin1String("none")) {
            chosen.srtToAss = [&](const QString &source, const QString &target) {
                converted = source == t.subtitlePath;
                return writers != QLatin1String("failing") && writeAss(target);
            };
            chosen.writeDocument = writeAss;
        }
        if (writers == QLatin1String("document"))
            chosen.documentPath = t.subtitlePath;
        QFile file(t.subtitlePath);
        if (writers == QLatin1String("watching")) {
            QVERIFY(file.setPermissions(QFileDevice::Permissions()));
            if (QFileInfo(t.subtitlePath).isReadable())
                QSKIP("this user reads every file");
        }

        QStringList log;
        const QString built = buildFilterGraph(t, {}, OverlayCanvas{QSize(), 0}, cache, chosen, &log);
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (burnt.isEmpty()) {
            QCOMPARE(built, QStringLiteral("hflip"));
            QCOMPARE(log.size(), 1);
            QVERIFY2(name.isEmpty() || log.first().contains(name), qPrintable(log.first()));
            QVERIFY(writers != QLatin1String("watching") || !converted);
            return;
        }
        // Rows are prepared together before any of them converts: each source has its own file.
        const QString expected = burnt == QLatin1String("document") ? burnInSubtitleCachePath(cache, QString())
                                                                    : burnInSubtitleCachePath(cache, t.subtitlePath);
        QVERIFY(burnInSubtitleCachePath(cache, t.subtitlePath + QLatin1Char('x')) != expected);
        QCOMPARE(built, QStringLiteral("hflip,ass=") + quoteFilterGraphPath(expected));
        QVERIFY(log.isEmpty());
        QVERIFY(QFileInfo(expected).size() > 0);
        QVERIFY(converted || writers != QLatin1String("fake") || name.isEmpty());
    }
};

BRINDLE_TEST_MAIN(TestFilterGraph)
#include "test_filtergraph.moc"
