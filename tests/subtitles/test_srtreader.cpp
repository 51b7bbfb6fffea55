#include "common/asslibrary.h"
#include "common/converttask.h"
#include "common/filtergraphescape.h"
#include "layers/burninsubtitle.h"
#include "subtitles/srtmarkup.h"
#include "subtitles/srtreader.h"
#include "subtitles/subtitleparser.h"
#include "subtitlestyles.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testpictures.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
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

}

class TestSrtReader : public QObject
{
    Q_OBJECT
private slots:
    void generatedFilesReadCueByCue();
    void timingLines_data();
    void timingLines();
    void tagsBecomeAssOverrides_data();
    void tagsBecomeAssOverrides();
    void fontColourBurnsIn();

private:
    QTemporaryDir m_dir;
};

void TestSrtReader::generatedFilesReadCueByCue()
{
    const QString path = m_dir.filePath(QStringLiteral("generated.srt"));
    for (quint32 seed = 1; seed <= 400; ++seed) {
        QRandomGenerator random(seed);
        const QList<GeneratedCue> cues = generateCues(random);
        const QString text = srtText(cues, random);
        QVERIFY(!TestFiles::write(path, text.toUtf8()).isEmpty());

        SubtitleParser document;
        QVERIFY(document.read(path));
        QVector<SubtitleEvent> expected(cues.size());
        for (int i = 0; i < cues.size(); ++i) {
            expected[i].Start = cues[i].start;
            expected[i].End = cues[i].end;
            expected[i].Text = cues[i].lines.join(QLatin1String("\\N"));
        }
        const QStringList read = SubtitleStyles::described(document.events);
        QVERIFY2(read == SubtitleStyles::described(expected),
                 qPrintable(QStringLiteral("seed %1:\n%2\nread as:\n%3").arg(seed).arg(text, read.join('\n'))));

        // The same text in pieces of any size, cut inside line ends too, reads the same.
        QVector<SubtitleEvent> pieced;
        SrtCueParser parser([&pieced](SubtitleEvent &&cue) { pieced.append(cue); });
        for (int at = 0; at < text.size();) {
            const int length = qMin(text.size() - at, random.bounded(1, 8));
            parser.add(text.constData() + at, length);
            at += length;
        }
        parser.finish();
        QVERIFY2(SubtitleStyles::described(pieced) == read, qPrintable(QStringLiteral("seed %1").arg(seed)));
    }
}

void TestSrtReader::timingLines_data()
{
    QTest::addColumn<QString>("timing");
    QTest::addColumn<qint64>("start"); // -1: not a timing line
    QTest::addColumn<qint64>("end");

    QTest::newRow("colon") << "00:00:01:500 --> 00:00:02:000" << 1500LL << 2000LL;
    QTest::newRow("mixed separators") << "00:00:01:500 --> 00:00:02.250" << 1500LL << 2250LL;
    QTest::newRow("more than three digits") << "00:00:01,5009 --> 00:00:02,123456" << 1500LL << 2123LL;
    QTest::newRow("one and two digits as written") << "00:00:01,5 --> 00:00:02,25" << 1005LL << 2025LL;
    QTest::newRow("text after the end, no blank") << "00:00:01,500 --> 00:00:02,000X1:10 Y1:20" << 1500LL << 2000LL;
    QTest::newRow("blanks before numbers") << "  1:02:03, 004 -->\t1: 2: 4,000 " << 3723004LL << 3724000LL;
    QTest::newRow("long hours") << "100:00:00,000 --> 100:00:01,000" << 360000000LL << 360001000LL;
    QTest::newRow("no milliseconds") << "00:00:01 --> 00:00:02" << -1LL << -1LL;
    QTest::newRow("dots between all numbers") << "4.2.0.1 --> 4.2.1.0" << -1LL << -1LL;
    QTest::newRow("no arrow") << "00:00:01,500 - 00:00:02,000" << -1LL << -1LL;
}

void TestSrtReader::timingLines()
{
    QFETCH(QString, timing);
    QFETCH(qint64, start);
    QFETCH(qint64, end);
    // As a cue's timing line, and inside a cue right after text, where it is text.
    const QString text = QStringLiteral("intro\n\n1\n%1\nfirst\n%1\n").arg(timing);
    QVector<SubtitleEvent> cues;
    SrtCueParser parser([&cues](SubtitleEvent &&cue) { cues.append(cue); });
    parser.add(text);
    parser.finish();
    const QString cue = QStringLiteral("%1|%2|0|0|1||0|0|0||first\\N%3").arg(start).arg(end).arg(timing);
    QCOMPARE(SubtitleStyles::described(cues), start < 0 ? QStringList() : QStringList{cue});
}

