#include "jobs/outputfolder.h"
#include "jobs/outputreservation.h"
#include "jobs/unfinishedoutput.h"
#include "testfiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// Where a run's files go: the folder it checks first, the names it claims, and what a
// stopped job's file is called.
class TestRunOutputs : public QObject
{
    Q_OBJECT
private slots:
    void reservationKeepsEveryOutputApart();
    void outputFolderIsCheckedAndMade();
    void unfinishedFilesSayWhatTheyAre();
};

void TestRunOutputs::reservationKeepsEveryOutputApart()
{
    QTemporaryDir dir;
    const QString taken = dir.filePath(QStringLiteral("clip.mp4"));
    TestFiles::write(taken, QByteArray());

    OutputReservation keep(false);
    static const QRegularExpression stamped(QStringLiteral("/clip\\(\\d{6}\\)\\.mp4$"));
    const QString first = keep.reserve(taken);
    QVERIFY2(stamped.match(first).hasMatch(), qPrintable(first));
    const QString second = keep.reserve(taken);
    QCOMPARE(second, dir.filePath(QStringLiteral("clip_2.mp4")));
    QVERIFY(keep.isClaimed(first) && keep.isClaimed(second));
    // The same folder written two ways is one folder.
    QVERIFY(keep.isClaimed(dir.path() + QStringLiteral("//") + QFileInfo(first).fileName()));

    OutputReservation overwrite(true);
    overwrite.protect(dir.filePath(QStringLiteral("source.mkv")));
    QCOMPARE(overwrite.reserve(taken), taken);
    QCOMPARE(overwrite.reserve(taken), dir.filePath(QStringLiteral("clip_2.mp4")));
    QCOMPARE(overwrite.reserve(dir.filePath(QStringLiteral("source.mkv"))), dir.filePath(QStringLiteral("source_2.mkv")));
    QCOMPARE(overwrite.reserve(dir.filePath(QStringLiteral("no extension"))), dir.filePath(QStringLiteral("no extension")));
    QCOMPARE(overwrite.reserve(dir.filePath(QStringLiteral("no extension"))),
             dir.filePath(QStringLiteral("no extension_2")));
}

void TestRunOutputs::outputFolderIsCheckedAndMade()
{
    QTemporaryDir dir;
    QString folder;
    QString problem;
    QVERIFY(!prepareOutputFolder(QString(), &folder, &problem));
    QVERIFY(problem.contains(QStringLiteral("No output folder")));
    QVERIFY(!prepareOutputFolder(QStringLiteral("   "), &folder, &problem));
    QVERIFY(!prepareOutputFolder(QStringLiteral("out/here"), &folder, &problem));
    QVERIFY(problem.contains(QStringLiteral("out/here")));
    const QString file = dir.filePath(QStringLiteral("a file"));
    TestFiles::write(file, QByteArray());
    QVERIFY(!prepareOutputFolder(file, &folder, &problem));
    QVERIFY(problem.contains(QStringLiteral("is a file")));
    QVERIFY(!prepareOutputFolder(file + QStringLiteral("/below"), &folder, &problem));
    QVERIFY(problem.contains(QStringLiteral("cannot be created")));
    QVERIFY(!prepareOutputFolder(QStringLiteral("/proc"), &folder, &problem));
    QVERIFY(problem.contains(QStringLiteral("cannot be written")));
    QVERIFY(folder.isEmpty());

    const QString made = dir.filePath(QStringLiteral("new, 'odd' [folder]/ü/"));
    QVERIFY(prepareOutputFolder(QStringLiteral("  ") + made, &folder, &problem));
    QCOMPARE(folder, QDir::cleanPath(made));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TestRunOutputs::unfinishedFilesSayWhatTheyAre()
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("my.clip.mp4"));
    QCOMPARE(setAsideUnfinished(output), QString());
    TestFiles::write(output, QByteArray());
    const QString kept = setAsideUnfinished(output);
    QCOMPARE(kept, dir.filePath(QStringLiteral("my.clip (unfinished).mp4")));
    QVERIFY(!QFileInfo::exists(output) && QFileInfo::exists(kept));
    // A second stop keeps one unfinished file, the newest, unless the older one is still read.
    QVERIFY(!TestFiles::write(output, "newer").isEmpty());
    QCOMPARE(setAsideUnfinished(output), kept);
    QCOMPARE(QFileInfo(kept).size(), 5);
    TestFiles::write(output, QByteArray());
    const auto reads = [&kept](const QString &path) { return path == kept; };
    QCOMPARE(setAsideUnfinished(output, reads), dir.filePath(QStringLiteral("my.clip (unfinished 2).mp4")));
    QCOMPARE(QFileInfo(kept).size(), 5);
    QCOMPARE(unfinishedName(dir.filePath(QStringLiteral("noext"))), dir.filePath(QStringLiteral("noext (unfinished)")));
}

QTEST_GUILESS_MAIN(TestRunOutputs)
#include "test_runoutputs.moc"
