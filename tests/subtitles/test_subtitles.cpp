#include "common/asslibrary.h"
#include "common/textencoding.h"
#include "subtitles/subtitleparser.h"
#include "subtitlestyles.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testpictures.h"
#include "testprofile.h"

#include <QTemporaryDir>
#include <QTextCodec>

namespace {

QByteArray encoded(const char *codec, const QString &text)
{
    return QTextCodec::codecForName(codec)->fromUnicode(text);
}

}

class TestSubtitles : public QObject
{
    Q_OBJECT
private slots:
    void srtShapesOpenAndLongFilesKeepTheDocumentsStyles();
    void encodings_data();
    void encodings();

    void assAndSsaStylesHeaderAndEventsAndRefusedFiles();

    void writtenFilesReadBack();

    void writtenSrtBurnsIn();

private:
    QString file(const QString &name, const QByteArray &bytes) { return TestFiles::write(m_dir.filePath(name), bytes); }
    QTemporaryDir m_dir;
};

void TestSubtitles::srtShapesOpenAndLongFilesKeepTheDocumentsStyles()
{
    // Only an empty line ends a cue. An SRT file has no styles or header of its own: the
    // document keeps those it holds through every SRT it reads.
    SubtitleParser document;
    document.styles[0].Name = QStringLiteral("Mine");
    document.PlayResX = 640;
    QVERIFY(document.read(
        file(QStringLiteral("shape.srt"), "1\n00:00:01,000 --> 00:00:02,000\nx\n2\n00:00:03,000 --> 00:00:04,000\ny\n")));
    QCOMPARE(SubtitleStyles::described(document.events),
             QStringList{QStringLiteral("1000|2000|0|0|1||0|0|0||x\\N2\\N00:00:03,000 --> 00:00:04,000\\Ny")});

    // A letter cut by the scan's 64 KiB pieces is still UTF-8.
    QByteArray split = "1\n00:00:01,000 --> 00:00:02,000\n" + QByteArray(65536 - 32 - 1, 'a');
    split += QStringLiteral("é\n").toUtf8();
    QVERIFY(document.read(file(QStringLiteral("split.srt"), split)));
    QVERIFY(document.utf8);
    QCOMPARE(document.events.value(0).Text, QString(65536 - 32 - 1, QLatin1Char('a')) + QStringLiteral("é"));

    // Legacy letters far behind a long ASCII start are still found and decoded.
    QByteArray late;
    for (int i = 1; i <= 30000; ++i)
        late += QStringLiteral("%1\n00:00:01,000 --> 00:00:02,000\nplain line\n\n").arg(i).toLatin1();
    late += encoded("windows-1252", QStringLiteral("30001\n00:00:03,000 --> 00:00:04,000\n"
                                                   "Le garçon déjà là, à côté de l'hôtel.\n"));
    QVERIFY(late.size() > 1024 * 1024);
    QVERIFY(document.read(file(QStringLiteral("late.srt"), late)));
    QVERIFY(!document.utf8);
    QCOMPARE(document.events.size(), 30001);
    QCOMPARE(document.events.last().Text, QStringLiteral("Le garçon déjà là, à côté de l'hôtel."));

    QCOMPARE(document.styles.size(), 1);
    QCOMPARE(document.styles[0].Name, QStringLiteral("Mine"));
    QCOMPARE(document.PlayResX, 640);
}

