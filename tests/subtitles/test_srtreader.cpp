#include "subtitles/srtreader.h"
#include "subtitles/subtitleparser.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

namespace {

struct GeneratedCue {
    qint64 start = 0;
    qint64 end = 0;
    QStringList lines;
};

// Text lines that look like something else: counters, arrows, blanks, tags.
const QStringList kPlainLines{
    QStringLiteral("Hello there."),
    QStringLiteral("  leading and trailing blanks  "),
    QStringLiteral("Über café — 字幕 🎬"),
    QStringLiteral("{\\an8}<i>on top</i>"),
    QStringLiteral("42"),
    QStringLiteral("2001"),
    QStringLiteral("   "),
    QStringLiteral("\t"),
    QStringLiteral("4.2.0.1 --> 4.2.1.0"),
    QStringLiteral("1:2 --> 3:4"),
    QStringLiteral("--> arrow first"),
    QStringLiteral("00:00:01 --> 00:00:02"),
    QStringLiteral("- Dialogue dash"),
};
const QString kTimingLookalike = QStringLiteral("00:00:07,000 --> 00:00:08,000");

QString timeText(qint64 milliseconds, QChar separator)
{
    return QStringLiteral("%1:%2:%3%4%5")
        .arg(milliseconds / 3600000, 2, 10, QLatin1Char('0'))
        .arg(milliseconds / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(milliseconds / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(separator)
        .arg(milliseconds % 1000, 3, 10, QLatin1Char('0'));
}

bool isCounterLike(const QString &line)
{
    bool number = false;
    line.trimmed().toLongLong(&number);
    return number;
}

QList<GeneratedCue> generateCues(QRandomGenerator &random)
{
    QList<GeneratedCue> cues;
    qint64 at = random.bounded(5000);
    const int count = random.bounded(1, 12);
    for (int i = 0; i < count; ++i) {
        GeneratedCue cue;
        cue.start = at;
        cue.end = at + random.bounded(1, 400000);
        at = cue.end + random.bounded(3000);
        const int lineCount = random.bounded(0, 6);
        for (int l = 0; l < lineCount; ++l) {
            const QString previous = cue.lines.value(l - 1);
            const bool afterText = l > 0 && !previous.isEmpty() && !isCounterLike(previous);
            const int pick = random.bounded(kPlainLines.size() + 2);
            if (pick < kPlainLines.size())
                cue.lines << kPlainLines[pick];
            else if (pick == kPlainLines.size() && afterText)
                cue.lines << kTimingLookalike; // a timing line right after text is still text
            else if (l > 0 && l < lineCount - 1)
                cue.lines << QString(); // an empty line followed by more text, not by a cue
            else
                cue.lines << QStringLiteral("word %1").arg(l);
        }
        // An empty line followed by a counter and text is text; after a counter and a
        // timing line it would start a cue, which the generator never writes inside a cue.
        cues << cue;
    }
    return cues;
}

QString srtText(const QList<GeneratedCue> &cues, QRandomGenerator &random)
{
    QStringList lines;
    if (random.bounded(4) == 0)
        lines << QStringLiteral("stray header") << QString();
    for (int i = 0; i < cues.size(); ++i) {
        const GeneratedCue &cue = cues[i];
        const int counterShape = random.bounded(4);
        if (counterShape == 1)
            lines << QString::number(i + 1);
        else if (counterShape == 2)
            lines << QString::number(i + 1) + QStringLiteral("  ");
        else if (counterShape == 3)
            lines << QString::number(random.bounded(100000));
        const QChar separator = random.bounded(2) ? QLatin1Char(',') : QLatin1Char('.');
        const QString arrow = QStringList{QStringLiteral(" --> "), QStringLiteral("-->"),
                                          QStringLiteral("   -->  ")}[random.bounded(3)];
        QString timing = timeText(cue.start, separator) + arrow + timeText(cue.end, separator);
        if (random.bounded(5) == 0)
            timing += QStringLiteral(" X1:10 X2:100 Y1:5 Y2:50");
        lines << timing << cue.lines;
        const int blanks = i + 1 < cues.size() ? random.bounded(1, 4) : random.bounded(0, 3);
        for (int b = 0; b < blanks; ++b)
            lines << QString();
    }
    const QString lineEnd = QStringList{QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\r\r\n"),
                                        QStringLiteral("\r")}[random.bounded(4)];
    QString text = lines.join(lineEnd);
    if (random.bounded(2))
        text += lineEnd;
    return text;
}

QByteArray encodedFile(const QString &text, QRandomGenerator &random)
{
    switch (random.bounded(4)) {
    case 0:
        return text.toUtf8();
    case 1:
        return "\xEF\xBB\xBF" + text.toUtf8();
    case 2:
        return "\xFF\xFE" + QTextCodec::codecForName("UTF-16LE")->fromUnicode(text);
    default:
        return "\xFE\xFF" + QTextCodec::codecForName("UTF-16BE")->fromUnicode(text);
    }
}

}

class TestSrtReader : public QObject
{
    Q_OBJECT
private slots:
    void lineEnds();
    void generatedFilesReadCueByCue();
};

void TestSrtReader::lineEnds()
{
    QCOMPARE(srtLines(QStringLiteral("a\nb\r\nc\r\r\nd")), (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(srtLines(QStringLiteral("a\r\rb\r")), (QStringList{"a", "", "b"}));
    QCOMPARE(srtLines(QStringLiteral("a\n\nb\n")), (QStringList{"a", "", "b"}));
    QCOMPARE(srtLines(QString()), QStringList());
}

void TestSrtReader::generatedFilesReadCueByCue()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("generated.srt"));
    for (quint32 seed = 1; seed <= 400; ++seed) {
        QRandomGenerator random(seed);
        const QList<GeneratedCue> cues = generateCues(random);
        const QString text = srtText(cues, random);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(encodedFile(text, random));
        file.close();

        SubtitleParser document;
        QVERIFY(document.read(path));
        const QByteArray context = QStringLiteral("seed %1:\n%2").arg(seed).arg(text).toUtf8();
        QVERIFY2(document.events.size() == cues.size(), context.constData());
        for (int i = 0; i < cues.size(); ++i) {
            QVERIFY2(document.events[i].Start == cues[i].start, context.constData());
            QVERIFY2(document.events[i].End == cues[i].end, context.constData());
            const QString expected = cues[i].lines.join(QLatin1String("\\N"));
            QVERIFY2(document.events[i].Text == expected,
                     (context + "\ncue " + QByteArray::number(i) + ": " + document.events[i].Text.toUtf8())
                         .constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestSrtReader)
#include "test_srtreader.moc"
