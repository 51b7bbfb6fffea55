#include "layers/projectfile.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// Project files: every field survives a round trip, the text is laid out as other
// readers expect, and a file that is not a sound project yields an error and no layers.
class TestProjectFile : public QObject
{
    Q_OBJECT

private:
    static CLayerInfo everyLayerField(int type)
    {
        CLayerInfo info;
        info.Type = type;
        info.FileName = QStringLiteral("/media/clips/l\u00f6go, 'one' [1] 50%.png");
        info.x = -12;
        info.y = 34;
        info.Width = 321;
        info.Height = 123;
        info.Keep = false;
        info.Angle = 12.5f;
        info.Transparent = 37;
        info.Animation = CLayerInfo::ScrollBottom;
        info.Speed = 75;
        info.Direction = 3;
        info.Loop = 2;
        info.StartTime = 1234000;
        info.EndTime = 3723456000;
        info.fade = CLayerInfo::FadeInOut;
        return info;
    }

    static CLayerInfo everyWordArtField()
    {
        CLayerInfo info = everyLayerField(CLayerInfo::Text);
        info.FileName = QStringLiteral("Text7");
        CWordArtInfo &w = info.wordArt;
        w.Text = QStringLiteral("Caf\u00e9 <b>&amp; \"quotes\"\n second line");
        w.Font.setFamily(QStringLiteral("DejaVu Serif"));
        w.Font.setPixelSize(41);
        w.FontSize = 41;
        w.Font.setWeight(75);
        w.Font.setStyle(QFont::StyleItalic);
        w.Font.setUnderline(true);
        w.TextEffect = CWordArtInfo::DoubleGlow;
        w.TextColor = QColor(1, 2, 3, 4);
        w.EnableTextGradient = true;
        w.GradientColor = QColor(250, 128, 0, 128);
        w.OutlineColor1 = QColor(10, 20, 30, 40);
        w.OutlineThickness1 = 5;
        w.OutlineAlpha1 = 77;
        w.OutlineColor2 = QColor(50, 60, 70, 80);
        w.OutlineThickness2 = 6;
        w.OutlineAlpha2 = 88;
        w.EnableShadow = true;
        w.ShadowColor = QColor(90, 100, 110, 120);
        w.ShadowX = -3;
        w.ShadowY = 9;
        w.ShadowThickness = 2;
        w.ShadowAlpha = 99;
        w.EnableBackground = true;
        w.BackgroundColor = QColor(130, 140, 150, 160);
        w.BackgroundRound = 7;
        w.BackgroundThickness = 11;
        w.BackgroundAlpha = 111;
        w.DiffusedShadow = true;
        w.ExtrudedText = true;
        w.DrawText = false;
        return info;
    }

    // Read back and written again, a project gives the same text: no field is lost or changed.
    static void compareThroughXml(const ProjectData &read, const ProjectData &saved)
    {
        QCOMPARE(QString::fromUtf8(ProjectFile::toXml(read)), QString::fromUtf8(ProjectFile::toXml(saved)));
    }

    static QByteArray oneLayer(const QByteArray &children)
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Layers><Layer><Type>2</Type><FileName>a.png</FileName>"
               + children + "</Layer></Layers>\n";
    }

    QTemporaryDir m_dir;