void TestSubtitles::encodings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("mark"); // a byte-order mark before the text
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QStringList>("lines");

    const QStringList french{QStringLiteral("Où est passée la boîte à café ?"),
                             QStringLiteral("Je l'ai laissée près de la fenêtre, déjà."),
                             QStringLiteral("« Très bien », répondit le garçon."),
                             QStringLiteral("Ça coûte 20 € — c'est cher."),
                             QStringLiteral("Noël approche et l'hôtel est complet.")};
    const QStringList chinese{QStringLiteral("你好，我们明天早上去公园散步吧。"),
                              QStringLiteral("今天的天气非常好，阳光明媚。"),
                              QStringLiteral("朱镕基和陶喆看了这部中文字幕的电影。"), // 镕 and 喆 lie beyond GB2312
                              QStringLiteral("请把窗户关上，外面有点冷。"),
                              QStringLiteral("我们一起去吃晚饭，好不好？")};
    QTest::newRow("SRT, Windows-1252") << "legacy.srt" << QByteArray() << QByteArray("windows-1252") << french;
    QTest::newRow("SRT, GBK") << "legacy.srt" << QByteArray() << QByteArray("GBK") << chinese;
    QTest::newRow("SRT, UTF-8 mark") << "bom8.srt" << QByteArray("\xEF\xBB\xBF") << QByteArray("UTF-8") << french;
    QTest::newRow("SRT, UTF-16LE mark") << "bom16.srt" << QByteArray("\xFF\xFE") << QByteArray("UTF-16LE") << chinese;
    QTest::newRow("SRT, UTF-16BE mark") << "bom16be.srt" << QByteArray("\xFE\xFF") << QByteArray("UTF-16BE") << french;
    QTest::newRow("ASS, GBK") << "gbk.ass" << QByteArray() << QByteArray("GBK") << chinese;
    QTest::newRow("ASS, UTF-8") << "utf8.ass" << QByteArray() << QByteArray("UTF-8") << chinese;
    QTest::newRow("ASS, UTF-8 mark") << "bom8.ass" << QByteArray("\xEF\xBB\xBF") << QByteArray("UTF-8") << chinese;
    QTest::newRow("ASS, UTF-16LE mark") << "bom16.ass" << QByteArray("\xFF\xFE") << QByteArray("UTF-16LE") << chinese;
    QTest::newRow("SSA, UTF-16BE mark") << "bom16be.ssa" << QByteArray("\xFE\xFF") << QByteArray("UTF-16BE")
                                        << chinese;
}

void TestSubtitles::encodings()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, mark);
    QFETCH(QByteArray, codec);
    QFETCH(QStringList, lines);
    const bool srt = name.endsWith(QLatin1String(".srt"));
    const QString font = QStringLiteral("微软雅黑");
    QString text = srt ? QString()
                       : QStringLiteral("[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\n"
                                        "Format: Name, Fontname, Fontsize, Encoding\nStyle: 中文,%1,20,134\n\n"
                                        "[Events]\nFormat: Layer, Start, End, Style, Text\n")
                             .arg(font);
    for (int i = 0; i < lines.size(); ++i) {
        text += srt ? QStringLiteral("%1\r\n00:00:0%1,000 --> 00:00:0%1,900\r\n%2\r\n\r\n").arg(i + 1).arg(lines[i])
                    : QStringLiteral("Dialogue: 0,0:00:0%1.00,0:00:0%1.90,中文,%2\n").arg(i + 1).arg(lines[i]);
    }

    SubtitleParser document;
    QVERIFY(document.read(file(name, mark + encoded(codec, text))));
    QCOMPARE(document.utf8, codec.startsWith("UTF"));
    QStringList read;
    for (const SubtitleEvent &event : qAsConst(document.events)) {
        read << event.Text;
        QCOMPARE(event.Style, 1);
    }
    QCOMPARE(read, lines);
    if (srt) {
        if (mark.isEmpty()) // what the reader decodes without a mark to go by
            QCOMPARE(TextEncoding::decode(encoded(codec, text)), text);
        return;
    }
    QCOMPARE(document.styles.size(), 1);
    QCOMPARE(document.styles[0].Name, QStringLiteral("中文"));
    QCOMPARE(document.styles[0].FontName, font);
}

static const char kThreeStyles[] =
    "[Script Info]\r\n"
    "ScriptType: v4.00+\r\n"
    "WrapStyle: 2\r\n"
    "ScaledBorderAndShadow: yes\r\n"
    "YCbCr Matrix: TV.709\r\n"
    "PlayResX: 1280\r\n"
    "PlayResY: 720\r\n"
    "\r\n"
    "[V4+ Styles]\r\n"
    "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, Italic, "
    "Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, "
    "MarginR, MarginV, Encoding\r\n"
    "Style: Default,Arial,20,&H00FFFFFF,&H000000FF,&H00000000,&H80000000,-1,0,0,0,100,100,0,0,1,2,2,2,10,10,10,1\r\n"
    "Style: Top,DejaVu Sans,36.5,&H4000FF00,&H000000FF,&H00102030,&H00000000,0,1,1,1,150,75,1.5,12,3,1.25,0,8,5,6,"
    "7,0\r\n"
    "Style: Left,Liberation Serif,18,&H00FFFFFF,&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,2,2,4,0,0,0,"
    "1\r\n"
    "\r\n"
    "[Events]\r\n"
    "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\r\n"
    "Dialogue: 0,0:00:01.00,0:00:02.50,Default,Ann,0000,0000,0000,,Hello\\Nworld\r\n"
    "Dialogue: 2,0:00:03.10,0:00:04.20,Top,Bob,0010,0020,0030,Banner;40,{\\i1}Top{\\i0} 3 words\r\n"
    "Dialogue: 1,1:01:01.00,1:01:02.00,Left,,0,0,0,,Left, with, commas\r\n"
    "Dialogue: 0,0:00:05.00,0:00:06.00,NoSuchStyle,,0,0,0,,orphan\r\n";

