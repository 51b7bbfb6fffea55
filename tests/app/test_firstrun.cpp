#include "modalwatch.h"
#include "app/mainwindow.h"
#include "app/middleelision.h"
#include "common/startup.h"
#include "jobs/conversionlistmodel.h"
#include "app/aboutdialog.h"
#include "app/mainoptionsdialog.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"
#include "testwidgets.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTranslator>
#include <QUrl>

#include <cmath>

namespace {
// Contrast ratio of two colours as accessibility guidelines define it (1 to 21).
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto channel = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
    };
    const double first = luminance(a) + 0.05;
    const double second = luminance(b) + 0.05;
    return std::max(first, second) / std::min(first, second);
}
}

// What a new user meets in the first minutes: tool tips, languages, files from a
// file manager, the log of a failed row, the output folder and the about box.
class TestFirstRun : public QObject
{
    Q_OBJECT
private slots:
    void toolTipsAndDisabledControlsAreReadable();
    void languagesAreNamedInTheirOwnTongue();
    void firstMinutesInTheWindow();
    void aboutLinksLeadToFilesThatShip();
};

// Disabled controls must also look unlike enabled ones.
void TestFirstRun::toolTipsAndDisabledControlsAreReadable()
{
    for (const QPalette &palette : {QApplication::palette(), QToolTip::palette()}) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const double ratio = contrast(palette.color(group, QPalette::ToolTipText),
                                          palette.color(group, QPalette::ToolTipBase));
            QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
        }
    }
    const QPalette palette = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        const QColor disabled = palette.color(QPalette::Disabled, role);
        QVERIFY2(qAbs(palette.color(QPalette::Active, role).lightness() - disabled.lightness()) >= 80,
                 qPrintable(QString::number(role)));
        QVERIFY(contrast(disabled, palette.color(QPalette::Disabled, QPalette::Window)) >= 2.0);
    }
}

void TestFirstRun::languagesAreNamedInTheirOwnTongue()
{
    // Even in another language, everyone finds their own again: the names do not change.
    ConfigSystem settings;
    const auto names = [&settings] {
        MainOptionsDialog dialog;
        dialog.setSettings(&settings);
        return TestWidgets::itemsOf(dialog.findChild<QComboBox *>(QStringLiteral("comboBoxLanguage")));
    };
    const QStringList own = names();
    QTranslator russian;
    QVERIFY(Startup::installTranslation(russian, 7));
    QVERIFY(own.contains(QStringLiteral("Русский")) && own.size() == 9);
    QCOMPARE(names(), own);
    QCoreApplication::removeTranslator(&russian);
}

