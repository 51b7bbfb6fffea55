#include "subtitlestyles.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testpictures.h"
#include "testprofile.h"
#include "testwidgets.h"

#include "common/qcolorcombox.h"
#include "subtitles/styledialog.h"
#include "subtitles/stylepreview.h"
#include "subtitles/subtitleparser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

bool isRed(const QColor &c)
{
    return c.red() > 190 && c.green() < 70 && c.blue() < 70;
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
        return dialog.findChild<T *>(QLatin1String(name));
    }

    static QString statusOf(StyleDialog &dialog)
    {
        return control<QLabel>(dialog, "labelStatus")->text();
    }

private slots:
    // Each control writes its field into the style it shows, and only there; switching between
    // styles writes nothing back.
    void controlsWriteTheShownStyleOnlyAndTheListGrowsAndShrinks()
    {
        StyleDialog dialog;
        SubtitleStyle kept, edited;
        kept.Name = QStringLiteral("Kept");
        edited.Name = QStringLiteral("Edited");
        kept.FontSize = 31;
        kept.Bold = 0;
        kept.Outline = 2.5;
        kept.PrimaryColour = 0x10203040;
        kept.Underline = 1;
        kept.Alignment = 9;
        kept.FontName = QStringLiteral("Liberation Serif");
        dialog.setStyles({kept, edited});
        auto *styleBox = control<QComboBox>(dialog, "comboBoxStyle");
        styleBox->setCurrentIndex(0);
        QCOMPARE(control<QComboBox>(dialog, "comboBoxSize")->currentText(), QStringLiteral("31"));
        // The outline width shows truncated, and the truncation is not written back.
        QCOMPARE(control<QSpinBox>(dialog, "spinBoxOutline")->value(), 2);
        styleBox->setCurrentIndex(1);
        styleBox->setCurrentIndex(0);
        QCOMPARE(SubtitleStyles::described(dialog.styles()[0]), SubtitleStyles::described(kept));
        styleBox->setCurrentIndex(1);

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
        // Opacity is the inverse of the transparency, and a new colour keeps the transparency set before it.
        control<QSpinBox>(dialog, "spinBoxPA")->setValue(50);
        control<QSpinBox>(dialog, "spinBoxOA")->setValue(25);
        control<QSpinBox>(dialog, "spinBoxSA")->setValue(40);
        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(dialog, "colorPrimary"), QColor(255, 0, 0)));
        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(dialog, "colorShadow"), QColor(0, 85, 255)));
        QCOMPARE(control<QSpinBox>(dialog, "spinBoxPA")->value(), 50);
        // Every field, in the order SubtitleStyles::described lists them.
        QCOMPARE(SubtitleStyles::described(dialog.styles()[1]),
                 QStringLiteral("Edited|Arial|42|ff000080|ffff99|c0|55ff80|0|1|1|1|1|1|0|0|0|5|6|3|7|8|9|1"));
        QCOMPARE(SubtitleStyles::described(dialog.styles()[0]), SubtitleStyles::described(kept));
        control<QSpinBox>(dialog, "spinBoxPA")->setValue(0);
        QCOMPARE(dialog.styles()[1].PrimaryColour, 0xff0000ffu);

        // Add refuses taken and broken names, and the controls then write the new style alone;
        // Delete keeps the last style.
        auto *add = control<QToolButton>(dialog, "toolButtonAdd");
        auto *del = control<QToolButton>(dialog, "toolButtonDel");
        styleBox->setEditText(QStringLiteral("Kept"));
        add->click();
        QCOMPARE(dialog.styles().size(), 2);
        QVERIFY(!statusOf(dialog).isEmpty());
        for (const char *broken : {"", "  ", "Top, left"}) {
            styleBox->setEditText(QLatin1String(broken));
            add->click();
            QCOMPARE(dialog.styles().size(), 2);
        }
        styleBox->setEditText(QStringLiteral("Extra"));
        add->click();
        QCOMPARE(dialog.styles().size(), 3);
        QCOMPARE(styleBox->count(), 3);
        QCOMPARE(styleBox->currentIndex(), 2);
        QCOMPARE(dialog.styles()[2].Name, QStringLiteral("Extra"));
        QVERIFY(statusOf(dialog).isEmpty());
        control<QSpinBox>(dialog, "spinBoxLeft")->setValue(44);
        QCOMPARE(dialog.styles()[2].MarginL, 44);
        QCOMPARE(dialog.styles()[1].MarginL, 7);

        styleBox->setCurrentIndex(0);
        del->click();
        QCOMPARE(styleBox->count(), 2);
        QCOMPARE(styleBox->currentText(), dialog.styles()[styleBox->currentIndex()].Name);
        QCOMPARE(dialog.styles()[0].Name, QStringLiteral("Edited"));

        // A typed name that matches nothing deletes the first style; the last one stays.
        styleBox->setEditText(QStringLiteral("nothing"));
        del->click();
        QCOMPARE(dialog.styles()[0].Name, QStringLiteral("Extra"));
        del->click();
        QCOMPARE(dialog.styles().size(), 1);
        QVERIFY(!statusOf(dialog).isEmpty());
        control<QSpinBox>(dialog, "spinBoxRight")->setValue(3);
        QCOMPARE(dialog.styles()[0].MarginR, 3);
    }

    void styleFilesSaveAndOpen()
    {
        // An ASS file gives its styles in the file's order; saved and opened again, every field
        // of them stays.
        const QString ass = TestFiles::write(m_dir.filePath(QStringLiteral("three.ass")),
            "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\n"
            "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, "
            "Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, "
            "MarginL, MarginR, MarginV, Encoding\n"
            "Style: Über sign,Liberation Serif,26,&H44332211,&H88776655,&HCCBBAA99,&H10FFEEDD,0,-1,-1,0,150,80,1.5,"
            "12,3,2.5,1,8,11,12,13,0\n"
            "Style: Alpha,Arial,30,&H0000FF00,&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,2,2,4,10,10,10,1\n"
            "Style: Mid,Arial,40,&H00FF0000,&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,2,2,5,10,10,10,1\n"
            "\n[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
            "Dialogue: 0,0:00:00.00,0:00:01.00,Mid,,0,0,0,,hello\n");
        StyleDialog dialog;
        QVERIFY(dialog.openStyleFile(ass));
        SubtitleParser file;
        QVERIFY(file.read(ass));
        QCOMPARE(SubtitleStyles::described(dialog.styles()), SubtitleStyles::described(file.styles));
        QCOMPARE(control<QComboBox>(dialog, "comboBoxStyle")->currentText(), QStringLiteral("Über sign"));
        QVERIFY(control<QRadioButton>(dialog, "radioButton8")->isChecked());
        const QString path = m_dir.filePath(QStringLiteral("stilé, [1] 100%.sty"));
        QVERIFY(dialog.saveStyleFile(path));
        QVERIFY(!dialog.saveStyleFile(m_dir.filePath(QStringLiteral("missing/folder/x.sty"))));
        QVERIFY(!statusOf(dialog).isEmpty());

        StyleDialog reopened;
        QVERIFY(reopened.openStyleFile(path));
        QCOMPARE(SubtitleStyles::described(reopened.styles()), SubtitleStyles::described(dialog.styles()));
        QCOMPARE(control<QComboBox>(reopened, "comboBoxStyle")->currentIndex(), 0);
        QCOMPARE(control<QComboBox>(reopened, "comboBoxStyle")->count(), 3);

        // A file without styles, garbage or no file at all keeps the list, and the status names the file.
        const QString empty = TestFiles::write(m_dir.filePath(QStringLiteral("nostyles.ass")), TestFiles::emptyAss());
        QVERIFY(!reopened.openStyleFile(empty));
        QVERIFY(statusOf(reopened).contains(QStringLiteral("nostyles.ass")));
        const QString garbage = TestFiles::write(m_dir.filePath(QStringLiteral("garbage.ssa")),
                                                 QByteArray("\x00\xff\xfe[V4+ Styles]\nStyle: ,,\n\x01\x02", 28));
        QVERIFY(!reopened.openStyleFile(garbage));
        QVERIFY(!reopened.openStyleFile(m_dir.filePath(QStringLiteral("absent.sty"))));
        QVERIFY(statusOf(reopened).contains(QStringLiteral("absent.sty")));
        QCOMPARE(SubtitleStyles::described(reopened.styles()), SubtitleStyles::described(file.styles));
        QCOMPARE(control<QComboBox>(reopened, "comboBoxStyle")->count(), 3);
    }

    // The preview draws the style as it is edited; the style as the editor leaves it, with one
    // line using it, is what ffmpeg burns into a black frame.
    void editedStyleIsPreviewedAndBurned()
    {
        StyleDialog dialog;
        dialog.setStyles({SubtitleStyle()});
        dialog.resize(560, 660);
        auto *preview = control<StylePreview>(dialog, "widgetPreview");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const auto redPixels = [preview] { return TestPictures::countWhere(preview->image(), isRed); };
        QCOMPARE(preview->image().size(), preview->size());
        QCOMPARE(redPixels(), 0);
        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(dialog, "colorPrimary"), QColor(255, 0, 0)));
        control<QComboBox>(dialog, "comboBoxSize")->setEditText(QStringLiteral("20"));
        const int small = redPixels();
        QVERIFY2(small > 100, qPrintable(QString::number(small)));
        control<QComboBox>(dialog, "comboBoxSize")->setEditText(QStringLiteral("60"));
        QVERIFY2(redPixels() > small * 3, qPrintable(QStringLiteral("%1 %2").arg(redPixels()).arg(small)));
        control<QCheckBox>(dialog, "checkBoxBold")->setChecked(false);
        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(dialog, "colorOutline"), QColor(0, 0, 255)));
        control<QSpinBox>(dialog, "spinBoxOutline")->setValue(3);
        control<QSpinBox>(dialog, "spinBoxBack")->setValue(0);
        control<QRadioButton>(dialog, "radioButton5")->click();
        SubtitleParser document;
        QVERIFY(document.read(TestFiles::write(m_dir.filePath(QStringLiteral("hello.ass")), TestFiles::helloAss())));
        dialog.applyTo(document);
        const QString ass = m_dir.filePath(QStringLiteral("edited.ass"));
        QVERIFY(document.writeAss(ass));
        const QImage frame =
            TestMedia::frameOf(TestMedia::colourClip(QStringLiteral("black")), 1.0, QStringLiteral("ass=") + ass);
        QCOMPARE(frame.size(), QSize(320, 240));

        const int red = TestPictures::countWhere(frame, isRed);
        const int blue = TestPictures::countWhere(frame, [](const QColor &c) {
            return c.blue() > 190 && c.red() < 70 && c.green() < 70;
        });
        const QRect text = TestPictures::boundsWhere(frame, isRed);
        const QString measured = QStringLiteral("red %1, blue %2, text %3x%4 at %5,%6")
                                     .arg(red).arg(blue).arg(text.width()).arg(text.height())
                                     .arg(text.center().x()).arg(text.center().y());
        // "Hello" in size 60 stands about 36 pixels tall, in the default size a third of that;
        // alignment 5 is the middle.
        QVERIFY2(red > 500 && blue > 100, qPrintable(measured));
        QVERIFY2(text.height() >= 30 && text.height() <= 44, qPrintable(measured));
        QVERIFY2(qAbs(text.center().y() - 120) < 20 && qAbs(text.center().x() - 160) < 20, qPrintable(measured));
        control<QSpinBox>(dialog, "spinBoxPA")->setValue(0);
        QCOMPARE(redPixels(), 0);
    }
};

BRINDLE_TEST_MAIN(TestStyleDialog)
#include "test_styledialog.moc"
