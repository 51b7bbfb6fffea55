#include "common/textencoding.h"

#include <QBuffer>
#include <QTextCodec>
#include <QtTest>

// Text of unknown encoding: marks, UTF-8 and the legacy encodings subtitle files come in.
class TestTextEncoding : public QObject
{
    Q_OBJECT
private slots:
    void decodesAsWritten_data();
    void decodesAsWritten();
    void deviceScanLeavesThePositionAlone();
};

namespace {
// The text in an encoding, without a byte-order mark of the encoder's own.
QByteArray encoded(const char *codec, const QString &text)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return QTextCodec::codecForName(codec)->fromUnicode(text.constData(), text.size(), &state);
}

const QString kRussian = QStringLiteral("Привет! Это субтитры к фильму. Завтра мы пойдём в кино, "
                                        "а потом поужинаем в ресторане у реки.");
const QString kJapanese = QStringLiteral("こんにちは。これは映画の字幕です。明日は晴れるでしょう。"
                                         "駅の近くで友達と会う予定です。");
}

void TestTextEncoding::decodesAsWritten_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString mixed = QStringLiteral("Grüße, 字幕 and \u2014 a line");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ASCII") << QByteArray("plain line\n") << QStringLiteral("plain line\n");
    QTest::newRow("UTF-8") << mixed.toUtf8() << mixed;
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF") + mixed.toUtf8() << mixed;
    QTest::newRow("UTF-16LE mark") << encoded("UTF-16LE", QChar(0xFEFF) + mixed) << mixed;
    QTest::newRow("UTF-16BE mark") << encoded("UTF-16BE", QChar(0xFEFF) + mixed) << mixed;
    // Only the first mark is a mark; a later one is text.
    QTest::newRow("mark inside") << QByteArray("\xEF\xBB\xBF") + (QStringLiteral("a") + QChar(0xFEFF)).toUtf8()
                                 << QStringLiteral("a") + QChar(0xFEFF);
    // A letter cut off by the end of the file does not make the rest legacy text.
    QTest::newRow("UTF-8 cut at the end") << mixed.toUtf8() + QByteArray("\xE5\xAD") << mixed;
    QTest::newRow("Windows-1251") << encoded("windows-1251", kRussian) << kRussian;
    QTest::newRow("KOI8-R") << encoded("KOI8-R", kRussian) << kRussian;
    QTest::newRow("Shift_JIS") << encoded("Shift_JIS", kJapanese) << kJapanese;
}

void TestTextEncoding::decodesAsWritten()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextEncoding::decode(bytes), text);
}

void TestTextEncoding::deviceScanLeavesThePositionAlone()
{
    // A header the caller has read already, then legacy text: the scan starts and ends where
    // the caller stands.
    QBuffer buffer;
    buffer.setData(QByteArray("HEADER\n") + encoded("windows-1251", kRussian));
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    buffer.seek(7);
    int bomLength = -1;
    QTextCodec *codec = TextEncoding::codecForDevice(&buffer, &bomLength);
    QVERIFY(codec);
    QCOMPARE(buffer.pos(), 7);
    QCOMPARE(bomLength, 0);
    QCOMPARE(codec->toUnicode(buffer.readAll()), kRussian);
}

QTEST_GUILESS_MAIN(TestTextEncoding)
#include "test_textencoding.moc"