private slots:
    void everyFieldSurvivesARoundTripThroughAFile()
    {
        ProjectData saved;
        saved.layers = {everyLayerField(CLayerInfo::Video), everyLayerField(CLayerInfo::Picture), everyWordArtField()};
        // Spaces and line ends belong to the text, even where they are all of it.
        for (const QString &text : {QStringLiteral(" two\r\nlines\t"), QStringLiteral("  "), QStringLiteral("\n")}) {
            CLayerInfo spaced = everyWordArtField();
            spaced.FileName = text;
            spaced.wordArt.Text = text;
            saved.layers.append(spaced);
        }
        saved.canvasSize = QSize(1280, 720);
        const QString path = m_dir.filePath(QStringLiteral("every field.qpj"));
        QString error;
        QStringList notes;
        QVERIFY2(ProjectFile::write(path, saved, &error, &notes), qPrintable(error));
        QVERIFY(notes.isEmpty());

        ProjectData read;
        QVERIFY2(ProjectFile::read(path, &read, &error), qPrintable(error));
        compareThroughXml(read, saved);

        // A project without layers reads as none, whatever was held before.
        QVERIFY2(ProjectFile::parse(ProjectFile::toXml(ProjectData()), &read, &error), qPrintable(error));
        QVERIFY(read.layers.isEmpty());

        // Unknown elements are passed over, missing ones keep their defaults, and a colour may
        // come in capitals.
        QVERIFY2(ProjectFile::parse(oneLayer("<Unknown>5</Unknown><Extra><Speed>1</Speed></Extra><Type>3</Type>"
                                             "<WordArt><ColorShadow>FF00FF00</ColorShadow></WordArt>"),
                                    &read, &error),
                 qPrintable(error));
        ProjectData expected;
        expected.layers.append(CLayerInfo());
        expected.layers[0].Type = CLayerInfo::Text;
        expected.layers[0].FileName = QStringLiteral("a.png");
        expected.layers[0].wordArt.ShadowColor = QColor(0, 255, 0);
        compareThroughXml(read, expected);
        QVERIFY(!read.canvasSize.isValid());
    }

    // Laid out as other readers expect: elements in their order, colours as lower-case
    // aarrggbb, no canvas or word art where there is none, and times of a day or more
    // clamped to the last time the text can hold, with a note.
    void theTextIsLaidOutElementByElement()
    {
        ProjectData data;
        CLayerInfo info;
        info.FileName = QStringLiteral("logo.png");
        info.Angle = 12.5f;
        info.StartTime = 1234567;
        info.EndTime = 25LL * 3600 * 1000000;
        data.layers = {info, everyWordArtField(), everyWordArtField()};
        // Bold from a weight of 58 on; read back, bold is 75 and plain 50.
        data.layers[1].wordArt.Font.setWeight(58);
        data.layers[2].wordArt.Font.setWeight(57);
        QStringList notes;
        const QByteArray bytes = ProjectFile::toXml(data, &notes);
        const QString xml = QString::fromUtf8(bytes);
        QVERIFY(xml.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Layers>\n    <Layer>\n"
                                              "        <Type>2</Type>\n        <FileName>logo.png</FileName>\n"
                                              "        <x>0</x>\n")));
        QVERIFY(xml.contains(QStringLiteral("<Angle>12.5000</Angle>")));
        QVERIFY(xml.contains(QStringLiteral("<StartTime>00:00:01:234</StartTime>")));
        QVERIFY(xml.contains(QStringLiteral("<EndTime>23:59:59:999</EndTime>")));
        QVERIFY(xml.contains(QStringLiteral("<Keep>1</Keep>")));
        QVERIFY(!xml.contains(QStringLiteral("Canvas")));
        QCOMPARE(notes.size(), 1);
        QVERIFY2(notes.first().contains(QStringLiteral("25:00:00:000")), qPrintable(notes.first()));
        ProjectData read;
        QString error;
        QVERIFY2(ProjectFile::parse(bytes, &read, &error), qPrintable(error));
        QCOMPARE(read.layers.at(0).EndTime, 86399999000LL);
        QCOMPARE(read.layers.at(1).wordArt.Font.weight(), 75);
        QCOMPARE(read.layers.at(2).wordArt.Font.weight(), 50);

        const auto childNames = [](const QDomElement &parent) {
            QStringList names;
            for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
                names << e.tagName();
            return names;
        };
        QDomDocument doc;
        QVERIFY(doc.setContent(xml));
        const QDomElement picture = doc.documentElement().firstChildElement();
        QVERIFY(picture.firstChildElement("WordArt").isNull());
        QCOMPARE(childNames(picture),
                 QStringList({"Type", "FileName", "x", "y", "Width", "Height", "Keep", "Angle", "Transparent",
                              "Animation", "Speed", "Direction", "Loop", "StartTime", "EndTime", "Fade"}));
        const QDomElement wordArt = picture.nextSiblingElement().firstChildElement("WordArt");
        QCOMPARE(childNames(wordArt).mid(0, 27),
                 QStringList({"Text", "FontName", "FontSize", "FontBold", "FontItalic", "FontUnderline", "TextEffect",
                              "ColorText1", "TextGradient", "ColorText2", "ColorOutline1", "OutlineThickness1",
                              "OutlineAlpha1", "ColorOutline2", "OutlineThickness2", "OutlineAlpha2", "EnableShadow",
                              "ColorShadow", "ShadowX", "ShadowY", "ShadowThickness", "ShadowAlpha", "EnableBackground",
                              "ColorBackground", "BackgroundRound", "BackgroundThickness", "BackgroundAlpha"}));
        QCOMPARE(wordArt.firstChildElement("ColorText2").text(), QStringLiteral("80fa8000"));
    }

    void malformedProjectsAreRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("errorPart");
        const auto row = [](const char *name, const QByteArray &xml, const char *errorPart) {
            QTest::newRow(name) << xml << QString::fromLatin1(errorPart);
        };
        row("empty", "", "line");
        row("cut short", oneLayer("<x>10</x>").chopped(12), "line");
        row("other root", "<?xml version=\"1.0\"?><WordArts><Layer/></WordArts>", "WordArts");
        row("unknown element", "<Layers><Layer><Type>2</Type><FileName>a</FileName></Layer><Subtitle/></Layers>",
            "Subtitle");
        row("no type", "<Layers><Layer><FileName>a.png</FileName></Layer></Layers>", "Type");
        row("no file name", "<Layers><Layer><Type>2</Type></Layer></Layers>", "FileName");
        row("text without word art", "<Layers><Layer><Type>3</Type><FileName>Text1</FileName></Layer></Layers>",
            "WordArt");
        row("word for a number", oneLayer("<x>ten</x>"), "ten");
        row("number too big", oneLayer("<Width>99999999999</Width>"), "99999999999");
        row("angle not a number", oneLayer("<Angle>nan</Angle>"), "Angle");
        row("time not a time", oneLayer("<StartTime>1.5</StartTime>"), "HH:mm:ss:zzz");
        row("unknown type", oneLayer("<Type>7</Type>"), "Type");
        row("unknown animation", oneLayer("<Animation>5</Animation>"), "Animation");
        row("opacity over 100", oneLayer("<Transparent>101</Transparent>"), "Transparent");
        row("half a canvas", oneLayer("<CanvasWidth>640</CanvasWidth>"), "canvas");
        row("zero canvas", oneLayer("<CanvasWidth>0</CanvasWidth><CanvasHeight>360</CanvasHeight>"), "CanvasWidth");
        row("colour name", oneLayer("<WordArt><ColorText1>red</ColorText1></WordArt>"), "aarrggbb");
        row("colour too long", oneLayer("<WordArt><ColorText1>123456789</ColorText1></WordArt>"), "aarrggbb");
        row("font size zero", oneLayer("<WordArt><FontSize>0</FontSize></WordArt>"), "FontSize");
        // A later layer's fault refuses the earlier, sound ones too.
        row("fault in a later layer",
            "<Layers><Layer><Type>2</Type><FileName>a</FileName></Layer>"
            "<Layer><Type>2</Type><FileName>b</FileName><y>-</y></Layer></Layers>",
            "Layer 2");
        row("two canvases",
            "<Layers><Layer><Type>2</Type><FileName>a</FileName><CanvasWidth>640</CanvasWidth>"
            "<CanvasHeight>360</CanvasHeight></Layer><Layer><Type>2</Type><FileName>b</FileName>"
            "<CanvasWidth>1280</CanvasWidth><CanvasHeight>720</CanvasHeight></Layer></Layers>",
            "canvas");
    }

    // Refused whole: an error is given, and the layers and canvas already held stay.
    void malformedProjectsAreRefusedWhole()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, errorPart);
        ProjectData data;
        data.layers.append(everyLayerField(CLayerInfo::Video));
        data.canvasSize = QSize(10, 20);
        const ProjectData held = data;
        QString error;
        QVERIFY(!ProjectFile::parse(xml, &data, &error));
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        compareThroughXml(data, held);
    }

    // The new text cannot be written whole (a file-size limit holds for every user, root too).
    void fileFaultsAreReportedAndAFailedSaveLeavesTheOldProjectWhole()
    {
        const QString folder = m_dir.filePath(QStringLiteral("atomic"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/p.qpj");
        ProjectData first;
        first.layers.append(everyLayerField(CLayerInfo::Picture));
        QString error;
        QVERIFY(ProjectFile::write(path, first, &error));
        const auto contents = [&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = contents();
        QVERIFY(!before.isEmpty());

        ProjectData second = first;
        for (int i = 0; i < 20; ++i)
            second.layers.append(everyWordArtField());
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previousLimit{};
        getrlimit(RLIMIT_FSIZE, &previousLimit);
        rlimit small = previousLimit;
        small.rlim_cur = rlim_t(before.size() + 64);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = ProjectFile::write(path, second, &error);
        setrlimit(RLIMIT_FSIZE, &previousLimit);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(contents(), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("p.qpj")});

        // A missing file or folder is named, and the layers held stay.
        QVERIFY(!ProjectFile::read(m_dir.filePath(QStringLiteral("missing.qpj")), &first, &error));
        QVERIFY(error.contains(QStringLiteral("missing.qpj")));
        QCOMPARE(first.layers.size(), 1);
        QVERIFY(!ProjectFile::write(m_dir.filePath(QStringLiteral("no folder/p.qpj")), first, &error));
        QVERIFY(error.contains(QStringLiteral("no folder")));
    }
};

QTEST_MAIN(TestProjectFile)
#include "test_projectfile.moc"
