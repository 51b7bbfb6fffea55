#include "layers/projectfile.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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

    static void compareLayers(const CLayerInfo &a, const CLayerInfo &b)
    {
        QCOMPARE(a.Type, b.Type);
        QCOMPARE(a.FileName, b.FileName);
        QCOMPARE(a.x, b.x);
        QCOMPARE(a.y, b.y);
        QCOMPARE(a.Width, b.Width);
        QCOMPARE(a.Height, b.Height);
        QCOMPARE(a.Keep, b.Keep);
        QCOMPARE(a.Angle, b.Angle);
        QCOMPARE(a.Transparent, b.Transparent);
        QCOMPARE(a.Animation, b.Animation);
        QCOMPARE(a.Speed, b.Speed);
        QCOMPARE(a.Direction, b.Direction);
        QCOMPARE(a.Loop, b.Loop);
        QCOMPARE(a.StartTime, b.StartTime);
        QCOMPARE(a.EndTime, b.EndTime);
        QCOMPARE(a.fade, b.fade);
    }

    static void compareWordArt(const CWordArtInfo &a, const CWordArtInfo &b)
    {
        QCOMPARE(a.Text, b.Text);
        QCOMPARE(a.Font.family(), b.Font.family());
        QCOMPARE(a.Font.pixelSize(), b.Font.pixelSize());
        QCOMPARE(a.FontSize, b.FontSize);
        QCOMPARE(a.Font.weight(), b.Font.weight());
        QCOMPARE(a.Font.style(), b.Font.style());
        QCOMPARE(a.Font.underline(), b.Font.underline());
        QCOMPARE(a.TextEffect, b.TextEffect);
        QCOMPARE(a.TextColor, b.TextColor);
        QCOMPARE(a.EnableTextGradient, b.EnableTextGradient);
        QCOMPARE(a.GradientColor, b.GradientColor);
        QCOMPARE(a.OutlineColor1, b.OutlineColor1);
        QCOMPARE(a.OutlineThickness1, b.OutlineThickness1);
        QCOMPARE(a.OutlineAlpha1, b.OutlineAlpha1);
        QCOMPARE(a.OutlineColor2, b.OutlineColor2);
        QCOMPARE(a.OutlineThickness2, b.OutlineThickness2);
        QCOMPARE(a.OutlineAlpha2, b.OutlineAlpha2);
        QCOMPARE(a.EnableShadow, b.EnableShadow);
        QCOMPARE(a.ShadowColor, b.ShadowColor);
        QCOMPARE(a.ShadowX, b.ShadowX);
        QCOMPARE(a.ShadowY, b.ShadowY);
        QCOMPARE(a.ShadowThickness, b.ShadowThickness);
        QCOMPARE(a.ShadowAlpha, b.ShadowAlpha);
        QCOMPARE(a.EnableBackground, b.EnableBackground);
        QCOMPARE(a.BackgroundColor, b.BackgroundColor);
        QCOMPARE(a.BackgroundRound, b.BackgroundRound);
        QCOMPARE(a.BackgroundThickness, b.BackgroundThickness);
        QCOMPARE(a.BackgroundAlpha, b.BackgroundAlpha);
        QCOMPARE(a.DiffusedShadow, b.DiffusedShadow);
        QCOMPARE(a.ExtrudedText, b.ExtrudedText);
        QCOMPARE(a.DrawText, b.DrawText);
    }

    static QByteArray oneLayer(const QByteArray &children)
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Layers><Layer><Type>2</Type><FileName>a.png</FileName>"
               + children + "</Layer></Layers>\n";
    }

    // A project the reader must refuse: an error is given and the layers already held stay.
    static void expectRefused(const QByteArray &xml, const QString &errorPart)
    {
        ProjectData data;
        data.layers.append(everyLayerField(CLayerInfo::Video));
        data.canvasSize = QSize(10, 20);
        QString error;
        QVERIFY2(!ProjectFile::parse(xml, &data, &error), xml.constData());
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        QCOMPARE(data.layers.size(), 1);
        QCOMPARE(data.layers.first().Type, int(CLayerInfo::Video));
        QCOMPARE(data.canvasSize, QSize(10, 20));
    }

    QTemporaryDir m_dir;

