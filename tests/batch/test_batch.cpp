#include "placedlayer.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testpictures.h"
#include "testprofile.h"

#include "batch/outputclaim.h"
#include "layers/projectfile.h"
#include "settings/configformat.h"
#include "settings/formatpresets.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>

// The headless runner end to end: real engines on generated clips, layers checked in the
// outputs' pixels, and the guarantees a scheduler relies on (no overwrite, resume, sharing).
class TestBatch : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode = -1;
        QList<QJsonObject> events;
        QByteArray errors;

        QJsonObject summary() const { return events.isEmpty() ? QJsonObject() : events.last(); }
        QStringList files(const QString &status) const
        {
            QStringList found;
            for (const QJsonObject &event : events) {
                if (event.value("event").toString() == QLatin1String("result")
                    && event.value("status").toString() == status)
                    found << QFileInfo(event.value("file").toString()).fileName();
            }
            found.sort();
            return found;
        }
    };

    static QString program() { return QCoreApplication::applicationDirPath() + QStringLiteral("/brindle-batch"); }

    static QList<QJsonObject> parseEvents(const QByteArray &output)
    {
        QList<QJsonObject> events;
        for (const QByteArray &line : output.split('\n')) {
            if (!line.trimmed().isEmpty())
                events << QJsonDocument::fromJson(line).object();
        }
        return events;
    }

    static void start(QProcess &process, const QStringList &arguments)
    {
        process.start(program(), QStringList{QStringLiteral("--json")} + arguments);
        QVERIFY(process.waitForStarted());
    }

    static Run finish(QProcess &process)
    {
        Run run;
        if (!process.waitForFinished(600000))
            process.kill();
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.events = parseEvents(process.readAllStandardOutput());
        run.errors = process.readAllStandardError();
        return run;
    }

    static Run runBatch(const QStringList &arguments)
    {
        QProcess process;
        start(process, arguments);
        return finish(process);
    }

    // A clip of one flat colour, so that layers stand out in its pixels.
    static QString flatClip(int width, int height, double seconds = 2.0)
    {
        return TestMedia::make(QStringLiteral("flat-%1x%2-%3s.mp4").arg(width).arg(height).arg(seconds),
                               {"-f", "lavfi", "-i",
                                QStringLiteral("color=c=blue:size=%1x%2:rate=25:duration=%3").arg(width).arg(height).arg(seconds),
                                "-f", "lavfi", "-i", QStringLiteral("sine=frequency=440:duration=%1").arg(seconds),
                                "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac",
                                "-shortest"});
    }

    static bool isRed(QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; }
    static bool isBlue(QRgb c) { return qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 90; }
    static bool isGreen(QRgb c) { return qGreen(c) > 150 && qRed(c) < 110 && qBlue(c) < 110; }

    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    void copyInto(const QString &folder, const QString &clip, const QString &name)
    {
        QVERIFY(!clip.isEmpty());
        QDir().mkpath(folder);
        QVERIFY(QFile::copy(clip, folder + QLatin1Char('/') + name));
    }

    QTemporaryDir m_dir;
    QString m_project;
    QString m_noCanvas;
    QRect m_textBox; // where the text layer lies on the 320x240 canvas

