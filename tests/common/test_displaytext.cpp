#include "common/displaytext.h"

#include <QtTest>

class TestDisplayText : public QObject
{
    Q_OBJECT
private slots:
    void sizesReadAlikeInEveryRow_data();
    void sizesReadAlikeInEveryRow();
    void timeLeftNeverReadsAsNoneWhileWorkRemains();
};

void TestDisplayText::sizesReadAlikeInEveryRow_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << qint64(0) << QStringLiteral("0.0 KB");
    QTest::newRow("a few bytes") << qint64(100) << QStringLiteral("0.1 KB");
    QTest::newRow("just below a megabyte") << qint64(1048575) << QStringLiteral("1024.0 KB");
    QTest::newRow("a megabyte") << qint64(1048576) << QStringLiteral("1.0 MB");
    QTest::newRow("a projection of 4.00 MB") << qint64(400) * 1048576 / 100 << QStringLiteral("4.0 MB");
    QTest::newRow("twelve and a third") << qint64(12.35 * 1048576) << QStringLiteral("12.3 MB");
    QTest::newRow("a gigabyte") << (qint64(1) << 30) << QStringLiteral("1.0 GB");
    QTest::newRow("larger") << (qint64(5) << 30) + (qint64(1) << 29) << QStringLiteral("5.5 GB");
    QTest::newRow("negative is none") << qint64(-5) << QStringLiteral("0.0 KB");
}

void TestDisplayText::sizesReadAlikeInEveryRow()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(DisplayText::fileSize(bytes), text);
}

void TestDisplayText::timeLeftNeverReadsAsNoneWhileWorkRemains()
{
    QCOMPARE(DisplayText::timeLeft(0), QStringLiteral("00:00:00"));
    QCOMPARE(DisplayText::timeLeft(1), QStringLiteral("00:00:01"));
    QCOMPARE(DisplayText::timeLeft(999), QStringLiteral("00:00:01"));
    QCOMPARE(DisplayText::timeLeft(1000), QStringLiteral("00:00:01"));
    QCOMPARE(DisplayText::timeLeft(970000), QStringLiteral("00:16:10"));
    QCOMPARE(DisplayText::timeLeft(24LL * 3600 * 1000 - 1000), QStringLiteral("23:59:59"));
    QVERIFY(DisplayText::timeLeft(24LL * 3600 * 1000).isEmpty());
}

QTEST_GUILESS_MAIN(TestDisplayText)
#include "test_displaytext.moc"
