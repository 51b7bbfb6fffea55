#include "modalwatch.h"
#include "app/mainwindow.h"
#include "app/appearance.h"
#include "settings/configformat.h"
#include "testprofile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>


class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void quitSavesSettingsAndEndsWithZero();
    void languageChangeAsksToRestart_data();
    void languageChangeAsksToRestart();
};

void TestMainWindow::quitSavesSettingsAndEndsWithZero()
{
    const QString folder = TestProfile::home() + QStringLiteral("/Finished, 'ü'");
    {
        MainWindow window;
        window.findChild<QCheckBox *>("checkBoxCoverage")->setChecked(true);
        window.systemSettings().threads = 3;
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
    reopened.findChild<QComboBox *>("comboBoxFormat")->setCurrentIndex(0);
    reopened.systemSettings().coverage = false;
    reopened.systemSettings().threads = 2;
    reopened.systemSettings().save();
}

void TestMainWindow::languageChangeAsksToRestart_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes restarts") << int(QMessageBox::Yes);
    QTest::newRow("no keeps running") << int(QMessageBox::No);
}

void TestMainWindow::languageChangeAsksToRestart()
{
    QFETCH(int, answer);
    MainWindow window;
    const int oldLanguage = window.systemSettings().language;
    const int newLanguage = oldLanguage == 2 ? 3 : 2;
    window.show();
    ModalWatch answers({[newLanguage](QWidget *dialog) {
                            dialog->findChild<QComboBox *>("comboBoxLanguage")->setCurrentIndex(newLanguage);
                            dialog->findChild<QSpinBox *>("spinBoxThreads")->setValue(3);
                            dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
                        },
                        ModalWatch::press(QMessageBox::StandardButton(answer))});
    auto *options = window.findChild<QAction *>("actionOptions");
    if (answer == QMessageBox::Yes) {
        QTimer::singleShot(0, options, &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), Startup::kRestartExitCode);
        // Saved before the restart, for the new start to read.
        QCOMPARE(QSettings(window.systemSettings().settingsFile, QSettings::IniFormat)
                     .value(QStringLiteral("System/Language")).toInt(), newLanguage);
    } else {
        options->trigger();
        QVERIFY(window.isVisible());
        // No translation came in: the new language waits for the next start.
        QCOMPARE(QCoreApplication::translate("MainWindow", "Run"), QStringLiteral("Run"));
    }
    QCOMPARE(window.jobs().limit(), 3);
    QCOMPARE(window.systemSettings().language, newLanguage);
    window.systemSettings().language = oldLanguage;
    window.systemSettings().threads = 2;
    window.systemSettings().save();
}

int main(int argc, char *argv[])
{
    TestProfile::setUp();
    QApplication app(argc, argv);
    Startup::prepareApplication(app);
    QApplication::setQuitOnLastWindowClosed(false);
    TestMainWindow tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "test_mainwindow.moc"