private slots:
    void initTestCase()
    {
        // A fresh profile would probe the hardware encoders on every start of the runner.
        const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(appData);
        QSettings system(appData + QStringLiteral("/Brindle.ini"), QSettings::IniFormat);
        system.setValue(QStringLiteral("System/CheckHW"), false);
        system.sync();

        // An image layer and a text layer on a 320x240 canvas.
        QVERIFY(!TestPictures::savePlain(m_dir.filePath(QStringLiteral("logo.png")), 40, 20, Qt::red).isEmpty());
        const CLayerInfo image = pictureLayer(QStringLiteral("logo.png"), 10, 20, 40, 20); // beside the project
        CLayerInfo text;
        text.Type = CLayerInfo::Text;
        text.FileName = QStringLiteral("Text1");
        text.wordArt.Text = QStringLiteral("Hi");
        text.wordArt.Font.setPixelSize(30);
        text.wordArt.EnableBackground = true;
        text.wordArt.BackgroundColor = QColor(0, 255, 0);
        text.wordArt.BackgroundAlpha = 255;
        QImage rendered;
        CWordArtInfo(text.wordArt).render(rendered);
        QVERIFY(!rendered.isNull());
        text.x = 200;
        text.y = 150;
        text.Width = rendered.width();
        text.Height = rendered.height();
        m_textBox = QRect(text.x, text.y, text.Width, text.Height);
        ProjectData project;
        project.layers = {image, text};
        project.canvasSize = QSize(320, 240);
        m_project = m_dir.filePath(QStringLiteral("watermark.qpj"));
        QString error;
        QVERIFY2(ProjectFile::write(m_project, project, &error), qPrintable(error));
        project.canvasSize = QSize();
        m_noCanvas = m_dir.filePath(QStringLiteral("no-canvas.qpj"));
        QVERIFY(ProjectFile::write(m_noCanvas, project, &error));
    }

    // Two good sizes and a corrupt file: the corrupt one fails alone and is named, the layers land
    // where the project puts them on both sizes, and the same command again converts nothing.
    void layersLandOnEverySizeAndACorruptFileFailsAlone()
    {
        const QString in = m_dir.filePath(QStringLiteral("sizes/in"));
        const QString out = m_dir.filePath(QStringLiteral("sizes/out with space"));
        copyInto(in, flatClip(320, 240), QStringLiteral("small.mp4"));
        copyInto(in, flatClip(640, 480), QStringLiteral("large 'quoted', [1].mp4"));
        const QString bad = TestFiles::write(in + QStringLiteral("/broken.mp4"), QByteArray(4096, '\x42'));
        const QStringList arguments{"--project", m_project, "--output", out, "--format", "mp4", in};

        const Run run = runBatch(arguments);
        QVERIFY2(run.exitCode == 1, run.errors.constData());
        QCOMPARE(run.files("converted"), QStringList({"large 'quoted', [1].mp4", "small.mp4"}));
        QCOMPARE(run.files("failed"), QStringList({"broken.mp4"}));
        QCOMPARE(run.summary().value("failedFiles").toVariant().toStringList(), QStringList({bad}));
        QCOMPARE(entries(out), QStringList({"large 'quoted', [1].mp4", "small.mp4"}));

        for (const QString &name : entries(out)) {
            const QString output = out + QLatin1Char('/') + name;
            QVERIFY(qAbs(TestMedia::probeDuration(output) - 2.0) < 0.15);
            const QImage frame = TestMedia::frameOf(output, 1.0);
            const int scale = frame.width() / 320;
            QCOMPARE(frame.size(), QSize(320, 240) * scale);
            // The image layer: canvas (10, 20) 40x20, times the output's scale; unscaled, the
            // second size would show blue where the logo should be.
            QVERIFY(isRed(frame.pixel(30 * scale, 30 * scale)));
            QVERIFY(isBlue(frame.pixel(5 * scale, 5 * scale)));
            QVERIFY(isBlue(frame.pixel(60 * scale, 30 * scale)));
            // The text layer's box, mostly green, and nothing of it beyond its place.
            int green = 0;
            const QRect box(m_textBox.topLeft() * scale, m_textBox.size() * scale);
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    green += isGreen(frame.pixel(x, y)) ? 1 : 0;
            QVERIFY2(green > box.width() * box.height() / 3, qPrintable(QString::number(green)));
            QVERIFY(isBlue(frame.pixel(box.left() - 4 * scale, box.top() - 4 * scale)));
        }

        // Again, with plain output: nothing converted twice, and the last line names the failure.
        QProcess plain;
        plain.start(program(), arguments);
        QVERIFY(plain.waitForFinished(120000));
        const QList<QByteArray> lines = plain.readAllStandardOutput().trimmed().split('\n');
        QVERIFY2(lines.last().contains("Converted 0, skipped 2, failed 1") && lines.last().contains("broken.mp4"),
                 lines.last().constData());
    }

    // Stopped halfway, a batch is finished by two runners at once: nothing is made twice, nothing
    // is repeated, and no half-made file is left.
    void anInterruptedBatchIsFinishedByTwoRunners()
    {
        const QString in = m_dir.filePath(QStringLiteral("resume/in"));
        const QString out = m_dir.filePath(QStringLiteral("resume/out"));
        for (const char *name : {"a.mp4", "b.mp4", "c.mp4"})
            copyInto(in, flatClip(640, 480, 6.0), QLatin1String(name));
        const QStringList arguments{"--project", m_project, "--output", out, "--jobs", "1", in};

        QProcess first;
        start(first, arguments);
        // Stop once the second file is under way: the first is then complete, the second half-made.
        QByteArray seen;
        bool secondRunning = false;
        while (!secondRunning && first.state() == QProcess::Running) {
            first.waitForReadyRead(1000);
            seen += first.readAllStandardOutput();
            for (const QJsonObject &event : parseEvents(seen.left(seen.lastIndexOf('\n') + 1))) {
                secondRunning = secondRunning
                                || (event.value("event").toString() == QLatin1String("progress")
                                    && event.value("file").toString().endsWith(QLatin1String("b.mp4"))
                                    && event.value("percent").toInt() > 0);
            }
        }
        QVERIFY(secondRunning);
        ::kill(pid_t(first.processId()), SIGTERM);
        QVERIFY(first.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 128 + SIGTERM);
        const QList<QJsonObject> firstEvents = parseEvents(seen + first.readAllStandardOutput());
        QCOMPARE(firstEvents.last().value("converted").toInt(), 1);
        QCOMPARE(firstEvents.last().value("stopped").toInt(), 1);
        // Only the finished file is there; no partial file, no lock.
        QCOMPARE(entries(out), QStringList({"a.mp4"}));
        const QDateTime firstDone = QFileInfo(out + QStringLiteral("/a.mp4")).lastModified();

        // Two runners finish it together: each file once, the finished one by neither.
        QProcess a;
        QProcess b;
        start(a, arguments);
        start(b, arguments);
        const Run runA = finish(a);
        const Run runB = finish(b);
        QCOMPARE(runA.exitCode, 0);
        QCOMPARE(runB.exitCode, 0);
        QStringList converted = runA.files("converted") + runB.files("converted");
        converted.sort();
        QCOMPARE(converted, QStringList({"b.mp4", "c.mp4"}));
        QCOMPARE(runA.summary().value("skipped").toInt() + runB.summary().value("skipped").toInt(), 4);
        QCOMPARE(entries(out), QStringList({"a.mp4", "b.mp4", "c.mp4"}));
        QCOMPARE(QFileInfo(out + QStringLiteral("/a.mp4")).lastModified(), firstDone);
        for (const QString &name : entries(out))
            QVERIFY(qAbs(TestMedia::probeDuration(out + QLatin1Char('/') + name) - 6.0) < 0.15);
    }

    // One dry run with every choice made: a canvas for a project without one, a subtitle and a
    // format preset by its name. It plans the command and writes nothing.
    void aDryRunPlansEveryChoiceAndWritesNothing()
    {
        const QString in = m_dir.filePath(QStringLiteral("setup/in"));
        const QString out = m_dir.filePath(QStringLiteral("setup/out"));
        copyInto(in, flatClip(320, 240), QStringLiteral("clip.mp4"));
        const QString srt = TestFiles::write(m_dir.filePath(QStringLiteral("lines.srt")), TestFiles::helloSrt());
        QVERIFY(QDir().mkpath(FormatPresets::folder()));
        ConfigFormat mkv;
        mkv.load();
        mkv.applyContainerDefaults(ConfigFormat::containerIndex(QStringLiteral("mkv")));
        mkv.format = QStringLiteral("mkv");
        QVERIFY(FormatPresets::write(FormatPresets::pathOf(FormatPresets::folder(), QStringLiteral("Small MKV")), mkv));

        const Run run = runBatch({"--project", m_noCanvas, "--canvas", "320x240", "--subtitle", srt, "--format",
                                  "Small MKV", "--output", out, "--dry-run", in});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.events.at(1).value("event").toString(), QStringLiteral("plan"));
        const QStringList command = run.events.at(1).value("command").toVariant().toStringList();
        QVERIFY(command.first().endsWith(QLatin1String("/TesselEngine")));
        QCOMPARE(command.last(), out + QStringLiteral("/clip.mkv"));
        QVERIFY(command.join(' ').contains(QLatin1String("overlay=10:20")));
        QVERIFY(command.join(' ').contains(QLatin1String("ass=")));
        QVERIFY(!QFileInfo::exists(out));
    }

    void badArgumentsStopBeforeAnyWork_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QString in = m_dir.filePath(QStringLiteral("setup/in"));
        QTest::newRow("unknown container") << QStringList{"--format", "webm", in};
        QTest::newRow("preset the format dialog would refuse") << QStringList{"--format", "Broken", in};
        QTest::newRow("no workers") << QStringList{"--jobs", "0", in};
        QTest::newRow("canvas without numbers") << QStringList{"--canvas", "wide", in};
        QTest::newRow("project that is a folder") << QStringList{"--project", in, in};
        QTest::newRow("project without a canvas, none given") << QStringList{"--project", m_noCanvas, in};
        QTest::newRow("missing subtitle") << QStringList{"--subtitle", "/nonexistent.srt", in};
        QTest::newRow("subtitle track below 1") << QStringList{"--subtitle-track", "0", in};
        QTest::newRow("nothing to do") << QStringList{};
    }

    void badArgumentsStopBeforeAnyWork()
    {
        QFETCH(QStringList, arguments);
        // A good input, so that the argument alone is what is refused.
        const QString in = m_dir.filePath(QStringLiteral("setup/in"));
        if (!QFileInfo::exists(in + QStringLiteral("/clip.mp4")))
            copyInto(in, flatClip(320, 240), QStringLiteral("clip.mp4"));
        QVERIFY(QDir().mkpath(FormatPresets::folder()));
        QSettings broken(FormatPresets::pathOf(FormatPresets::folder(), QStringLiteral("Broken")), QSettings::IniFormat);
        broken.setValue(QStringLiteral("Format/Format"), QStringLiteral("mkv"));
        broken.sync();
        const QString out = m_dir.filePath(QStringLiteral("bad/out"));
        const Run run = runBatch(arguments + QStringList{"--output", out});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.errors.isEmpty());
        QVERIFY(!QFileInfo::exists(out));
    }

    // A claim leaves nothing when dropped, never replaces a file, and takes over a lock whose
    // runner has died.
    void claimsAndStaleLocks()
    {
        const QString folder = m_dir.filePath(QStringLiteral("claims"));
        QVERIFY(QDir().mkpath(folder));
        const QString target = folder + QStringLiteral("/out.mp4");
        // Two runners at once and a rerun see a claim taken or done.
        QString error;
        {
            OutputClaim dropped(target);
            QCOMPARE(dropped.claim(&error), OutputClaim::State::Claimed);
            QVERIFY(!TestFiles::write(dropped.partialPath(), "half").isEmpty());
        }
        // Dropped unpublished: nothing stays behind.
        QCOMPARE(entries(folder), QStringList());

        OutputClaim claim(target);
        QCOMPARE(claim.claim(&error), OutputClaim::State::Claimed);
        QVERIFY(!TestFiles::write(claim.partialPath(), "whole").isEmpty());
        // Someone else's file appears under the final name: it is kept, ours is dropped.
        QVERIFY(!TestFiles::write(target, "theirs").isEmpty());
        QVERIFY(!claim.publish(&error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(entries(folder), QStringList({"out.mp4"}));
        QCOMPARE(QFileInfo(target).size(), qint64(6)); // "theirs"

        OutputClaim stale(folder + QStringLiteral("/stale.mp4"));
        QProcess gone;
        gone.start(QStringLiteral("true"), QStringList());
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QVERIFY(!TestFiles::write(stale.lockPath(), QByteArray::number(deadPid) + "\nbrindle-batch\n"
                                                        + QSysInfo::machineHostName().toUtf8() + "\n")
                     .isEmpty());
        QCOMPARE(stale.claim(&error), OutputClaim::State::Claimed);
    }
};

BRINDLE_TEST_MAIN(TestBatch)
#include "test_batch.moc"