void TestSubtitles::assAndSsaStylesHeaderAndEventsAndRefusedFiles()
{
    // A path with quotes, commas, colons and non-ASCII letters reaches libass intact.
    const QString good = file(QStringLiteral("it's, odd: ünïcode [1].ass"), kThreeStyles);
    SubtitleParser document;
    QVERIFY(document.read(good));

    const auto header = [&document] {
        return QStringLiteral("%1x%2 wrap %3 scaled %4 matrix %5").arg(document.PlayResX).arg(document.PlayResY)
            .arg(document.WrapStyle).arg(document.ScaledBorderAndShadow).arg(document.YCbCrMatrix);
    };
    QCOMPARE(header(), QStringLiteral("1280x720 wrap 2 scaled 1 matrix 5"));
    QVERIFY(document.utf8);

    QCOMPARE(SubtitleStyles::described(document.styles),
             QStringList({QStringLiteral("Default|Arial|20|ffffff00|ff000000|0|80|1|0|0|0|1|1|0|0|1|2|2|2|10|10|10|1"),
                          QStringLiteral("Top|DejaVu Sans|36.5|ff0040|ff000000|30201000|0|0|1|1|1|1.5|0.75|1.5|12|3|"
                                         "1.25|0|8|5|6|7|0"),
                          QStringLiteral("Left|Liberation Serif|18|ffffff00|ff000000|0|0|0|0|0|0|1|1|0|0|1|2|2|4|0|0|"
                                         "0|1")}));
    // An unknown style name falls back to the first style.
    QCOMPARE(SubtitleStyles::described(document.events),
             QStringList({QStringLiteral("1000|2500|0|0|1|Ann|0|0|0||Hello\\Nworld"),
                          QStringLiteral("3100|4200|1|2|2|Bob|10|20|30|Banner;40|{\\i1}Top{\\i0} 3 words"),
                          QStringLiteral("3661000|3662000|2|1|3||0|0|0||Left, with, commas"),
                          QStringLiteral("5000|6000|3|0|1||0|0|0||orphan")}));

    // SSA keeps the old alignment numbers (5-7 top, 9-11 middle) and decimal BGR colours.
    const char ssa[] = "[Script Info]\n"
                       "ScriptType: v4.00\n"
                       "\n"
                       "[V4 Styles]\n"
                       "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, TertiaryColour, "
                       "BackColour, Bold, Italic, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, "
                       "MarginV, AlphaLevel, Encoding\n"
                       "Style: Default,Arial,24,16777215,65535,0,0,-1,0,1,2,1,2,10,10,10,0,1\n"
                       "Style: TopRight,Arial,24,255,65535,0,0,0,0,1,2,1,7,10,10,10,0,1\n"
                       "Style: Middle,Arial,24,16777215,65535,0,0,0,0,1,2,1,10,10,10,10,0,1\n"
                       "Style: MidLeft,Arial,24,16777215,65535,0,0,0,0,1,2,1,9,10,10,10,0,1\n"
                       "\n"
                       "[Events]\n"
                       "Format: Marked, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
                       "Dialogue: Marked=0,0:00:01.00,0:00:02.00,Middle,,0000,0000,0000,,centre\n";
    QVERIFY(document.read(file(QStringLiteral("old.ssa"), ssa)));
    QStringList alignments;
    for (const SubtitleStyle &style : qAsConst(document.styles))
        alignments << QString::number(style.Alignment);
    QCOMPARE(alignments, QStringList({"2", "9", "5", "4"}));
    QCOMPARE(document.styles[1].PrimaryColour, 0xff000000u);
    QCOMPARE(SubtitleStyles::described(document.events), QStringList{QStringLiteral("1000|2000|0|0|3||0|0|0||centre")});

    // SRT noise and an empty SRT file are files without cues; the same noise is no SSA file.
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919) % 251);
    QVERIFY(document.read(file(QStringLiteral("noise.srt"), noise)));
    QVERIFY(document.events.isEmpty());
    QVERIFY(document.read(good));
    QVERIFY(document.read(file(QStringLiteral("empty.srt"), QByteArray())));
    QVERIFY(document.events.isEmpty());

    // What cannot be read at all leaves the document as it was.
    QVERIFY(document.read(good));
    QVERIFY(!document.read(m_dir.filePath(QStringLiteral("missing.ass"))));
    QVERIFY(!document.read(m_dir.filePath(QStringLiteral("missing.srt"))));
    QVERIFY(!document.read(file(QStringLiteral("notes.txt"), "1\n00:00:01,000 --> 00:00:02,000\nx\n")));
    QVERIFY(!document.read(file(QStringLiteral("plain.ass"), "just some words\nand more\n")));
    QVERIFY(!document.read(file(QStringLiteral("noise.ssa"), noise)));
    QCOMPARE(document.styles.size(), 3);
    QCOMPARE(document.events.size(), 4);
    QCOMPARE(header(), QStringLiteral("1280x720 wrap 2 scaled 1 matrix 5"));
}

