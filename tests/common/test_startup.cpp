#include "common/startup.h"
#include "testprofile.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTranslator>

namespace {
const char kProbeFlag[] = "--relaunch-probe";
}

// What the program settles before its first window, languages and the display platform, and
// its relaunch in a new language.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    // The program's and Qt's own translations of every language offered; any other index stays English.
    void everyLanguageHasItsTranslations()
    {
        for (int index = 0; index < 9; ++index) {
            QVERIFY2(QFile::exists(Startup::translationResource(index)), qPrintable(QString::number(index)));
            QTranslator translator;
            QVERIFY2(translator.load(Startup::qtTranslationFile(index)), qPrintable(QString::number(index)));
        }
        QTranslator none;
        for (int outside : {-1, 9}) {
            QVERIFY(Startup::qtTranslationFile(outside).isEmpty() && Startup::translationResource(outside).isEmpty());
            QVERIFY(!Startup::installTranslation(none, outside));
        }

        // French: Qt's own buttons follow the program's language.
        QTranslator french;
        QVERIFY(Startup::installQtTranslation(french, 2));
        QMessageBox question(QMessageBox::Question, QStringLiteral("Brindle"), QStringLiteral("?"),
                             QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Oui"));
        QCOMPARE(question.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Non"));
        QCoreApplication::removeTranslator(&french);
    }

    void waylandDesktopsStartOnXWayland_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("platform");
        const QStringList wayland{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"};
        QTest::newRow("wayland session") << wayland << QStringList() << QByteArray("xcb");
        QTest::newRow("wayland display only") << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:1"} << QStringList()
                                              << QByteArray("xcb");
        QTest::newRow("user chose a platform") << wayland + QStringList{"QT_QPA_PLATFORM=wayland"} << QStringList()
                                               << QByteArray();
        QTest::newRow("user passed -platform") << wayland << QStringList{"-platform", "wayland"} << QByteArray();
        QTest::newRow("no XWayland") << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-0"}
                                     << QStringList() << QByteArray();
        QTest::newRow("X11 session") << QStringList{"XDG_SESSION_TYPE=x11", "DISPLAY=:0"} << QStringList() << QByteArray();
    }

    void waylandDesktopsStartOnXWayland()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, platform);
        QProcessEnvironment values;
        for (const QString &entry : environment)
            values.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        QList<QByteArray> bytes{"brindle"};
        for (const QString &argument : arguments)
            bytes << argument.toLocal8Bit();
        QVector<const char *> argv;
        for (const QByteArray &argument : qAsConst(bytes))
            argv << argument.constData();
        QCOMPARE(Startup::platformFor(argv.size(), argv.constData(), values), platform);
    }

    void relaunchPassesTheSameArguments()
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
};

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
    TestStartup tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "test_startup.moc"
