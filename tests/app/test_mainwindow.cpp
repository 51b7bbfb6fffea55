#include "modalwatch.h"
#include "app/mainwindow.h"
#include "app/appearance.h"
#include "testprofile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace {
const char kProbeFlag[] = "--relaunch-probe";
}

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void frameHasItsWidgetsAndActions();
    void startupPaletteAndStyle();
    void languageIndexesOutsideRangeStayEnglish();
    void translationsChangeTheInterface();
    void quitSavesSettingsAndEndsWithZero();
    void languageChangeAnsweredYesEndsWith42();
    void languageChangeAnsweredNoKeepsRunning();
    void relaunchPassesTheSameArguments();
    void closingWithoutTrayClosesTheWindow();
};

void TestMainWindow::frameHasItsWidgetsAndActions()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Brindle Professional Edition 4.0.5"));
    QStringList order;
    for (QAction *action : window.findChild<QToolBar *>(QStringLiteral("toolBar"))->actions())
        order << action->text();
    QCOMPARE(order, QStringList({"Add", "Watermark", "Run", "Stop", "Options", "About"}));
    auto *addButton = qobject_cast<QToolButton *>(
        window.findChild<QToolBar *>(QStringLiteral("toolBar"))->widgetForAction(window.findChild<QAction *>("actionAdd")));
    QCOMPARE(addButton->popupMode(), QToolButton::InstantPopup);

    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->widget(i)->objectName() + QLatin1Char(':') + tabs->tabText(i);
    QCOMPARE(titles, QStringList({"tabMerge:Merge", "tabSplit:Split", "tabSubtitle:Subtitle", "tabMusic:Soundtrack"}));
    QCOMPARE(tabs->currentIndex(), 0);
    // The tabs' own forms keep the names the window's form gave them.
    for (const char *name : {"tableWidget", "widgetPlayer", "lineEditOutput", "tableWidgetMerge", "BtnMergeAdd",
                             "labelTotal", "actionAdd_ending", "comboBoxSplit", "tableWidgetSplit", "BtnSubtitleOpen",
                             "tableViewSubtitle", "lineEditSubtitle", "BtnMusicAdd", "tableWidgetMusic"})
        QVERIFY2(window.findChild<QObject *>(QLatin1String(name)), name);
    QCOMPARE(window.centralWidget()->objectName(), QStringLiteral("frame"));
    QVERIFY(window.acceptDrops());
    QCOMPARE(window.findChild<QLineEdit *>("lineEditOutput")->text(), window.systemSettings().outPath);
    QCOMPARE(window.jobs().limit(), window.systemSettings().threads);
}

