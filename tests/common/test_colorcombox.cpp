#include "modalwatch.h"
#include "testprofile.h"

#include "common/qcolorcombox.h"

#include <QAction>
#include <QColorDialog>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

// The colour picker button: its palette, "Automatic", "Other" and the painted bar.
class TestColorCombox : public QObject
{
    Q_OBJECT

private:
    static QAction *actionFor(QColorCombox &box, const QColor &color)
    {
        for (QAction *action : box.findChildren<QAction *>())
            if (action->data().userType() == QMetaType::QColor && action->data().value<QColor>() == color
                && action->data().value<QColor>().alpha() == color.alpha())
                return action;
        return nullptr;
    }

    static QToolButton *buttonWithText(QColorCombox &box, const QString &text)
    {
        for (QToolButton *button : box.findChildren<QToolButton *>())
            if (button->text() == text)
                return button;
        return nullptr;
    }

private slots:
    void choosingAColourMakesItCurrentAndAnnouncesIt()
    {
        QColorCombox box;
        QSignalSpy changes(&box, &QColorCombox::sigColorChanged);
        box.setColor(QColor(1, 2, 3));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(box.color(), QColor(1, 2, 3));

        actionFor(box, QColor(255, 0, 0))->trigger();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.last().first().value<QColor>(), QColor(255, 0, 0));
        QCOMPARE(box.color(), QColor(255, 0, 0));

        QAction *automatic = actionFor(box, QColor(0, 0, 0, 0));
        QVERIFY(automatic);
        automatic->trigger();
        QCOMPARE(changes.count(), 2);
        QCOMPARE(box.color().alpha(), 0);
    }

    void otherAsksTheColourDialog()
    {
        QColorCombox box;
        QSignalSpy changes(&box, &QColorCombox::sigColorChanged);
        QToolButton *other = buttonWithText(box, QStringLiteral("Other"));
        QVERIFY(other);
        {
            ModalWatch pick({[](QWidget *modal) {
                auto *dialog = qobject_cast<QColorDialog *>(modal);
                QVERIFY(dialog);
                dialog->setCurrentColor(QColor(12, 34, 56));
                dialog->accept();
            }});
            other->click();
        }
        QCOMPARE(changes.count(), 1);
        QCOMPARE(box.color(), QColor(12, 34, 56));
        {
            ModalWatch cancel({ModalWatch::reject()});
            other->click();
        }
        QCOMPARE(changes.count(), 1);
        QCOMPARE(box.color(), QColor(12, 34, 56));
    }

    void leftPressOpensThePalette()
    {
        QColorCombox box;
        box.resize(100, 30);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QWidget *opened = nullptr;
        QTimer::singleShot(0, [&opened] {
            opened = QApplication::activePopupWidget();
            if (opened)
                opened->close();
        });
        QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
        QVERIFY(qobject_cast<QMenu *>(opened));
    }

    void currentColourIsPaintedAsABar()
    {
        QColorCombox box;
        box.resize(100, 30);
        box.setColor(QColor(0, 170, 255));
        const QImage painted = box.grab().toImage();
        QCOMPARE(painted.pixelColor(10, 15), QColor(0, 170, 255));
        QCOMPARE(painted.pixelColor(40, 4), QColor(0, 170, 255));
        QVERIFY(painted.pixelColor(40, 1) != QColor(0, 170, 255));
        QVERIFY(painted.pixelColor(2, 15) != QColor(0, 170, 255));
    }
};

BRINDLE_TEST_MAIN(TestColorCombox)
#include "test_colorcombox.moc"