// Writes a document with every field set, typed text with line breaks and commas, a negative
// margin, times before the start and past 100 hours, and a line whose style does not exist, and
// reads it back through libass, our reader and as SRT.
void TestSubtitles::writtenFilesReadBack()
{
    SubtitleParser document;
    QVERIFY(document.read(file(QStringLiteral("three.ass"), kThreeStyles)));
    document.YCbCrMatrix = 6;
    document.styles[2].Name = QStringLiteral("Left, wide");
    document.events[0].Start = 1005;
    document.events[0].Text = QStringLiteral("Línea uno\\Nzwei – 三");
    document.events[1].MarginR = -4;
    document.events[2].Name = QStringLiteral("Ann, Bob");
    document.events[2].Text = QStringLiteral("typed\nacross\r\nlines\rend") + QChar() + QStringLiteral(", then more");
    document.events[3].Style = 9;
    document.events[3].Start = -1500;
    document.events[3].End = 123 * 3600000LL + 999;
    SubtitleParser expected;
    expected.styles = document.styles;
    expected.events = document.events;
    expected.styles[2].Name = QStringLiteral("Left; wide");
    expected.events[0].Start = 1000;
    expected.events[1].MarginR = 0;
    expected.events[2].Name = QStringLiteral("Ann; Bob");
    expected.events[2].Text = QStringLiteral("typed\\Nacross\\Nlines\\Nend, then more");
    expected.events[3].Style = 1;
    expected.events[3].Start = 0;
    expected.events[3].End = 123 * 3600000LL + 990;

    const QString path = m_dir.filePath(QStringLiteral("written.ass"));
    QVERIFY(document.writeAss(path));
    // libass reads the header, and our reader reads every style and line through libass.
    ASS_Track *track = ass_read_file(assLibrary(), path.toUtf8().data(), nullptr);
    QVERIFY(track);
    const QString header = QStringLiteral("%1x%2 wrap %3 scaled %4 matrix %5, %6 styles, %7 lines")
                               .arg(track->PlayResX).arg(track->PlayResY).arg(track->WrapStyle)
                               .arg(track->ScaledBorderAndShadow).arg(int(track->YCbCrMatrix))
                               .arg(track->n_styles).arg(track->n_events);
    ass_free_track(track);
    QCOMPARE(header, QStringLiteral("1280x720 wrap 2 scaled 1 matrix 6, 4 styles, 4 lines"));
    SubtitleParser again;
    QVERIFY(again.read(path));
    QCOMPARE(SubtitleStyles::described(again.styles), SubtitleStyles::described(expected.styles));
    QCOMPARE(SubtitleStyles::described(again.events), SubtitleStyles::described(expected.events));

    const auto bytesOf = [](const QString &name) {
        QFile written(name);
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    };
    const QByteArray bytes = bytesOf(path);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("[Script Info]"));
    QCOMPARE(lines.filter(QStringLiteral("Format: Name,")).size(), 3);
    QVERIFY(lines.contains(QStringLiteral("Dialogue: 0,0:00:00.00,123:00:00.99,,,0000,0000,0000,,orphan")));

    // SRT keeps the milliseconds ASS cannot hold.
    const QString srt = m_dir.filePath(QStringLiteral("written.srt"));
    QVERIFY(document.write(srt));
    const QByteArray srtBytes = bytesOf(srt);
    QVERIFY(srtBytes.startsWith(QStringLiteral("1\n00:00:01,005 --> 00:00:02,500\nLínea uno\nzwei – 三\n\n2\n").toUtf8()));
    QVERIFY(srtBytes.contains("\n00:00:00,000 --> 123:00:00,999\norphan"));
    QVERIFY(again.read(srt));
    QCOMPARE(SubtitleStyles::described(again.events.mid(0, 2)),
             QStringList({QStringLiteral("1005|2500|0|0|1||0|0|0||Línea uno\\Nzwei – 三"),
                          QStringLiteral("3100|4200|0|0|1||0|0|0||{\\i1}Top{\\i0} 3 words")}));

    // A style file holds only the styles; reading one drops the lines held before.
    const QString sty = m_dir.filePath(QStringLiteral("written.sty"));
    QVERIFY(document.writeStyles(sty));
    QVERIFY(again.read(sty));
    QVERIFY(again.events.isEmpty());
    QCOMPARE(SubtitleStyles::described(again.styles), SubtitleStyles::described(expected.styles));

    // Where no file can be written, every writer says so.
    QVERIFY(!document.writeAss(m_dir.filePath(QStringLiteral("no/such/folder/out.ass"))));
    QVERIFY(!document.writeSrt(m_dir.filePath(QStringLiteral("no/such/folder/out.srt"))));
    QVERIFY(!document.writeStyles(m_dir.filePath(QStringLiteral("no/such/folder/out.sty"))));
    QVERIFY(!document.write(m_dir.filePath(QStringLiteral("out.txt"))));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("out.txt"))));

    // Without styles or a picture size the header leaves them out.
    SubtitleParser bare;
    bare.styles.clear();
    QVERIFY(bare.writeAss(path));
    const QByteArray bareBytes = bytesOf(path);
    QVERIFY(!bareBytes.contains("Format: Name,"));
    QVERIFY(!bareBytes.contains("PlayResX"));
    QVERIFY(!bareBytes.contains("YCbCr"));
    QVERIFY(bareBytes.contains("ScaledBorderAndShadow: no\n"));
}