private slots:
    void everyFieldSurvivesARoundTripThroughAFile()
    {
        ProjectData saved;
        saved.layers = {everyLayerField(CLayerInfo::Video), everyLayerField(CLayerInfo::Picture), everyWordArtField()};
        saved.canvasSize = QSize(1280, 720);
        const QString path = m_dir.filePath(QStringLiteral("every field.qpj"));
        QString error;
        QStringList notes;
        QVERIFY2(ProjectFile::write(path, saved, &error, &notes), qPrintable(error));
        QVERIFY(notes.isEmpty());

        ProjectData read;
        QVERIFY2(ProjectFile::read(path, &read, &error), qPrintable(error));
        QCOMPARE(read.canvasSize, QSize(1280, 720));
        QCOMPARE(read.layers.size(), 3);
        for (int i = 0; i < 3; ++i)
            compareLayers(read.layers.at(i), saved.layers.at(i));
        compareWordArt(read.layers.at(2).wordArt, saved.layers.at(2).wordArt);
    }

    void theTextIsLaidOutElementByElement()
    {
        ProjectData data;
        CLayerInfo info;
        info.FileName = QStringLiteral("logo.png");
        info.Angle = 12.5f;
        info.StartTime = 1234567;
        data.layers.append(info);
        const QString xml = QString::fromUtf8(ProjectFile::toXml(data));
        QVERIFY(xml.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Layers>\n    <Layer>\n"
                                              "        <Type>2</Type>\n        <FileName>logo.png</FileName>\n"
                                              "        <x>0</x>\n")));
        QVERIFY(xml.contains(QStringLiteral("<Angle>12.5000</Angle>")));
        QVERIFY(xml.contains(QStringLiteral("<StartTime>00:00:01:234</StartTime>")));
        QVERIFY(xml.contains(QStringLiteral("<EndTime>00:00:00:000</EndTime>")));
        QVERIFY(xml.contains(QStringLiteral("<Keep>1</Keep>")));
        // No canvas size known: none written; an image layer has no word art.
        QVERIFY(!xml.contains(QStringLiteral("Canvas")));
        QVERIFY(!xml.contains(QStringLiteral("WordArt")));

        QDomDocument doc;
        QVERIFY(doc.setContent(xml));
        QStringList order;
        for (QDomElement e = doc.documentElement().firstChildElement().firstChildElement(); !e.isNull();
             e = e.nextSiblingElement())
            order << e.tagName();
        QCOMPARE(order, QStringList({"Type", "FileName", "x", "y", "Width", "Height", "Keep", "Angle", "Transparent",
                                     "Animation", "Speed", "Direction", "Loop", "StartTime", "EndTime", "Fade"}));
    }

    void wordArtIsWrittenInItsOrderWithLowerCaseColours()
    {
        ProjectData data;
        data.layers.append(everyWordArtField());
        data.layers[0].wordArt.TextColor = QColor(255, 0, 0);
        data.layers[0].wordArt.ShadowColor = QColor(0, 0, 0, 180);
        QDomDocument doc;
        QVERIFY(doc.setContent(ProjectFile::toXml(data)));
        const QDomElement wordArt = doc.documentElement().firstChildElement().firstChildElement("WordArt");
        QStringList order;
        for (QDomElement e = wordArt.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            order << e.tagName();
        QCOMPARE(order.mid(0, 27),
                 QStringList({"Text", "FontName", "FontSize", "FontBold", "FontItalic", "FontUnderline", "TextEffect",
                              "ColorText1", "TextGradient", "ColorText2", "ColorOutline1", "OutlineThickness1",
                              "OutlineAlpha1", "ColorOutline2", "OutlineThickness2", "OutlineAlpha2", "EnableShadow",
                              "ColorShadow", "ShadowX", "ShadowY", "ShadowThickness", "ShadowAlpha", "EnableBackground",
                              "ColorBackground", "BackgroundRound", "BackgroundThickness", "BackgroundAlpha"}));
        QCOMPARE(wordArt.firstChildElement("ColorText1").text(), QStringLiteral("ffff0000"));
        QCOMPARE(wordArt.firstChildElement("ColorShadow").text(), QStringLiteral("b4000000"));
        QCOMPARE(wordArt.firstChildElement("ColorText2").text(), QStringLiteral("80fa8000"));
    }

    void boldComesBackAsSeventyFiveOrFifty()
    {
        for (const auto &weight : {std::make_pair(99, 75), std::make_pair(63, 75), std::make_pair(57, 50),
                                   std::make_pair(25, 50)}) {
            ProjectData data;
            data.layers.append(everyWordArtField());
            data.layers[0].wordArt.Font.setWeight(weight.first);
            ProjectData read;
            QString error;
            QVERIFY2(ProjectFile::parse(ProjectFile::toXml(data), &read, &error), qPrintable(error));
            QCOMPARE(read.layers.first().wordArt.Font.weight(), weight.second);
        }
    }

    void aColourReadsAsAlphaRedGreenBlue()
    {
        ProjectData read;
        QString error;
        QVERIFY2(ProjectFile::parse(oneLayer("<Type>3</Type><WordArt><ColorText1>80ff8000</ColorText1>"
                                             "<ColorShadow>FF00FF00</ColorShadow></WordArt>"),
                                    &read, &error),
                 qPrintable(error));
        QCOMPARE(read.layers.first().wordArt.TextColor, QColor(255, 128, 0, 128));
        QCOMPARE(read.layers.first().wordArt.ShadowColor, QColor(0, 255, 0, 255));
    }

    void missingElementsKeepTheirDefaults()
    {
        ProjectData read;
        QString error;
        QVERIFY2(ProjectFile::parse(oneLayer("<Unknown>5</Unknown><Extra><Speed>1</Speed></Extra>"), &read, &error),
                 qPrintable(error));
        QCOMPARE(read.layers.size(), 1);
        const CLayerInfo defaults;
        CLayerInfo expected;
        expected.FileName = QStringLiteral("a.png");
        compareLayers(read.layers.first(), expected);
        QCOMPARE(read.layers.first().Speed, defaults.Speed);
        QVERIFY(!read.canvasSize.isValid());
    }

    void textsKeepTheirSpacesAndLineEnds()
    {
        for (const QString &text : {QStringLiteral(" two\r\nlines\t"), QStringLiteral("  "), QStringLiteral("\n")}) {
            ProjectData data;
            data.layers.append(everyWordArtField());
            data.layers[0].FileName = text;
            data.layers[0].wordArt.Text = text;
            ProjectData read;
            QString error;
            QVERIFY2(ProjectFile::parse(ProjectFile::toXml(data), &read, &error), qPrintable(error));
            QCOMPARE(read.layers.first().FileName, text);
            QCOMPARE(read.layers.first().wordArt.Text, text);
        }
    }

    void anEmptyProjectReadsAsNoLayers()
    {
        ProjectData read;
        read.layers.append(CLayerInfo());
        QString error;
        QVERIFY2(ProjectFile::parse(ProjectFile::toXml(ProjectData()), &read, &error), qPrintable(error));
        QVERIFY(read.layers.isEmpty());
    }

    void timesOfADayOrMoreAreClampedAndNamed()
    {
        ProjectData data;
        CLayerInfo info;
        info.FileName = QStringLiteral("a.png");
        info.StartTime = 1000;
        info.EndTime = 25LL * 3600 * 1000000;
        data.layers.append(info);
        QStringList notes;
        const QByteArray xml = ProjectFile::toXml(data, &notes);
        QVERIFY(xml.contains("<EndTime>23:59:59:999</EndTime>"));
        QCOMPARE(notes.size(), 1);
        QVERIFY2(notes.first().contains(QStringLiteral("25:00:00:000")), qPrintable(notes.first()));
        ProjectData read;
        QString error;
        QVERIFY(ProjectFile::parse(xml, &read, &error));
        QCOMPARE(read.layers.first().EndTime, 86399999000LL);
    }

    void malformedProjectsAreRefusedWhole()
    {
        expectRefused("", "line");
        expectRefused("this is not xml at all", "line");
        expectRefused(QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), "line");
        const QByteArray good = oneLayer("<x>10</x>");
        expectRefused(good.left(good.size() - 12), "line");
        expectRefused("<?xml version=\"1.0\"?><WordArts><Layer/></WordArts>", "WordArts");
        expectRefused("<Layers><Layer><Type>2</Type><FileName>a</FileName></Layer><Subtitle/></Layers>", "Subtitle");
        expectRefused("<Layers><Layer><FileName>a.png</FileName></Layer></Layers>", "Type");
        expectRefused("<Layers><Layer><Type>2</Type></Layer></Layers>", "FileName");
        expectRefused("<Layers><Layer><Type>3</Type><FileName>Text1</FileName></Layer></Layers>", "WordArt");
        expectRefused(oneLayer("<x>ten</x>"), "ten");
        expectRefused(oneLayer("<Width>99999999999</Width>"), "99999999999");
        expectRefused(oneLayer("<Angle>nan</Angle>"), "Angle");
        expectRefused(oneLayer("<StartTime>1.5</StartTime>"), "HH:mm:ss:zzz");
        expectRefused(oneLayer("<Type>7</Type>"), "Type");
        expectRefused(oneLayer("<Animation>5</Animation>"), "Animation");
        expectRefused(oneLayer("<Transparent>101</Transparent>"), "Transparent");
        expectRefused(oneLayer("<CanvasWidth>640</CanvasWidth>"), "canvas");
        expectRefused(oneLayer("<CanvasWidth>0</CanvasWidth><CanvasHeight>360</CanvasHeight>"), "CanvasWidth");
        expectRefused(oneLayer("<WordArt><ColorText1>red</ColorText1></WordArt>"), "aarrggbb");
        expectRefused(oneLayer("<WordArt><ColorText1>123456789</ColorText1></WordArt>"), "aarrggbb");
        expectRefused(oneLayer("<WordArt><FontSize>0</FontSize></WordArt>"), "FontSize");
        // A later layer's fault refuses the earlier, sound ones too.
        expectRefused("<Layers><Layer><Type>2</Type><FileName>a</FileName></Layer>"
                      "<Layer><Type>2</Type><FileName>b</FileName><y>-</y></Layer></Layers>",
                      "Layer 2");
        expectRefused("<Layers><Layer><Type>2</Type><FileName>a</FileName><CanvasWidth>640</CanvasWidth>"
                      "<CanvasHeight>360</CanvasHeight></Layer><Layer><Type>2</Type><FileName>b</FileName>"
                      "<CanvasWidth>1280</CanvasWidth><CanvasHeight>720</CanvasHeight></Layer></Layers>",
                      "canvas");
    }

    void fileFaultsAreReported()
    {
        ProjectData data;
        data.layers.append(everyLayerField(CLayerInfo::Picture));
        QString error;
        QVERIFY(!ProjectFile::read(m_dir.filePath(QStringLiteral("missing.qpj")), &data, &error));
        QVERIFY(error.contains(QStringLiteral("missing.qpj")));
        QCOMPARE(data.layers.size(), 1);

        QVERIFY(!ProjectFile::write(m_dir.filePath(QStringLiteral("no folder/p.qpj")), data, &error));
        QVERIFY(error.contains(QStringLiteral("no folder")));
    }

    void aFailedSaveLeavesTheOldProjectWhole()
    {
        const QString folder = m_dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/p.qpj");
        ProjectData first;
        first.layers.append(everyLayerField(CLayerInfo::Picture));
        QString error;
        QVERIFY(ProjectFile::write(path, first, &error));
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        ProjectData second;
        second.layers.append(everyWordArtField());
        const bool written = ProjectFile::write(path, second, &error);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (written)
            QSKIP("The folder stays writable for this user (running as root?)");
        QVERIFY(!error.isEmpty());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }
};

QTEST_MAIN(TestProjectFile)
#include "test_projectfile.moc"
