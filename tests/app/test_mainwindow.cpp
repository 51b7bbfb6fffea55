#include "modalwatch.h"
#include "app/core.h"
#include "app/mainwindow.h"
#include "app/startup.h"
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
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Brindle Professional Edition 4.0.5"));
    QCOMPARE(window.size(), QSize(1016, 800));
    QCOMPARE(core().mainWindow, &window);

    auto *toolBar = window.findChild<QToolBar *>(QStringLiteral("toolBar"));
    QVERIFY(toolBar);
    QStringList order;
    for (QAction *action : toolBar->actions())
        order << action->objectName();
    QCOMPARE(order, QStringList({"actionAdd", "actionWatermark", "actionRun", "actionStop", "actionOptions",
                                 "actionAbout"}));
    QCOMPARE(toolBar->iconSize(), QSize(64, 64));
    QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    auto *addButton = qobject_cast<QToolButton *>(toolBar->widgetForAction(window.findChild<QAction *>("actionAdd")));
    QVERIFY(addButton);
    QCOMPARE(addButton->popupMode(), QToolButton::InstantPopup);
    QCOMPARE(addButton->defaultAction()->menu()->actions().size(), 2);

    const QList<QPair<QString, QString>> actions = {
        {"actionAdd", "Add"}, {"actionWatermark", "Watermark"}, {"actionRun", "Run"}, {"actionStop", "Stop"},
        {"actionOptions", "Options"}, {"actionAbout", "About"}, {"actionAddFile", "Add File"},
        {"actionAddFolder", "Add Folder"}, {"actionDelete", "Delete"}, {"actionMediaInfo", "Media information"},
        {"actionReady_to_convert", "Ready to convert"}, {"actionAdd_subtitle_file", "Add subtitle file"},
        {"actionAll_Delete", "All Delete"}, {"actionQuit", "Quit"}, {"actionAdd_title_sequence", "Add title sequence"},
        {"actionAdd_ending", "Add ending"}, {"actionMerge_Media_Infomation", "Media Infomation"}};
    for (const auto &[name, text] : actions) {
        auto *action = window.findChild<QAction *>(name);
        QVERIFY2(action, qPrintable(name));
        QCOMPARE(action->text(), text);
    }
    QVERIFY(!window.findChild<QAction *>("actionRun")->icon().isNull());
    QVERIFY(!window.findChild<QAction *>("actionQuit")->icon().isNull());

    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->currentIndex(), 0);
    const QStringList tabNames{"tabMerge", "tabSplit", "tabSubtitle", "tabMusic"};
    const QStringList tabTitles{"Merge", "Split", "Subtitle", "Soundtrack"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(tabs->widget(i)->objectName(), tabNames[i]);
        QCOMPARE(tabs->tabText(i), tabTitles[i]);
    }

    QCOMPARE(window.centralWidget()->objectName(), QStringLiteral("frame"));
    QVERIFY(window.acceptDrops());
    for (const char *name : {"tableWidget", "widgetPlayer", "comboBoxFormat", "toolButtonFormatOption",
                             "lineEditOutput", "toolButtonOutput", "toolButtonOpen", "checkBoxCoverage",
                             "tableWidgetMerge", "tableWidgetSplit", "tableViewSubtitle", "tableWidgetMusic",
                             "BtnMergeAdd", "comboBoxSplit", "BtnSubtitleOpen", "BtnMusicAdd", "statusbar"})
        QVERIFY2(window.findChild<QWidget *>(QLatin1String(name)), name);
    QVERIFY(window.findChild<QWidget *>("widgetPlayer")->minimumSize() == QSize(320, 180));
    QCOMPARE(window.findChild<QLineEdit *>("lineEditOutput")->text(), window.systemSettings().outPath);
    QCOMPARE(window.findChild<QComboBox *>("comboBoxFormat")->count(), 10);
    QCOMPARE(window.isIdle(), true);
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
    QCOMPARE(Core::instance().translator.isEmpty(), true);
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
