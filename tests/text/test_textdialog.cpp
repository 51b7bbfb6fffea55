#include "testfiles.h"
#include "testpictures.h"
#include "testprofile.h"
#include "testwidgets.h"

#include "common/qcolorcombox.h"
#include "text/cfqwidget.h"
#include "text/vfunctexteffectpage.h"
#include "text/vfunctextpage.h"
#include "text/vsliderspinbox.h"
#include "text/vtextpropsheetdialog.h"
#include "text/vwordartpreview.h"
#include "text/wordartpresets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <memory>

Q_DECLARE_METATYPE(CWordArtInfo *)

namespace {

bool isWhite(const QColor &c)
{
    return c.red() > 230 && c.green() > 230 && c.blue() > 230 && c.alpha() > 230;
}

bool isRed(const QColor &c)
{
    return c.red() > 200 && c.green() < 60 && c.blue() < 60 && c.alpha() > 200;
}

}

// The "Text Options" dialog: its pages and menus change the record the way the user
// means, and the record then draws what the controls showed.
class TestTextDialog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    template <typename T>
    static T *control(QWidget *dialog, const char *name)
    {
        T *found = dialog->findChild<T *>(QLatin1String(name));
        if (!found) {
            // Menu widgets live in their pop-up menus, which belong to the buttons.
            for (QWidget *top : QApplication::allWidgets())
                if (top->objectName() == QLatin1String(name) && qobject_cast<T *>(top))
                    return qobject_cast<T *>(top);
        }
        return found;
    }

    static QImage rendered(const VTextPropSheetDialog &dialog)
    {
        CWordArtInfo copy = dialog.wordArtInfo();
        QImage image;
        copy.render(image);
        return image;
    }

    // A plain white text so that effects stand out in the picture.
    static void startPlain(VTextPropSheetDialog &dialog)
    {
        CWordArtInfo info = VTextPropSheetDialog::defaultWordArt();
        info.Text = QStringLiteral("HI");
        info.Font = QFont(QStringLiteral("Liberation Sans"));
        info.Font.setPixelSize(60);
        info.FontSize = 60;
        info.TextEffect = CWordArtInfo::NoOutline;
        dialog.setWordArtInfo(info);
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<CWordArtInfo *>();
    }

    void anExistingTextIsShownEditedAndReadBack()
    {
        CWordArtInfo info;
        info.Text = QStringLiteral("Line one\nLine two");
        info.Font = QFont(QStringLiteral("Liberation Serif"));
        info.Font.setPixelSize(30);
        info.Font.setItalic(true);
        info.TextEffect = CWordArtInfo::DoubleOutline;
        VTextPropSheetDialog dialog(info);
        QCOMPARE(control<QTextEdit>(&dialog, "textEdit")->toPlainText(), info.Text);
        QVERIFY(control<QPushButton>(&dialog, "buttonItalic")->isChecked());
        QCOMPARE(control<QComboBox>(&dialog, "comboBoxEffect")->currentIndex(), 3);
        control<QTextEdit>(&dialog, "textEdit")->setPlainText(QStringLiteral("Changed"));
        QCOMPARE(dialog.wordArtInfo().Text, QStringLiteral("Changed"));
        auto *ok = control<QPushButton>(&dialog, "buttonOk");
        QVERIFY(ok->isEnabled());
        control<QTextEdit>(&dialog, "textEdit")->setPlainText(QStringLiteral(" \n "));
        QVERIFY(!ok->isEnabled());
        dialog.setText(QStringLiteral("Back"));
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog.wordArtInfo().Text, QStringLiteral("Back"));
        QCOMPARE(dialog.wordArtInfo().Font.family(), QStringLiteral("Liberation Serif"));

        // The text page sets the size, the weight, underline and the font, each leaving the others.
        auto *size = control<QComboBox>(&dialog, "comboBoxSize");
        const QValidator *validator = size->validator();
        QVERIFY(validator);
        for (const char *bad : {"0", "-3", "abc", "12px", "07"}) {
            QString text = QLatin1String(bad);
            int position = 0;
            QCOMPARE(validator->validate(text, position), QValidator::Invalid);
        }
        size->setEditText(QStringLiteral("72"));
        QCOMPARE(dialog.wordArtInfo().FontSize, 72);
        QCOMPARE(dialog.wordArtInfo().Font.pixelSize(), 72);
        QVERIFY(dialog.wordArtInfo().Font.italic());
        auto *bold = control<QPushButton>(&dialog, "buttonBold");
        const int weight = dialog.wordArtInfo().Font.weight();
        bold->click();
        QCOMPARE(dialog.wordArtInfo().Font.weight(), weight < 58 ? 75 : 50);
        bold->click();
        QCOMPARE(dialog.wordArtInfo().Font.weight(), weight < 58 ? 50 : 75);
        control<QPushButton>(&dialog, "buttonUnderline")->click();
        QVERIFY(dialog.wordArtInfo().Font.underline());
        control<QFontComboBox>(&dialog, "fontComboBox")->setCurrentFont(QFont(QStringLiteral("DejaVu Sans")));
        QCOMPARE(dialog.wordArtInfo().Font.family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(dialog.wordArtInfo().Font.pixelSize(), 72);
        QVERIFY(dialog.wordArtInfo().Font.underline());
    }

    void slidersAreBatchedColoursSentAtOnceAndEffectsShowTheirMenus()
    {
        VTextPropSheetDialog dialog;
        QSignalSpy updates(&dialog, &VTextPropSheetDialog::sigUpdateText);
        auto *effectPage = dialog.effectPage();
        auto *outline = control<VSliderSpinBox>(&dialog, "outlineThickness1");
        auto *menu = qobject_cast<CFQWidget *>(outline->parentWidget()->parentWidget());
        QVERIFY(menu);
        const QList<QTimer *> timers = menu->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(timers.size(), 1);
        QVERIFY(timers.first()->isActive());

        outline->setValue(20);
        outline->setValue(21);
        QCOMPARE(dialog.wordArtInfo().OutlineThickness1, 21);
        QCOMPARE(updates.count(), 0);
        QVERIFY(menu->isChanged());
        QMetaObject::invokeMethod(menu, "onTick");
        QCOMPARE(updates.count(), 1);
        QCOMPARE(updates.first().first().value<CWordArtInfo *>(), &dialog.wordArtInfo());
        QMetaObject::invokeMethod(menu, "onTick");
        QCOMPARE(updates.count(), 1);

        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(&dialog, "outlineColor1"), QColor(255, 0, 0)));
        QCOMPARE(updates.count(), 2);
        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(&dialog, "textColor"), QColor(0, 0, 255)));
        QCOMPARE(updates.count(), 3);
        control<QCheckBox>(&dialog, "checkBoxGradient")->setChecked(true);
        QCOMPARE(updates.count(), 4);
        control<QComboBox>(&dialog, "comboBoxSize")->setEditText(QStringLiteral("72"));
        QCOMPARE(updates.count(), 5);
        QVERIFY(effectPage->presetCount() > 0);
        effectPage->applyPreset(0);
        QCOMPARE(updates.count(), 6);
        control<QTextEdit>(&dialog, "textEdit")->setPlainText(QStringLiteral("typed"));
        QCOMPARE(updates.count(), 6);
        QVERIFY(dialog.textPage()->isChanged());

        // Each item of the effect box stands for its code and shows the outline menu it needs.
        auto *effect = control<QComboBox>(&dialog, "comboBoxEffect");
        auto *outlineButton = control<QPushButton>(&dialog, "buttonOutline");
        auto *first = control<QColorCombox>(&dialog, "outlineColor1");
        auto *second = control<QColorCombox>(&dialog, "outlineColor2");
        struct Case {
            int item, code;
            bool button, first, second;
        };
        for (const Case &c : {Case{0, 0, true, true, false}, Case{1, 4, false, false, false}, Case{2, 1, true, true, false},
                              Case{3, 2, true, true, true}, Case{4, 3, true, true, true}}) {
            effect->setCurrentIndex(c.item);
            QCOMPARE(dialog.wordArtInfo().TextEffect, c.code);
            QCOMPARE(!outlineButton->isHidden(), c.button);
            QCOMPARE(first->isEnabled(), c.first);
            QCOMPARE(second->isEnabled(), c.second);
        }
        CWordArtInfo outlineOnly = dialog.wordArtInfo();
        for (int code : {5, 6}) {
            outlineOnly.TextEffect = code;
            dialog.setWordArtInfo(outlineOnly);
            QCOMPARE(effect->currentIndex(), -1);
            QCOMPARE(dialog.wordArtInfo().TextEffect, code);
        }
    }

    // The outline chosen in its menu is drawn around the glyphs. Shadow, background and gradient
    // each wait for their check box, and draw what their menu says.
    void menusDrawWhatTheyShow()
    {
        VTextPropSheetDialog dialog;
        startPlain(dialog);
        control<QComboBox>(&dialog, "comboBoxEffect")->setCurrentIndex(2);
        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(&dialog, "outlineColor1"), QColor(255, 0, 0)));
        control<VSliderSpinBox>(&dialog, "outlineThickness1")->setValue(10);
        control<VSliderSpinBox>(&dialog, "outlineAlpha1")->setValue(50);
        QCOMPARE(dialog.wordArtInfo().OutlineAlpha1, 128);
        control<VSliderSpinBox>(&dialog, "outlineAlpha1")->setValue(100);
        QImage image = rendered(dialog);
        // The glyphs stay white inside, the stroke is red and lies outside them.
        QRect white = TestPictures::boundsWhere(image, isWhite);
        const QRect red = TestPictures::boundsWhere(image, isRed);
        QVERIFY(!white.isEmpty() && !red.isEmpty());
        QVERIFY2(red.left() <= white.left() - 3 && red.right() >= white.right() + 3,
                 qPrintable(QStringLiteral("red %1..%2 white %3..%4")
                                .arg(red.left()).arg(red.right()).arg(white.left()).arg(white.right())));
        const int row = white.center().y();
        int x = 0;
        while (x < image.width() && image.pixelColor(x, row).alpha() == 0)
            ++x;
        QVERIFY(isRed(image.pixelColor(x + 1, row)));

        startPlain(dialog);
        const auto unlocks = [&dialog](const char *check, const char *colour) {
            auto *box = control<QColorCombox>(&dialog, colour);
            const bool locked = !box->isEnabled();
            control<QCheckBox>(&dialog, check)->setChecked(true);
            return locked && box->isEnabled();
        };
        QVERIFY(unlocks("enableShadow", "shadowColor"));
        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(&dialog, "shadowColor"), QColor(0, 0, 255)));
        control<VSliderSpinBox>(&dialog, "shadowThickness")->setValue(0);
        control<VSliderSpinBox>(&dialog, "shadowAlpha")->setValue(50);
        control<VSliderSpinBox>(&dialog, "shadowX")->setValue(8);
        control<VSliderSpinBox>(&dialog, "shadowY")->setValue(6);
        QCOMPARE(dialog.wordArtInfo().ShadowAlpha, 128);
        image = rendered(dialog);
        white = TestPictures::boundsWhere(image, isWhite);
        const auto isShadow = [](const QColor &c) {
            return c.blue() > 200 && c.red() < 40 && c.green() < 40 && c.alpha() > 0;
        };
        const QRect shadow = TestPictures::boundsWhere(image, isShadow);
        QVERIFY(!white.isEmpty() && !shadow.isEmpty());
        QVERIFY2(qAbs(shadow.right() - white.right() - 8) <= 1 && qAbs(shadow.bottom() - white.bottom() - 6) <= 1,
                 qPrintable(QStringLiteral("shadow %1,%2 text %3,%4")
                                .arg(shadow.right()).arg(shadow.bottom()).arg(white.right()).arg(white.bottom())));
        // Inside the shifted glyphs the shadow carries its own alpha, not full opacity.
        const QColor inside = image.pixelColor(shadow.right() - 3, shadow.bottom() - 3);
        QVERIFY2(isShadow(inside) && qAbs(inside.alpha() - 128) <= 12, qPrintable(inside.name(QColor::HexArgb)));

        // The background box adds its thickness all round, in its own colour and alpha.
        startPlain(dialog);
        const QSize plain = rendered(dialog).size();
        QVERIFY(unlocks("enableBackground", "backgroundColor"));
        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(&dialog, "backgroundColor"), QColor(0, 255, 0)));
        control<VSliderSpinBox>(&dialog, "backgroundAlpha")->setValue(40);
        control<VSliderSpinBox>(&dialog, "backgroundThickness")->setValue(12);
        control<VSliderSpinBox>(&dialog, "backgroundRound")->setValue(0);
        const QImage square = rendered(dialog);
        const QColor box(0, 255, 0, 102);
        QCOMPARE(square.size(), plain + QSize(24, 24));
        QCOMPARE(square.pixelColor(0, 0), box);
        control<VSliderSpinBox>(&dialog, "backgroundRound")->setValue(20);
        const QImage rounded = rendered(dialog);
        QCOMPARE(rounded.size(), square.size());
        QCOMPARE(rounded.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(rounded.pixelColor(rounded.width() - 1, rounded.height() - 1).alpha(), 0);
        QCOMPARE(rounded.pixelColor(rounded.width() / 2, 0), box);
        QCOMPARE(rounded.pixelColor(0, rounded.height() / 2), box);

        startPlain(dialog);
        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(&dialog, "textColor"), QColor(255, 0, 0)));
        QVERIFY(unlocks("checkBoxGradient", "gradientColor"));
        QVERIFY(TestWidgets::choosePaletteColour(control<QColorCombox>(&dialog, "gradientColor"), QColor(0, 0, 255)));
        image = rendered(dialog);
        const QRect drawn = TestPictures::boundsWhere(image, [](const QColor &c) { return c.alpha() == 255; });
        const QColor top = image.pixelColor(drawn.left() + 3, drawn.top() + 2);
        const QColor bottom = image.pixelColor(drawn.left() + 3, drawn.bottom() - 2);
        QVERIFY2(top.red() > top.blue() && bottom.blue() > bottom.red(),
                 qPrintable(top.name() + QLatin1Char(' ') + bottom.name()));
    }

    // Edits made while a drawing runs end with the latest record on screen. Closing the dialog in
    // the middle of a wide glow waits for that drawing: a drawing left running would outlive the
    // program's own teardown.
    void previewFollowsTheEditsAndEndsWithTheDialog()
    {
        auto dialog = std::make_unique<VTextPropSheetDialog>();
        VWordArtPreview *preview = dialog->preview();
        QTRY_VERIFY(!preview->isDrawing() && !preview->image().isNull());
        const QSize before = preview->image().size();
        QSignalSpy drawn(preview, &VWordArtPreview::sigDrawn);
        control<QComboBox>(dialog.get(), "comboBoxSize")->setEditText(QStringLiteral("80"));
        QTest::qWait(60);
        control<VSliderSpinBox>(dialog.get(), "outlineThickness1")->setValue(30);
        QTest::qWait(60);
        control<VSliderSpinBox>(dialog.get(), "outlineThickness1")->setValue(40);
        const QSize expected = rendered(*dialog).size();
        QVERIFY(expected.height() > before.height() * 3 / 2);
        QTRY_VERIFY_WITH_TIMEOUT(drawn.count() > 0 && !preview->isDrawing(), 60000);
        QTRY_COMPARE_WITH_TIMEOUT(preview->image().size(), expected, 60000);

        control<QComboBox>(dialog.get(), "comboBoxSize")->setEditText(QStringLiteral("120"));
        QTRY_VERIFY(preview->isDrawing());
        const QList<QThread *> drawings = preview->findChildren<QThread *>();
        QCOMPARE(drawings.size(), 1);
        const QPointer<QThread> drawing = drawings.first();
        dialog.reset();
        QVERIFY(drawing.isNull());
    }

    void presetsGetThumbnailsAndKeepTheUsersText()
    {
        VTextPropSheetDialog dialog;
        VFuncTextEffectPage *page = dialog.effectPage();
        auto *list = control<QListWidget>(&dialog, "listWidgetPresets");
        // Every shipped preset draws its thumbnail.
        QCOMPARE(page->presetCount(), 12);
        QCOMPARE(list->count(), page->presetCount());
        for (int i = 0; i < list->count(); ++i) {
            const QImage thumbnail = list->item(i)->icon().pixmap(64, 64).toImage();
            QVERIFY2(TestPictures::countWhere(thumbnail, [](const QColor &c) { return c.alpha() > 0; }) > 200,
                     qPrintable(list->item(i)->toolTip()));
        }

        CWordArtInfo mine = dialog.wordArtInfo();
        mine.Text = QStringLiteral("My own words");
        mine.Font = QFont(QStringLiteral("Liberation Serif"));
        mine.Font.setPixelSize(33);
        mine.FontSize = 33;
        mine.BackgroundColor = QColor(1, 2, 3);
        mine.BackgroundAlpha = 77;
        mine.BackgroundThickness = 5;
        mine.BackgroundRound = 9;
        dialog.setWordArtInfo(mine);
        const QString presets = TestFiles::write(m_dir.filePath(QStringLiteral("presets.xml")),
            "<WordArts><WordArt><Name>Red</Name><TextEffect>1</TextEffect><TextColor>FFFF0000</TextColor>"
            "<OutlineColor1>FF0000FF</OutlineColor1><OutlineThickness1>6</OutlineThickness1>"
            "<EnableShadow>1</EnableShadow><ShadowX>3</ShadowX><EnableBackground>1</EnableBackground>"
            "</WordArt></WordArts>");
        page->loadPresets(presets);
        QCOMPARE(list->count(), 1);
        list->setCurrentRow(0);
        emit list->itemClicked(list->item(0));
        const CWordArtInfo &styled = dialog.wordArtInfo();
        QCOMPARE(styled.Text, mine.Text);
        QCOMPARE(styled.Font, mine.Font);
        QCOMPARE(styled.FontSize, 33);
        QCOMPARE(styled.BackgroundColor, mine.BackgroundColor);
        QCOMPARE(styled.BackgroundAlpha, 77);
        QCOMPARE(styled.BackgroundThickness, 5);
        QCOMPARE(styled.BackgroundRound, 9);
        QCOMPARE(styled.TextEffect, int(CWordArtInfo::SingleOutline));
        QCOMPARE(styled.TextColor, QColor(255, 0, 0));
        QVERIFY(styled.EnableBackground);
        // The controls show the preset's look, the text field the user's words.
        QCOMPARE(control<QComboBox>(&dialog, "comboBoxEffect")->currentIndex(), 2);
        QCOMPARE(control<VSliderSpinBox>(&dialog, "outlineThickness1")->value(), 6);
        QVERIFY(control<QCheckBox>(&dialog, "enableShadow")->isChecked());
        QCOMPARE(control<QTextEdit>(&dialog, "textEdit")->toPlainText(), mine.Text);

        // A presets file that is gone leaves no presets, and the dialog working.
        page->loadPresets(m_dir.filePath(QStringLiteral("absent.xml")));
        QCOMPARE(page->presetCount(), 0);
        page->applyPreset(0);
        QCOMPARE(dialog.wordArtInfo().TextEffect, int(CWordArtInfo::SingleOutline));
    }
};

BRINDLE_TEST_MAIN(TestTextDialog)
#include "test_textdialog.moc"
