#include "modalwatch.h"
#include "app/logdialog.h"
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
    void commandLineFilesArriveInTheList();
    void failedRowShowsItsWholeLog();
    void longOutputFolderKeepsBothEndsInView();
    void formatListStaysInsideTheWindow();
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
    // Even in another language, everyone finds their own again.
    QTranslator russian;
    QVERIFY(Startup::installTranslation(russian, 7));
    ConfigSystem settings;
    MainOptionsDialog dialog;
    dialog.setSettings(&settings);
    const QStringList names = TestWidgets::itemsOf(dialog.findChild<QComboBox *>(QStringLiteral("comboBoxLanguage")));
    QCoreApplication::removeTranslator(&russian);
    QCOMPARE(names, QStringList({QStringLiteral("简体中文"), QStringLiteral("English"), QStringLiteral("Français"),
                                 QStringLiteral("Deutsch"), QStringLiteral("Italiano"), QStringLiteral("日本語"),
                                 QStringLiteral("Português (Brasil)"), QStringLiteral("Русский"),
                                 QStringLiteral("Español")}));
}

void TestFirstRun::commandLineFilesArriveInTheList()
{
    const QString clip = TestMedia::clip(1.0);
    QVERIFY(!clip.isEmpty());
    QTemporaryDir dir;
    const QString named = dir.filePath(QStringLiteral("named, [one] 100%.mp4"));
    QVERIFY(QFile::copy(clip, named));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder")));
    const QString inFolder = dir.filePath(QStringLiteral("folder/in folder.mkv"));
    QVERIFY(QFile::copy(clip, inFolder));
    QVERIFY(!TestFiles::write(dir.filePath(QStringLiteral("folder/notes.txt")), "notes").isEmpty());
    const QString asUrl = dir.filePath(QStringLiteral("as url é.mp4"));
    QVERIFY(QFile::copy(clip, asUrl));

    MainWindow window;
    const QString relative = QDir::current().relativeFilePath(named);
    window.addCommandLineFiles({relative, dir.filePath(QStringLiteral("folder")),
                                QUrl::fromLocalFile(asUrl).toString(), dir.filePath(QStringLiteral("gone.mp4"))});
    ConversionListModel *list = window.conversionList();
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->path(list->idAt(0)), named);
    QCOMPARE(list->path(list->idAt(1)), inFolder);
    QCOMPARE(list->path(list->idAt(2)), asUrl);
    QVERIFY2(window.statusBar()->currentMessage().contains(QStringLiteral("gone.mp4")),
             qPrintable(window.statusBar()->currentMessage()));

    window.addCommandLineFiles({});
    QCOMPARE(list->count(), 3);
}

void TestFirstRun::failedRowShowsItsWholeLog()
{
    MainWindow window;
    window.show();
    const QList<quint64> ids = window.addFiles({"/nowhere/clip.mp4", "/nowhere/other.mp4"});
    QStringList lines;
    for (int i = 1; i <= 120; ++i)
        lines << QStringLiteral("line %1 of what the engine said").arg(i);
    const QString log = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    window.conversionList()->setOutcome(ids[0], RowState::Failed, log);

    auto *table = window.findChild<QTableView *>(QStringLiteral("tableWidget"));
    auto *showLog = window.findChild<QAction *>(QStringLiteral("actionShowLog"));
    QVERIFY(showLog);

    // Only a row with a log offers to show it.
    for (int row : {1, 0}) {
        table->selectRow(row);
        QMetaObject::invokeMethod(&window, "on_tableWidget_customContextMenuRequested", Q_ARG(QPoint, QPoint()));
        QCOMPARE(showLog->isEnabled(), row == 0);
        for (QWidget *popup = QApplication::activePopupWidget(); popup; popup = QApplication::activePopupWidget())
            popup->close();
    }

    QString shown;
    QString copied;
    bool selectable = false;
    QSize grown;
    ModalWatch answer({[&](QWidget *modal) {
        auto *dialog = qobject_cast<LogDialog *>(modal);
        QVERIFY(dialog);
        auto *text = dialog->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEditLog"));
        shown = text->toPlainText();
        selectable = text->textInteractionFlags().testFlag(Qt::TextSelectableByMouse)
                     && text->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard);
        dialog->findChild<QPushButton *>(QStringLiteral("pushButtonCopyAll"))->click();
        copied = QApplication::clipboard()->text();
        dialog->resize(dialog->width() + 200, dialog->height() + 150);
        grown = dialog->size();
        modal->close();
    }});
    showLog->trigger();
    QCOMPARE(shown, log);
    QVERIFY(selectable);
    QCOMPARE(copied, shown);
    QVERIFY2(grown.width() >= 920 && grown.height() >= 570, qPrintable(QStringLiteral("%1x%2").arg(grown.width()).arg(grown.height())));
}

void TestFirstRun::longOutputFolderKeepsBothEndsInView()
{
    MainWindow window;
    window.show();
    auto *edit = window.findChild<QLineEdit *>(QStringLiteral("lineEditOutput"));
    auto *elision = edit->findChild<MiddleElision *>();
    QVERIFY(elision);
    const QString path = QStringLiteral("/home/somebody/") + QStringLiteral("a rather long folder name/").repeated(8)
                         + QStringLiteral("Finished videos");
    edit->setText(path);
    window.setFocus();
    QCOMPARE(edit->text(), path);
    QCOMPARE(edit->toolTip(), path);
    const QString shown = elision->shownText();
    QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
    QVERIFY2(shown.startsWith(QStringLiteral("/home")) && shown.endsWith(QStringLiteral("Finished videos")),
             qPrintable(shown));
    QVERIFY(edit->fontMetrics().horizontalAdvance(shown) <= edit->width());

    edit->setText(QStringLiteral("/tmp/out"));
    QCOMPARE(elision->shownText(), QStringLiteral("/tmp/out"));
    QCOMPARE(edit->toolTip(), QStringLiteral("/tmp/out"));
}

void TestFirstRun::formatListStaysInsideTheWindow()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *formats = window.findChild<QComboBox *>(QStringLiteral("comboBoxFormat"));
    for (int index : {0, 9}) {
        formats->setCurrentIndex(index);
        formats->showPopup();
        QWidget *list = formats->view()->window();
        QTRY_VERIFY(list->isVisible());
        const QRect windowArea(window.mapToGlobal(QPoint(0, 0)), window.size());
        QVERIFY2(windowArea.contains(list->geometry()),
                 qPrintable(QStringLiteral("list %1,%2 %3x%4 outside the window")
                                .arg(list->x()).arg(list->y()).arg(list->width()).arg(list->height())));
        formats->hidePopup();
    }
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