void TestMainWindow::startupPaletteAndStyle()
{
    const QPalette palette = QApplication::palette();
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::Window), QColor(53, 53, 53));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Base), QColor(67, 67, 67));
    QCOMPARE(palette.color(QPalette::Highlight), QColor(128, 128, 128).lighter(150));
    QCOMPARE(palette.color(QPalette::HighlightedText), QColor(Qt::black));
    QCOMPARE(QApplication::style()->objectName().toLower(), QStringLiteral("fusion"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Brindle"));
}

void TestMainWindow::languageIndexesOutsideRangeStayEnglish()
{
    QTranslator translator;
    QVERIFY(Startup::translationResource(-1).isEmpty());
    QVERIFY(Startup::translationResource(9).isEmpty());
    QVERIFY(!Startup::installTranslation(translator, 9));
    QVERIFY(!Startup::installTranslation(translator, -1));
    for (int index = 0; index < 9; ++index)
        QVERIFY2(QFile::exists(Startup::translationResource(index)), qPrintable(Startup::translationResource(index)));
}

void TestMainWindow::translationsChangeTheInterface()
{
    QTranslator german;
    QVERIFY(Startup::installTranslation(german, 3));
    {
        MainWindow window;
        QCOMPARE(window.findChild<QAction *>("actionQuit")->text(), QStringLiteral("Beenden"));
        QVERIFY(window.windowTitle() != QStringLiteral("Brindle Professional Edition 4.0.5"));
    }
    QCoreApplication::removeTranslator(&german);
}

void TestMainWindow::quitSavesSettingsAndEndsWithZero()
{
    QString settingsFile;
    {
        MainWindow window;
        settingsFile = window.systemSettings().settingsFile;
        window.findChild<QCheckBox *>("checkBoxCoverage")->setChecked(true);
        window.show();
        QTimer::singleShot(0, window.findChild<QAction *>("actionQuit"), &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
    }
    QSettings ini(settingsFile, QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("System/Coverage")).toString(), QStringLiteral("true"));
    MainWindow reopened;
    QVERIFY(reopened.findChild<QCheckBox *>("checkBoxCoverage")->isChecked());
    reopened.systemSettings().coverage = false;
}

void TestMainWindow::languageChangeAnsweredYesEndsWith42()
{
    MainWindow window;
    const int oldLanguage = window.systemSettings().language;
    const int newLanguage = oldLanguage == 2 ? 3 : 2;
    window.show();
    whenModalShows([newLanguage](QWidget *dialog) {
        dialog->findChild<QComboBox *>("comboBoxLanguage")->setCurrentIndex(newLanguage);
        dialog->findChild<QSpinBox *>("spinBoxThreads")->setValue(3);
        whenModalShows([](QWidget *question) {
            auto *box = qobject_cast<QMessageBox *>(question);
            QVERIFY(box);
            QCOMPARE(static_cast<QAbstractButton *>(box->defaultButton()), box->button(QMessageBox::Yes));
            box->button(QMessageBox::Yes)->click();
        });
        dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    QTimer::singleShot(0, window.findChild<QAction *>("actionOptions"), &QAction::trigger);
    QCOMPARE(QCoreApplication::exec(), Startup::kRestartExitCode);
    QCOMPARE(window.jobs().limit(), 3);

    QSettings ini(window.systemSettings().settingsFile, QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("System/Language")).toInt(), newLanguage);
    window.systemSettings().language = oldLanguage;
    window.systemSettings().threads = 2;
}

void TestMainWindow::languageChangeAnsweredNoKeepsRunning()
{
    MainWindow window;
    const int oldLanguage = window.systemSettings().language;
    window.show();
    whenModalShows([](QWidget *dialog) {
        dialog->findChild<QComboBox *>("comboBoxLanguage")->setCurrentIndex(7);
        whenModalShows([](QWidget *question) {
            qobject_cast<QMessageBox *>(question)->button(QMessageBox::No)->click();
        });
        dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    window.findChild<QAction *>("actionOptions")->trigger();
    QVERIFY(window.isVisible());
    QCOMPARE(window.systemSettings().language, 7);
    // No translation came in: the new language waits for the next start.
    QCOMPARE(QCoreApplication::translate("MainWindow", "Run"), QStringLiteral("Run"));
    window.systemSettings().language = oldLanguage;
}

void TestMainWindow::relaunchPassesTheSameArguments()
{
    QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("arguments.txt"));
    const QStringList processArguments{QStringLiteral("/old/path/of/program"), QLatin1String(kProbeFlag), report,
                                       QStringLiteral("two words"), QStringLiteral("Übergröße")};
    QVERIFY(Startup::relaunch(QCoreApplication::applicationFilePath(), processArguments));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(report).size() > 0, 30000);
    QFile file(report);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList received = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(received, processArguments.mid(1));
}

void TestMainWindow::closingWithoutTrayClosesTheWindow()
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        QSKIP("this desktop has a system tray");
    MainWindow window;
    window.show();
    QVERIFY(!window.trayIcon());
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
}

int main(int argc, char *argv[])
{
    // The relaunched copy of this program only reports the arguments it was given.
    if (argc > 2 && qstrcmp(argv[1], kProbeFlag) == 0) {
        QFile report(QString::fromLocal8Bit(argv[2]));
        if (!report.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 1; i < argc; ++i)
            report.write(QByteArray(argv[i]) + '\n');
        return 0;
    }
    TestProfile::setUp();
    QApplication app(argc, argv);
    Startup::prepareApplication(app);
    QApplication::setQuitOnLastWindowClosed(false);
    TestMainWindow tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "test_mainwindow.moc"