// One window through the first minutes: files from a file manager, a long output folder, the
// format list's pop-up and the whole log of a failed row.
void TestFirstRun::firstMinutesInTheWindow()
{
    const QString clip = TestMedia::clip(1.0);
    QTemporaryDir dir;
    const QString named = dir.filePath(QStringLiteral("named, [one] 100%.mp4"));
    const QString inFolder = dir.filePath(QStringLiteral("folder/in folder.mkv"));
    const QString asUrl = dir.filePath(QStringLiteral("as url é.mp4"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder")));
    for (const QString &path : {named, inFolder, asUrl})
        QVERIFY(QFile::copy(clip, path));
    QVERIFY(!TestFiles::write(dir.filePath(QStringLiteral("folder/notes.txt")), "notes").isEmpty());

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.addCommandLineFiles({QDir::current().relativeFilePath(named), dir.filePath(QStringLiteral("folder")),
                                QUrl::fromLocalFile(asUrl).toString(), dir.filePath(QStringLiteral("gone.mp4"))});
    ConversionListModel *list = window.conversionList();
    QCOMPARE(list->count(), 3);
    QCOMPARE(QStringList({list->path(list->idAt(0)), list->path(list->idAt(1)), list->path(list->idAt(2))}),
             QStringList({named, inFolder, asUrl}));
    const QString told = window.statusBar()->currentMessage();
    QVERIFY2(told.contains(QStringLiteral("gone.mp4")), qPrintable(told));
    window.addCommandLineFiles({});
    QCOMPARE(list->count(), 3);

    // A long output folder keeps both ends in view, whole in its tool tip.
    auto *edit = window.findChild<QLineEdit *>(QStringLiteral("lineEditOutput"));
    auto *elision = edit->findChild<MiddleElision *>();
    QVERIFY(elision);
    const QString path = QStringLiteral("/home/somebody/") + QStringLiteral("a rather long folder name/").repeated(8)
                         + QStringLiteral("Finished videos");
    edit->setText(path);
    window.setFocus();
    QVERIFY(edit->text() == path && edit->toolTip() == path);
    const QString shown = elision->shownText();
    QVERIFY2(shown.contains(QChar(0x2026)) && shown.startsWith(QStringLiteral("/home"))
                 && shown.endsWith(QStringLiteral("Finished videos")),
             qPrintable(shown));
    QVERIFY(edit->fontMetrics().horizontalAdvance(shown) <= edit->width());
    edit->setText(QStringLiteral("/srv/out"));
    QVERIFY(elision->shownText() == QStringLiteral("/srv/out") && edit->toolTip() == QStringLiteral("/srv/out"));

    auto *formats = window.findChild<QComboBox *>(QStringLiteral("comboBoxFormat"));
    for (int index : {0, 9}) {
        formats->setCurrentIndex(index);
        formats->showPopup();
        QWidget *popup = formats->view()->window();
        QTRY_VERIFY(popup->isVisible());
        QVERIFY2(QRect(window.mapToGlobal(QPoint(0, 0)), window.size()).contains(popup->geometry()),
                 "the format list leaves the window");
        formats->hidePopup();
    }

    QStringList lines;
    for (int i = 1; i <= 120; ++i)
        lines << QStringLiteral("line %1 of what the engine said").arg(i);
    const QString log = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    list->setOutcome(list->idAt(1), RowState::Failed, log);
    auto *table = window.findChild<QTableView *>(QStringLiteral("tableWidget"));
    auto *showLog = window.findChild<QAction *>(QStringLiteral("actionShowLog"));
    // Only a row with a log offers to show it.
    for (int row : {0, 1}) {
        table->selectRow(row);
        QMetaObject::invokeMethod(&window, "on_tableWidget_customContextMenuRequested", Q_ARG(QPoint, QPoint()));
        QCOMPARE(showLog->isEnabled(), row == 1);
        for (QWidget *popup = QApplication::activePopupWidget(); popup; popup = QApplication::activePopupWidget())
            popup->close();
    }
    QString copied;
    bool selectable = false;
    QSize grown;
    ModalWatch answer({[&](QWidget *modal) {
        auto *text = modal->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEditLog"));
        selectable = text->toPlainText() == log && text->textInteractionFlags().testFlag(Qt::TextSelectableByMouse)
                     && text->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard);
        modal->findChild<QPushButton *>(QStringLiteral("pushButtonCopyAll"))->click();
        copied = QApplication::clipboard()->text();
        modal->resize(modal->width() + 200, modal->height() + 150);
        grown = modal->size();
        modal->close();
    }});
    showLog->trigger();
    QVERIFY(selectable);
    QCOMPARE(copied, log);
    QVERIFY2(grown.width() >= 920 && grown.height() >= 570, "the log window does not grow");
}

void TestFirstRun::aboutLinksLeadToFilesThatShip()
{
    AboutDialog dialog;
    dialog.show();
    int links = 0;
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        const QRegularExpressionMatch href = QRegularExpression(QStringLiteral("href=\"([^\"]+)\"")).match(label->text());
        if (!href.hasMatch())
            continue;
        QVERIFY2(label->isVisible(), qPrintable(label->objectName()));
        const QUrl url(href.captured(1));
        QVERIFY2(url.isLocalFile() && QFile::exists(url.toLocalFile()), qPrintable(url.toString()));
        ++links;
    }
    QCOMPARE(links, 1);
}

BRINDLE_TEST_MAIN(TestFirstRun)
#include "test_firstrun.moc"
