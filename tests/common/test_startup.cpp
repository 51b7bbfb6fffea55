#include "common/startup.h"
#include "testprofile.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QTranslator>

// What the program settles before its first window: languages and the display platform.
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
};

BRINDLE_TEST_MAIN(TestStartup)
#include "test_startup.moc"
