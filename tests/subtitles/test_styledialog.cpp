#include "subtitlestyles.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include "common/qcolorcombox.h"
#include "subtitles/styledialog.h"
#include "subtitles/stylepreview.h"
#include "subtitles/subtitleparser.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

void choosePaletteColor(QColorCombox *box, const QColor &color)
{
    for (QAction *action : box->findChildren<QAction *>()) {
        const QVariant data = action->data();
        if (data.userType() == QMetaType::QColor && data.value<QColor>() == color && data.value<QColor>().alpha() == 255) {
            action->trigger();
            return;
        }
    }
    QFAIL("colour not in the palette");
}

SubtitleStyle namedStyle(const QString &name)
{
    SubtitleStyle style;
    style.Name = name;
    return style;
}

void compareStyles(const SubtitleStyle &a, const SubtitleStyle &b)
{
    QCOMPARE(SubtitleStyles::described(a), SubtitleStyles::described(b));
}

}

// The "Style Editor": every control writes the field it shows, the list can grow,
// shrink, be saved and opened, and what it makes is what ffmpeg burns.
class TestStyleDialog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    template <typename T>
    static T *control(StyleDialog &dialog, const char *name)
    {
        T *found = dialog.findChild<T *>(QLatin1String(name));
        if (!found)
            qWarning() << "no control" << name;
        return found;
    }

    static QString statusOf(StyleDialog &dialog)
    {
        return control<QLabel>(dialog, "labelStatus")->text();
    }

    // The style as the editor leaves it, with one line using it, burned into a black frame.
    QImage burnEdited(int size)
    {
        StyleDialog dialog;
        dialog.setStyles({SubtitleStyle()});
        control<QComboBox>(dialog, "comboBoxSize")->setEditText(QString::number(size));
        control<QCheckBox>(dialog, "checkBoxBold")->setChecked(false);
        choosePaletteColor(control<QColorCombox>(dialog, "colorPrimary"), QColor(255, 0, 0));
        choosePaletteColor(control<QColorCombox>(dialog, "colorOutline"), QColor(0, 0, 255));
        control<QSpinBox>(dialog, "spinBoxOutline")->setValue(3);
        control<QSpinBox>(dialog, "spinBoxBack")->setValue(0);
        control<QRadioButton>(dialog, "radioButton5")->click();

        SubtitleParser document;
        document.PlayResX = 320;
        document.PlayResY = 240;
        SubtitleEvent line;
        line.Start = 0;
        line.End = 5000;
        line.Text = QStringLiteral("HEH");
        document.events.append(line);
        dialog.applyTo(document);
        const QString ass = m_dir.filePath(QStringLiteral("edited-%1.ass").arg(size));
        if (!document.writeAss(ass))
            return QImage();
        return TestMedia::frameOf(TestMedia::colourClip(QStringLiteral("black")), 0, QStringLiteral("ass=") + ass);
    }