void TestSrtReader::tagsBecomeAssOverrides_data()
{
    QTest::addColumn<QString>("srt");
    QTest::addColumn<QString>("ass");
    QTest::addColumn<QString>("shown");

    QTest::newRow("italic") << "Second cue with <i>italic</i>"
                            << "Second cue with {\\i1}italic{\\i0}" << "Second cue with italic";
    QTest::newRow("every switch, any case")
        << "<B>b</B> <u>u</U> <S>s</s> <I>i</i>" << "{\\b1}b{\\b0} {\\u1}u{\\u0} {\\s1}s{\\s0} {\\i1}i{\\i0}"
        << "b u s i";
    QTest::newRow("nested, across lines") << "<i>a <i>b</i>\\Nc <b>d</b></i>"
                                          << "{\\i1}a b\\Nc {\\b1}d{\\b0}{\\i0}" << "a b\\Nc d";
    QTest::newRow("font colour") << "<font color=\"#00ff00\">green</font> white"
                                 << "{\\c&H00FF00&}green{\\c} white" << "green white";
    QTest::newRow("nested fonts give back the outer colour")
        << "<FONT COLOR='red' face=\"DejaVu Sans\">r<font color=0000ff size=20>b</font>r</font>"
        << "{\\c&H0000FF&\\fnDejaVu Sans}r{\\c&HFF0000&\\fs20}b{\\c&H0000FF&\\fs}r{\\c\\fn}" << "rbr";
    QTest::newRow("unknown tags, stray closings and override blocks stay")
        << "{\\an8}<br> 3 < 4 </i><x>a</x> <i" << "{\\an8}<br> 3 < 4 <x>a</x> <i" << "{\\an8}<br> 3 < 4 <x>a</x> <i";
}

void TestSrtReader::tagsBecomeAssOverrides()
{
    QFETCH(QString, srt);
    QFETCH(QString, ass);
    QFETCH(QString, shown);
    const QByteArray file = "1\n00:00:01,000 --> 00:00:02,000\n" + QString(srt).replace("\\N", "\n").toUtf8() + "\n\n";
    const QString srtPath = TestFiles::write(m_dir.filePath(QStringLiteral("tags.srt")), file);

    SubtitleParser document;
    QVERIFY(document.read(srtPath));
    QCOMPARE(document.events.size(), 1);
    QCOMPARE(SrtMarkup::withoutTags(document.events[0].Text), shown);

    // Back to SRT, byte for byte.
    const QString again = m_dir.filePath(QStringLiteral("again.srt"));
    QVERIFY(document.writeSrt(again));
    QFile written(again);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), file);

    // As ASS, from the document and straight from the file, the way libass reads it.
    const QString fromDocument = m_dir.filePath(QStringLiteral("document.ass"));
    const QString fromFile = m_dir.filePath(QStringLiteral("file.ass"));
    QVERIFY(document.writeAss(fromDocument));
    QVERIFY(SubtitleParser().writeAssFromSrt(srtPath, fromFile));
    for (const QString &path : {fromDocument, fromFile}) {
        ASS_Track *track = ass_read_file(assLibrary(), path.toUtf8().data(), nullptr);
        QVERIFY(track);
        const QString text = track->n_events == 1 ? QString::fromUtf8(track->events[0].Text) : QString();
        ass_free_track(track);
        QCOMPARE(text, ass);
    }
}

void TestSrtReader::fontColourBurnsIn()
{
    ConvertTask task;
    task.hasSubtitle = true;
    task.subtitlePath = TestFiles::write(m_dir.filePath(QStringLiteral("colour.srt")),
                                         "1\n00:00:00,000 --> 00:00:05,000\n<font color=\"#00ff00\">GREEN</font> WHITE\n");
    const SubtitleParser edited;
    const QString ass = prepareBurnInSubtitle(task, m_dir.filePath(QStringLiteral("cache")), documentWriters(edited));

    const QString grey = TestMedia::colourClip(QStringLiteral("0x202020"));
    const QImage frame = TestMedia::frameOf(grey, 0, QStringLiteral("ass=") + quoteFilterGraphPath(ass));
    QCOMPARE(frame.size(), QSize(320, 240));
    const int green = TestPictures::countWhere(frame, [](const QColor &c) {
        return c.green() > 200 && c.red() < 60 && c.blue() < 60;
    });
    const int white = TestPictures::countWhere(frame, [](const QColor &c) {
        return c.red() > 200 && c.green() > 200 && c.blue() > 200;
    });
    // The opening tag turned the letters green and the closing one gave back the style's white.
    QVERIFY2(green > 40 && white > 40, qPrintable(QStringLiteral("green %1, white %2").arg(green).arg(white)));
}

QTEST_GUILESS_MAIN(TestSrtReader)
#include "test_srtreader.moc"
