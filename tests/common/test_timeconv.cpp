#include "common/timeconv.h"

#include <QtTest>

// Times in microseconds against the texts of project files, engines and the player.
class TestTimeConv : public QObject
{
    Q_OBJECT
private slots:
    void timeTexts()
    {
        QCOMPARE(TimeConv::toText(1234567), QStringLiteral("00:00:01:234"));
        QCOMPARE(TimeConv::fromText(QStringLiteral("00:00:01:234")), qint64(1234000));
        QCOMPARE(TimeConv::toText(TimeConv::fromText(QStringLiteral("25:01:02:003"))), QStringLiteral("25:01:02:003"));
        bool ok = true;
        QCOMPARE(TimeConv::fromText(QStringLiteral("1:2"), &ok), qint64(0));
        QVERIFY(!ok);
        QCOMPARE(TimeConv::fromTime(QTime(1, 2, 3, 4)), qint64(3723004000));
        QCOMPARE(TimeConv::toTime(3723004999), QTime(1, 2, 3, 4));
        QVERIFY(!TimeConv::toTime(qint64(24) * 3600 * 1000000).isValid());
        QCOMPARE(TimeConv::toDurationText(3723999999), QStringLiteral("01:02:03"));
        QCOMPARE(TimeConv::toEngineText(3723459999), QStringLiteral("01:02:03.45"));
        QCOMPARE(TimeConv::toMeltText(3723459999), QStringLiteral("01:02:03:45"));
    }
};

QTEST_GUILESS_MAIN(TestTimeConv)
#include "test_timeconv.moc"
