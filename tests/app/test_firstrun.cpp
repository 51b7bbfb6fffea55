#include "modalwatch.h"
#include "app/mainwindow.h"
#include "app/middleelision.h"
#include "common/startup.h"
#include "jobs/conversionlistmodel.h"
#include "app/aboutdialog.h"
#include "app/mainoptionsdialog.h"
#include "app/mediadialog.h"
#include "settings/configformat.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"
#include "testwidgets.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
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

// What a new user meets in the first minutes: tool tips, languages, files from a file manager,
// the log of a failed row, the output folder, the about box, a file's report, and the settings
// that a quit keeps and a change of language asks about.
class TestFirstRun : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void toolTipsAndDisabledControlsAreReadable();
    void languagesAreNamedInTheirOwnTongue();
    void firstMinutesInTheWindow();
    void aboutLinksLeadToFilesThatShip();
    void reportsContainerAndStreams_data();
    void reportsContainerAndStreams();
    void quitSavesSettingsAndEndsWithZero();

private:
    QTemporaryDir m_dir;
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

void TestFirstRun::reportsContainerAndStreams_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("video with sound") << TestMedia::clip(2.0)
                                      << QStringList{"Format  mov,mp4", "Bit rate  ", "Video", "Codec H264",
                                                     "Frame Rate  25fps", "Size  320 x 240", "Audio", "Codec AAC",
                                                     "Sample Rate  44100 Hz", "Channels  1"};
    // A file without pictures keeps the video lines, empty.
    QTest::newRow("sound alone") << TestMedia::make(QStringLiteral("tone-1s.wav"),
                                                    {"-f", "lavfi", "-i", "sine=frequency=330:sample_rate=22050:duration=1"})
                                 << QStringList{"Format  wav", "Bit rate  ", "Video", "", "", "", "Audio",
                                                "Codec PCM_S16LE", "Sample Rate  22050 Hz", "Channels  1"};
    // A file that cannot be read says why.
    const QString broken = m_dir.filePath(QStringLiteral("not a [video], 'quoted' ünïcode 100%.mp4"));
    QTest::newRow("broken") << TestFiles::write(broken, QByteArray(4096, 'x'))
                            << QStringList{"", "Reason: ", ""};
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.mp4"))
                             << QStringList{"", "Reason: No such file", ""};
}

// Each line of the report starts as expected, the first names the file, and a reason is given.
void TestFirstRun::reportsContainerAndStreams()
{
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    QVERIFY(!file.isEmpty());
    MediaDialog dialog;
    dialog.setFilePath(file);
    dialog.fill();
    const QStringList shown = dialog.findChild<QTextEdit *>("textEditInfo")->toPlainText().split('\n');
    QVERIFY2(shown.value(0).contains(QFileInfo(file).fileName()), qPrintable(shown.value(0)));
    QCOMPARE(shown.size(), lines.size() + 1);
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(shown.at(i + 1).startsWith(lines.at(i)) && shown.at(i + 1) != QLatin1String("Reason: "),
                 qPrintable(shown.at(i + 1)));
}

// Settings changed in the window and its dialogs outlast a quit; a new language is asked about,
// declined until the next start or taken at once with a restart.
void TestFirstRun::quitSavesSettingsAndEndsWithZero()
{
    const QString folder = TestProfile::home() + QStringLiteral("/Finished, 'ü'");
    // Chooses a language and three engines in the options, then answers the question that follows.
    const auto changeOptions = [](int language, QMessageBox::StandardButton answer) {
        const ModalWatch::Answer choose = [language](QWidget *dialog) {
            dialog->findChild<QComboBox *>("comboBoxLanguage")->setCurrentIndex(language);
            dialog->findChild<QSpinBox *>("spinBoxThreads")->setValue(3);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        };
        return QList<ModalWatch::Answer>{choose, ModalWatch::press(answer)};
    };
    int oldLanguage = 0;
    int newLanguage = 0;
    {
        MainWindow window;
        window.findChild<QCheckBox *>("checkBoxCoverage")->setChecked(true);
        window.show();
        // A typed folder is kept even though no run used it.
        QLineEdit *output = window.findChild<QLineEdit *>("lineEditOutput");
        output->clear();
        QInputMethodEvent typed;
        typed.setCommitString(folder);
        QCoreApplication::sendEvent(output, &typed);
        // The format button opens the dialog for the container chosen beside it.
        window.findChild<QComboBox *>("comboBoxFormat")->setCurrentIndex(7);
        int tabs = 0;
        ModalWatch answer({[&tabs](QWidget *dialog) {
            tabs = dialog->findChild<QTabWidget *>()->count();
            dialog->findChild<QComboBox *>("comboBoxABitRate")->setCurrentText(QStringLiteral("256 kbps"));
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        }});
        QTest::mouseClick(window.findChild<QToolButton *>("toolButtonFormatOption"), Qt::LeftButton);
        QVERIFY(answer.waitAnswered());
        QCOMPARE(tabs, 2);
        // Declined, the new language waits for the next start: no translation came in.
        oldLanguage = window.systemSettings().language;
        newLanguage = oldLanguage == 2 ? 3 : 2;
        ModalWatch declined(changeOptions(newLanguage, QMessageBox::No));
        window.findChild<QAction *>("actionOptions")->trigger();
        QVERIFY(declined.allAnswered() && window.isVisible());
        QCOMPARE(QCoreApplication::translate("MainWindow", "Run"), QStringLiteral("Run"));
        QCOMPARE(window.jobs().limit(), 3);
        QTimer::singleShot(0, window.findChild<QAction *>("actionQuit"), &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
    }
    // The next start shows what the user left.
    MainWindow reopened;
    QVERIFY(reopened.findChild<QCheckBox *>("checkBoxCoverage")->isChecked());
    QCOMPARE(reopened.findChild<QComboBox *>("comboBoxFormat")->currentIndex(), 7);
    ConfigFormat stored;
    stored.load();
    QVERIFY(stored.format == QStringLiteral("mp3") && stored.aBitRate == QStringLiteral("256 kbps"));
    QCOMPARE(reopened.findChild<QLineEdit *>("lineEditOutput")->text(), folder);
    QCOMPARE(reopened.jobs().limit(), 3);
    QCOMPARE(reopened.systemSettings().language, newLanguage);
    // Taken, the language change restarts, saved before for the new start to read.
    reopened.show();
    ModalWatch taken(changeOptions(oldLanguage, QMessageBox::Yes));
    QTimer::singleShot(0, reopened.findChild<QAction *>("actionOptions"), &QAction::trigger);
    QCOMPARE(QCoreApplication::exec(), Startup::kRestartExitCode);
    QCOMPARE(QSettings(reopened.systemSettings().settingsFile, QSettings::IniFormat)
                 .value(QStringLiteral("System/Language")).toInt(), oldLanguage);
    reopened.findChild<QComboBox *>("comboBoxFormat")->setCurrentIndex(0);
    reopened.systemSettings().coverage = false;
    reopened.systemSettings().threads = 2;
    reopened.systemSettings().save();
}

BRINDLE_TEST_MAIN(TestFirstRun)
#include "test_firstrun.moc"