private slots:
    void switchingStylesLeavesThemAsTheyWere()
    {
        StyleDialog dialog;
        SubtitleStyle a = namedStyle(QStringLiteral("A"));
        a.FontSize = 31;
        a.Bold = 0;
        a.Outline = 2.5;
        a.PrimaryColour = 0x10203040;
        SubtitleStyle b = namedStyle(QStringLiteral("B"));
        b.Underline = 1;
        b.Alignment = 9;
        b.FontName = QStringLiteral("Liberation Serif");
        dialog.setStyles({a, b});
        auto *styleBox = control<QComboBox>(dialog, "comboBoxStyle");
        styleBox->setCurrentIndex(0);
        QCOMPARE(control<QComboBox>(dialog, "comboBoxSize")->currentText(), QStringLiteral("31"));
        styleBox->setCurrentIndex(1);
        styleBox->setCurrentIndex(0);
        // The outline width shows truncated, and the truncation is not written back.
        QCOMPARE(control<QSpinBox>(dialog, "spinBoxOutline")->value(), 2);
        compareStyles(dialog.styles()[0], a);
        compareStyles(dialog.styles()[1], b);
        QCOMPARE(dialog.styles()[0].Bold, 0);
        QCOMPARE(dialog.styles()[1].Underline, 1);
    }

    void everyControlWritesItsField()
    {
        StyleDialog dialog;
        dialog.setStyles({namedStyle(QStringLiteral("Kept")), namedStyle(QStringLiteral("Edited"))});
        control<QComboBox>(dialog, "comboBoxSize")->setEditText(QStringLiteral("42"));
        control<QCheckBox>(dialog, "checkBoxBold")->setChecked(false);
        control<QCheckBox>(dialog, "checkBoxItalic")->setChecked(true);
        control<QCheckBox>(dialog, "checkBoxUnderline")->setChecked(true);
        control<QCheckBox>(dialog, "checkBoxStrikeout")->setChecked(true);
        control<QSpinBox>(dialog, "spinBoxOutline")->setValue(5);
        control<QSpinBox>(dialog, "spinBoxBack")->setValue(6);
        control<QSpinBox>(dialog, "spinBoxLeft")->setValue(7);
        control<QSpinBox>(dialog, "spinBoxRight")->setValue(8);
        control<QSpinBox>(dialog, "spinBoxVertical")->setValue(9);
        control<QRadioButton>(dialog, "radioButton3")->click();
        const SubtitleStyle &edited = dialog.styles()[1];
        QCOMPARE(edited.FontSize, 42.0);
        QCOMPARE(edited.Bold, 0);
        QCOMPARE(edited.Italic, 1);
        QCOMPARE(edited.Underline, 1);
        QCOMPARE(edited.StrikeOut, 1);
        QCOMPARE(edited.Outline, 5.0);
        QCOMPARE(edited.Shadow, 6.0);
        QCOMPARE(edited.MarginL, 7);
        QCOMPARE(edited.MarginR, 8);
        QCOMPARE(edited.MarginV, 9);
        QCOMPARE(edited.Alignment, 3);
        compareStyles(dialog.styles()[0], namedStyle(QStringLiteral("Kept")));
    }

    void opacityIsTheInverseOfTheTransparency()
    {
        StyleDialog dialog;
        auto *primary = control<QSpinBox>(dialog, "spinBoxPA");
        primary->setValue(50);
        QCOMPARE(dialog.styles()[0].PrimaryColour, 0xffffff80u);
        primary->setValue(0);
        QCOMPARE(dialog.styles()[0].PrimaryColour, 0xffffffffu);
        control<QSpinBox>(dialog, "spinBoxOA")->setValue(25);
        QCOMPARE(dialog.styles()[0].OutlineColour & 0xff, 192u);
        control<QSpinBox>(dialog, "spinBoxSA")->setValue(100);
        QCOMPARE(dialog.styles()[0].SecondaryColour & 0xff, 0u);

        // A new colour keeps the transparency set before it.
        primary->setValue(50);
        choosePaletteColor(control<QColorCombox>(dialog, "colorPrimary"), QColor(255, 0, 0));
        QCOMPARE(dialog.styles()[0].PrimaryColour, 0xff000080u);
        choosePaletteColor(control<QColorCombox>(dialog, "colorShadow"), QColor(0, 85, 255));
        QCOMPARE(dialog.styles()[0].BackColour, 0x0055ff80u);
        QCOMPARE(control<QSpinBox>(dialog, "spinBoxPA")->value(), 50);
    }

    void addRefusesTakenAndBrokenNames()
    {
        StyleDialog dialog;
        dialog.setStyles({namedStyle(QStringLiteral("Default"))});
        auto *styleBox = control<QComboBox>(dialog, "comboBoxStyle");
        auto *add = control<QToolButton>(dialog, "toolButtonAdd");
        styleBox->setEditText(QStringLiteral("Default"));
        add->click();
        QCOMPARE(dialog.styles().size(), 1);
        QVERIFY(!statusOf(dialog).isEmpty());
        for (const char *broken : {"", "  ", "Top, left"}) {
            styleBox->setEditText(QLatin1String(broken));
            add->click();
            QCOMPARE(dialog.styles().size(), 1);
        }
        styleBox->setEditText(QStringLiteral("Signs"));
        add->click();
        QCOMPARE(dialog.styles().size(), 2);
        QCOMPARE(styleBox->count(), 2);
        QCOMPARE(styleBox->currentIndex(), 1);
        const SubtitleStyle &added = dialog.styles()[1];
        QCOMPARE(added.Name, QStringLiteral("Signs"));
        QVERIFY(statusOf(dialog).isEmpty());
        control<QSpinBox>(dialog, "spinBoxLeft")->setValue(44);
        QCOMPARE(dialog.styles()[1].MarginL, 44);
        QCOMPARE(dialog.styles()[0].MarginL, 20);
    }

    void deleteKeepsTheLastStyle()
    {
        StyleDialog dialog;
        dialog.setStyles({namedStyle(QStringLiteral("A")), namedStyle(QStringLiteral("B")),
                          namedStyle(QStringLiteral("C"))});
        auto *styleBox = control<QComboBox>(dialog, "comboBoxStyle");
        auto *del = control<QToolButton>(dialog, "toolButtonDel");
        styleBox->setCurrentIndex(1);
        del->click();
        QCOMPARE(dialog.styles().size(), 2);
        QCOMPARE(dialog.styles()[0].Name, QStringLiteral("A"));
        QCOMPARE(dialog.styles()[1].Name, QStringLiteral("C"));
        QCOMPARE(styleBox->count(), 2);
        QCOMPARE(styleBox->currentText(), dialog.styles()[styleBox->currentIndex()].Name);
        // A typed name that matches nothing deletes the first style.
        styleBox->setEditText(QStringLiteral("nothing"));
        del->click();
        QCOMPARE(dialog.styles().size(), 1);
        QCOMPARE(dialog.styles()[0].Name, QStringLiteral("C"));
        del->click();
        QCOMPARE(dialog.styles().size(), 1);
        QVERIFY(!statusOf(dialog).isEmpty());
        control<QSpinBox>(dialog, "spinBoxRight")->setValue(3);
        QCOMPARE(dialog.styles()[0].MarginR, 3);
    }

    void savedStylesOpenAgainUnchanged()
    {
        SubtitleStyle first = namedStyle(QStringLiteral("Über sign"));
        first.FontName = QStringLiteral("Liberation Serif");
        first.FontSize = 26;
        first.PrimaryColour = 0x11223344;
        first.SecondaryColour = 0x55667788;
        first.OutlineColour = 0x99aabbcc;
        first.BackColour = 0xddeeff10;
        first.Bold = 0;
        first.Italic = -1;
        first.Underline = -1;
        first.StrikeOut = 0;
        first.ScaleX = 1.5;
        first.ScaleY = 0.8;
        first.Outline = 2.5;
        first.Shadow = 1;
        first.Alignment = 8;
        first.MarginL = 11;
        first.MarginR = 12;
        first.MarginV = 13;
        SubtitleStyle second = namedStyle(QStringLiteral("Second"));
        second.Alignment = 4;
        StyleDialog dialog;
        dialog.setStyles({first, second});
        const QString path = m_dir.filePath(QStringLiteral("stilé, [1] 100%.sty"));
        QVERIFY(dialog.saveStyleFile(path));

        StyleDialog reopened;
        QVERIFY(reopened.openStyleFile(path));
        QCOMPARE(reopened.styles().size(), 2);
        compareStyles(reopened.styles()[0], first);
        compareStyles(reopened.styles()[1], second);
        QCOMPARE(control<QComboBox>(reopened, "comboBoxStyle")->currentIndex(), 0);
        QCOMPARE(control<QComboBox>(reopened, "comboBoxStyle")->count(), 2);
        QVERIFY(control<QRadioButton>(reopened, "radioButton8")->isChecked());

        QVERIFY(!dialog.saveStyleFile(m_dir.filePath(QStringLiteral("missing/folder/x.sty"))));
        QVERIFY(!statusOf(dialog).isEmpty());
    }

    void openTakesTheStylesOfAnAssFile()
    {
        const QString ass = TestFiles::write(m_dir.filePath(QStringLiteral("three.ass")),
            "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\n"
            "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, "
            "Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, "
            "MarginL, MarginR, MarginV, Encoding\n"
            "Style: Zeta,Arial,20,&H00FFFFFF,&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,2,2,2,10,10,10,1\n"
            "Style: Alpha,Arial,30,&H0000FF00,&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,2,2,8,10,10,10,1\n"
            "Style: Mid,Arial,40,&H00FF0000,&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,2,2,5,10,10,10,1\n"
            "\n[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
            "Dialogue: 0,0:00:00.00,0:00:01.00,Mid,,0,0,0,,hello\n");
        StyleDialog dialog;
        QVERIFY(dialog.openStyleFile(ass));
        QCOMPARE(dialog.styles().size(), 3);
        QCOMPARE(dialog.styles()[0].Name, QStringLiteral("Zeta"));
        QCOMPARE(dialog.styles()[1].Name, QStringLiteral("Alpha"));
        QCOMPARE(dialog.styles()[2].Name, QStringLiteral("Mid"));
        QCOMPARE(dialog.styles()[1].PrimaryColour, 0x00ff0000u);
        QCOMPARE(control<QComboBox>(dialog, "comboBoxStyle")->currentText(), QStringLiteral("Zeta"));
    }

    void openOfAFileWithoutStylesKeepsTheList()
    {
        StyleDialog dialog;
        dialog.setStyles({namedStyle(QStringLiteral("Mine")), namedStyle(QStringLiteral("Yours"))});
        const QString empty = TestFiles::write(m_dir.filePath(QStringLiteral("nostyles.ass")), TestFiles::emptyAss());
        QVERIFY(!dialog.openStyleFile(empty));
        QCOMPARE(dialog.styles().size(), 2);
        QCOMPARE(dialog.styles()[0].Name, QStringLiteral("Mine"));
        QVERIFY(statusOf(dialog).contains(QStringLiteral("nostyles.ass")));
        QCOMPARE(control<QComboBox>(dialog, "comboBoxStyle")->count(), 2);

        const QString garbage = TestFiles::write(m_dir.filePath(QStringLiteral("garbage.ssa")),
                                                 QByteArray("\x00\xff\xfe[V4+ Styles]\nStyle: ,,\n\x01\x02", 28));
        QVERIFY(!dialog.openStyleFile(garbage));
        QCOMPARE(dialog.styles().size(), 2);

        QVERIFY(!dialog.openStyleFile(m_dir.filePath(QStringLiteral("absent.sty"))));
        QCOMPARE(dialog.styles().size(), 2);
        QVERIFY(statusOf(dialog).contains(QStringLiteral("absent.sty")));
    }

    void acceptedStylesReplaceTheDocumentsAndLinesKeepTheirStyle()
    {
        SubtitleParser document;
        document.styles = {namedStyle(QStringLiteral("Default")), namedStyle(QStringLiteral("Sign")),
                           namedStyle(QStringLiteral("Song"))};
        for (int style : {1, 2, 3, 0}) {
            SubtitleEvent line;
            line.Style = style;
            document.events.append(line);
        }
        StyleDialog dialog;
        dialog.setStyles(document.styles);
        auto *styleBox = control<QComboBox>(dialog, "comboBoxStyle");
        styleBox->setCurrentIndex(0);
        control<QToolButton>(dialog, "toolButtonDel")->click();
        styleBox->setEditText(QStringLiteral("Extra"));
        control<QToolButton>(dialog, "toolButtonAdd")->click();
        dialog.applyTo(document);
        QCOMPARE(document.styles.size(), 3);
        QCOMPARE(document.styles[0].Name, QStringLiteral("Sign"));
        QCOMPARE(document.styles[1].Name, QStringLiteral("Song"));
        QCOMPARE(document.styles[2].Name, QStringLiteral("Extra"));
        // The line of the deleted style takes the first style; the others keep theirs by name.
        QCOMPARE(document.events[0].Style, 1);
        QCOMPARE(document.events[1].Style, 1);
        QCOMPARE(document.events[2].Style, 2);
        QCOMPARE(document.events[3].Style, 0);
    }

    void previewDrawsTheStyleAsItIsEdited()
    {
        StyleDialog dialog;
        dialog.resize(560, 660);
        auto *preview = control<StylePreview>(dialog, "widgetPreview");
        QVERIFY(preview);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const auto redPixels = [preview] {
            int count = 0;
            const QImage &image = preview->image();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    count += c.red() > 190 && c.green() < 70 && c.blue() < 70 ? 1 : 0;
                }
            return count;
        };
        QCOMPARE(preview->image().size(), preview->size());
        QCOMPARE(redPixels(), 0);
        choosePaletteColor(control<QColorCombox>(dialog, "colorPrimary"), QColor(255, 0, 0));
        control<QComboBox>(dialog, "comboBoxSize")->setEditText(QStringLiteral("20"));
        const int small = redPixels();
        QVERIFY2(small > 100, qPrintable(QString::number(small)));
        control<QComboBox>(dialog, "comboBoxSize")->setEditText(QStringLiteral("40"));
        QVERIFY2(redPixels() > small * 3, qPrintable(QStringLiteral("%1 %2").arg(redPixels()).arg(small)));
        control<QSpinBox>(dialog, "spinBoxPA")->setValue(0);
        QCOMPARE(redPixels(), 0);
    }

    void editedStyleIsWhatFfmpegBurns()
    {
        const QImage small = burnEdited(30);
        const QImage large = burnEdited(60);
        QCOMPARE(small.size(), QSize(320, 240));
        QCOMPARE(large.size(), QSize(320, 240));
        const auto measure = [](const QImage &frame, int *redCount, int *blueCount) {
            QRect red;
            *redCount = *blueCount = 0;
            for (int y = 0; y < frame.height(); ++y) {
                for (int x = 0; x < frame.width(); ++x) {
                    const QColor c = frame.pixelColor(x, y);
                    if (c.red() > 190 && c.green() < 70 && c.blue() < 70) {
                        red |= QRect(x, y, 1, 1);
                        ++*redCount;
                    } else if (c.blue() > 190 && c.red() < 70 && c.green() < 70) {
                        ++*blueCount;
                    }
                }
            }
            return red;
        };
        int smallRed = 0, smallBlue = 0, largeRed = 0, largeBlue = 0;
        const QRect smallText = measure(small, &smallRed, &smallBlue);
        const QRect largeText = measure(large, &largeRed, &largeBlue);
        QVERIFY2(smallRed > 50 && smallBlue > 50, qPrintable(QStringLiteral("%1 %2").arg(smallRed).arg(smallBlue)));
        QVERIFY2(largeRed > smallRed * 3, qPrintable(QStringLiteral("%1 %2").arg(largeRed).arg(smallRed)));
        const double ratio = double(largeText.height()) / smallText.height();
        QVERIFY2(ratio > 1.7 && ratio < 2.3, qPrintable(QString::number(ratio)));
        // Alignment 5 puts the line in the middle of the picture.
        QVERIFY2(qAbs(largeText.center().y() - 120) < 20 && qAbs(largeText.center().x() - 160) < 20,
                 qPrintable(QStringLiteral("%1,%2").arg(largeText.center().x()).arg(largeText.center().y())));
    }
};

BRINDLE_TEST_MAIN(TestStyleDialog)
#include "test_styledialog.moc"