// ffmpeg reads a written SRT, shows it at the bottom while it lasts, and nothing after it.
void TestSubtitles::writtenSrtBurnsIn()
{
    const QString video = TestMedia::colourClip(QStringLiteral("0x305070"), 2);
    const QImage plain = TestMedia::frameOf(video, 1.0);
    QCOMPARE(plain.size(), QSize(320, 240));
    SubtitleParser document;
    SubtitleEvent line;
    line.Start = 500;
    line.End = 1500;
    line.Text = QStringLiteral("Bottom\\Nline");
    document.events.append(line);
    const QString srt = m_dir.filePath(QStringLiteral("burn.srt"));
    QVERIFY(document.writeSrt(srt));
    const QImage withSrt = TestMedia::frameOf(video, 1.0, QStringLiteral("subtitles=") + srt);
    QCOMPARE(withSrt.size(), plain.size());
    const QRect upper(0, 0, 320, 160), lower(0, 160, 320, 80);
    QCOMPARE(TestPictures::differingShare(plain.copy(upper), withSrt.copy(upper), 8), 0.0);
    const double lowerShare = TestPictures::differingShare(plain.copy(lower), withSrt.copy(lower), 8);
    QVERIFY2(lowerShare > 0.005, qPrintable(QString::number(lowerShare)));
    QCOMPARE(TestMedia::frameOf(video, 1.8, QStringLiteral("subtitles=") + srt), TestMedia::frameOf(video, 1.8));
}

BRINDLE_TEST_MAIN(TestSubtitles)
#include "test_subtitles.moc"
