#include "app/qformatdialog.h"
#include "mainwindowtest.h"
#include "modalwatch.h"
#include "settings/configformat.h"
#include "settings/formatpresets.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"
#include "testwidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

namespace {
// Clicks on the box itself: the middle of a wide check box lies beyond its text.
void clickCheckBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
}

// A file as it is on the disk; empty when it cannot be read.
QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The record a dialog's controls show, as its settings file would hold it.
QByteArray shownRecord(const QFormatDialog &dialog)
{
    ConfigFormat format;
    format.settingsFile = TestProfile::home() + QStringLiteral("/shown.ini");
    QFile::remove(format.settingsFile);
    format.format = ConfigFormat::containerName(dialog.containerIndex());
    dialog.storeInto(&format);
    format.save();
    return contentOf(format.settingsFile);
}

}

// The format dialog's fields through presets and OK, and every codec pair it offers converted
// by the window's run: the output holds what the dialog showed.
class TestFormatDialog : public MainWindowTest
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void everyFieldSurvivesPresetsAndAccept();
    void everyOfferedCodecPairConverts();

private:
    template<typename T>
    T *child(const char *name) const
    {
        return m_dialog->findChild<T *>(QLatin1String(name));
    }
    QComboBox *combo(const char *name) const { return child<QComboBox>(name); }
    void click(const char *button) { QTest::mouseClick(child<QToolButton>(button), Qt::LeftButton); }
    QByteArray shownFields() const { return shownRecord(*m_dialog); }

    QFormatDialog *m_dialog = nullptr;
    QString m_folder;
};

void TestFormatDialog::init()
{
    m_folder = FormatPresets::folder();
    QDir(m_folder).removeRecursively();
    QFile::remove(ConfigFormat().settingsFile);
    ConfigFormat::chooseContainer(0);
    m_dialog = new QFormatDialog;
    m_dialog->fillLists(0);
    m_dialog->loadStored();
    m_dialog->show();
}

void TestFormatDialog::cleanup()
{
    delete m_dialog;
    m_dialog = nullptr;
    closeWindow();
}

// Every control survives a preset's save and read, and the OK that stores the record; a
// preset is replaced, refused, deleted and read broken only where the user sees it.
void TestFormatDialog::everyFieldSurvivesPresetsAndAccept()
{
    QVERIFY(QDir(m_folder).exists());
    // Every control set to a value that differs from the defaults of an mp4.
    clickCheckBox(child<QCheckBox>("checkBoxVQuality"));
    child<QCheckBox>("checkBoxVKeepWH")->setChecked(false);
    child<QCheckBox>("checkBoxKeepFrameRate")->setChecked(false);
    const QList<std::pair<const char *, const char *>> choices{
        {"comboBoxVBitRate", "35"}, {"comboBoxVCodec", "mpeg4"}, {"comboBoxVSize", "352x288 CIF"},
        {"comboBoxVAspect", "4:3"}, {"comboBoxVFrameRate", "14.985 fps"}, {"comboBoxACodec", "mp3"},
        {"comboBoxABitRate", "224 kbps"}, {"comboBoxChannels", "1 channels mono"},
        {"comboBoxASampleRate", "22050 Hz"}};
    for (const auto &[name, text] : choices)
        QVERIFY2(TestWidgets::select(combo(name), QString::fromUtf8(text)), name);
    child<QSpinBox>("spinBoxVolume")->setValue(250);
    clickCheckBox(child<QCheckBox>("checkBoxKeepACodec"));
    // A size typed by hand is kept as typed.
    combo("comboBoxVSize")->setEditText(QStringLiteral("1366x768"));
    const QByteArray saved = shownFields();
    {
        ModalWatch answers({ModalWatch::typeName(QStringLiteral("Mine, über \"all\" 50% [1].v2"))});
        click("BtnSchemeSave");
        QCOMPARE(answers.messages().value(0), QStringLiteral("MP4_MPEG4_MP3"));
    }
    const QString path = m_folder + QStringLiteral("/Mine, über \"all\" 50% [1].v2.ini");
    auto *list = child<QListWidget>("listWidget");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Mine, über \"all\" 50% [1].v2"));
    QCOMPARE(contentOf(path), saved);

    // Back to the defaults, then read the preset: every control comes back.
    m_dialog->fillLists(0);
    m_dialog->loadStored();
    QVERIFY(shownFields() != saved);
    click("BtnSchemeRead");
    QCOMPARE(shownFields(), saved);
    // A double click on the name reads it as well.
    m_dialog->fillLists(0);
    m_dialog->loadStored();
    child<QTabWidget>("tabWidget")->setCurrentIndex(2);
    const QPoint onName = list->visualItemRect(list->item(0)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, onName);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, onName);
    QCOMPARE(shownFields(), saved);
    // Read while another container's lists show, the preset brings its own container back.
    m_dialog->fillLists(7);
    QSignalSpy containerChosen(m_dialog, &QFormatDialog::sigContainerChosen);
    click("BtnSchemeRead");
    QCOMPARE(containerChosen.count(), 1);
    QCOMPARE(containerChosen.at(0).at(0).toInt(), 0);
    QCOMPARE(child<QTabWidget>("tabWidget")->count(), 3);
    QCOMPARE(shownFields(), saved);

    // OK stores what the controls show; the expected fields came through the dialog too, so
    // the ticked keep audio codec box makes a dropped field fail.
    QTest::mouseClick(child<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
    const QString stored = ConfigFormat().settingsFile;
    QCOMPARE(contentOf(stored), saved);
    QVERIFY(saved.contains("Format=mp4") && saved.contains("AKeepCodec=true"));
    // A new dialog shows the stored record again, quality list included, and lists the preset.
    QFormatDialog again;
    again.fillLists(0);
    again.loadStored();
    QCOMPARE(shownRecord(again), saved);
    QCOMPARE(again.findChild<QListWidget *>("listWidget")->count(), 1);

    // Saving under a taken name asks before replacing the preset.
    m_dialog->show();
    const QString name = list->item(0)->text();
    child<QSpinBox>("spinBoxVolume")->setValue(120);
    {
        ModalWatch answers({ModalWatch::typeName(name), ModalWatch::press(QMessageBox::No)});
        click("BtnSchemeSave");
        QVERIFY(answers.messages().value(1).contains(name));
    }
    QVERIFY(contentOf(path).contains("AVolume=250"));
    {
        ModalWatch answers({ModalWatch::typeName(name), ModalWatch::press(QMessageBox::Yes)});
        click("BtnSchemeSave");
    }
    QVERIFY(contentOf(path).contains("AVolume=120"));
    QCOMPARE(list->count(), 1);

    // Each refused name and malformed file is in the presets' own suite; here the dialog says
    // so, writes nothing and keeps every control as it was. Cancelling the name writes nothing.
    {
        ModalWatch answers({ModalWatch::cancelInput()});
        click("BtnSchemeSave");
    }
    {
        ModalWatch answers({ModalWatch::typeName(QStringLiteral("../escape")), ModalWatch::press(QMessageBox::Ok)});
        click("BtnSchemeSave");
        QVERIFY(!answers.messages().value(1).isEmpty());
    }
    QVERIFY(!QFile::exists(m_folder + QStringLiteral("/../escape.ini")));
    QCOMPARE(FormatPresets::names(m_folder), QStringList{name});
    const QByteArray text = contentOf(path).replace("AVolume=120", "AVolume=900");
    QVERIFY(text.contains("AVolume=900"));
    QVERIFY(!TestFiles::write(m_folder + QStringLiteral("/Bad.ini"), text).isEmpty());

    // Deleting asks, and removes the file and the entry.
    {
        ModalWatch answers({ModalWatch::press(QMessageBox::Cancel)});
        click("BtnSchemeDelete");
    }
    QVERIFY(QFile::exists(path));
    {
        ModalWatch answers({ModalWatch::press(QMessageBox::Ok)});
        click("BtnSchemeDelete");
    }
    QVERIFY(!QFile::exists(path));
    QCOMPARE(list->count(), 0);

    // The controls are set apart from the good preset, so a partial read would show.
    QFile::remove(stored);
    m_dialog->fillLists(0);
    m_dialog->loadStored();
    const QByteArray shown = shownFields();
    QVERIFY(shown != saved);
    list->addItem(QStringLiteral("Bad"));
    list->setCurrentRow(0);
    containerChosen.clear();
    {
        ModalWatch answers({ModalWatch::press(QMessageBox::Ok)});
        click("BtnSchemeRead");
        QVERIFY2(answers.messages().value(0).contains(QStringLiteral("\"Bad\"")), qPrintable(answers.messages().value(0)));
    }
    QCOMPARE(shownFields(), shown);
    QCOMPARE(containerChosen.count(), 0);
}

void TestFormatDialog::everyOfferedCodecPairConverts()
{
    QTemporaryDir dir;
    const QString source = TestMedia::make(QStringLiteral("format-source.mp4"),
                                           {"-f", "lavfi", "-i", "testsrc=s=160x120:r=25:d=0.5", "-f", "lavfi", "-i",
                                            "sine=f=440:d=0.5:sample_rate=44100", "-ac", "2", "-c:v", "libx264",
                                            "-c:a", "aac", "-shortest"});
    QVERIFY(!source.isEmpty());
    openWindow();
    // Hardware use on, as a first start chooses it, with what the check found on this machine.
    m_window->systemSettings().useHA = true;
    m_dialog->setHardwareChoice(HardwareChoice::from(m_window->systemSettings()));
    const quint64 id = m_window->addFiles({source}).first();
    // The number a choice starts with, as "14.985 fps" or "22050 Hz".
    const auto leading = [](const QString &choice) { return choice.section(QLatin1Char(' '), 0, 0); };
    // Sizes and rates differ from the source's and change from one pair to the next.
    const QStringList sizes = {"176x144 QCIF", "128x96 SQCIF", "320x240 VGA", "352x288 CIF"};
    int pairs = 0;
    for (int container = 0; container < ConfigFormat::kContainerCount; ++container) {
        find<QComboBox>("comboBoxFormat")->setCurrentIndex(container);
        m_dialog->fillLists(container);
        m_dialog->loadStored();
        const auto pick = [&](const char *name) { combo(name)->setCurrentIndex(pairs % combo(name)->count()); };
        QStringList videoList = TestWidgets::itemsOf(combo("comboBoxVCodec"));
        videoList.removeAll(QStringLiteral("copy"));
        if (videoList.isEmpty())
            videoList << QString();
        QStringList audioList = TestWidgets::itemsOf(combo("comboBoxACodec"));
        audioList.removeAll(QStringLiteral("copy"));

        for (const QString &videoCodec : videoList) {
            for (const QString &audioCodec : audioList) {
                const QString pair = ConfigFormat::containerName(container) + ' ' + videoCodec + ' ' + audioCodec;
                if (!videoCodec.isEmpty()) {
                    TestWidgets::select(combo("comboBoxVCodec"), videoCodec);
                    child<QCheckBox>("checkBoxVKeepWH")->setChecked(false);
                    TestWidgets::select(combo("comboBoxVSize"), sizes[pairs % sizes.size()]);
                    child<QCheckBox>("checkBoxKeepFrameRate")->setChecked(false);
                    pick("comboBoxVFrameRate");
                }
                TestWidgets::select(combo("comboBoxACodec"), audioCodec);
                pick("comboBoxASampleRate");
                pick("comboBoxChannels");
                child<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok)->click();

                ConfigFormat stored;
                stored.load();
                const QString folder = dir.filePath(QStringLiteral("pair%1").arg(pairs++));
                find<QLineEdit>("lineEditOutput")->setText(folder);
                rows()->setState(id, RowState::Ready);
                QVERIFY2(runToTheEnd() && rows()->state(id) == RowState::Completed, qPrintable(pair + rows()->log(id)));
                const QString output = folder + QStringLiteral("/format-source.") + stored.format;
                QVERIFY2(stored.format == ConfigFormat::containerName(container) && QFile::exists(output),
                         qPrintable(output));
                const auto [video, audio] = TestMedia::probeStreams(output);
                // An audio file holds sound alone.
                QVERIFY2(videoCodec.isEmpty() == video.isEmpty(), qPrintable(pair));
                if (!videoCodec.isEmpty()) {
                    // ffprobe's names for the streams of two of the dialog's codecs.
                    const QString probed = videoCodec == "h265" ? "hevc" : videoCodec == "xvid" ? "mpeg4" : videoCodec;
                    QVERIFY2(video["codec_name"].toString() == probed, qPrintable(pair));
                    QCOMPARE(QStringLiteral("%1x%2").arg(video["width"].toInt()).arg(video["height"].toInt()),
                             leading(stored.vSize));
                    const QStringList rate = video["avg_frame_rate"].toString().split(QLatin1Char('/'));
                    const double fps = rate.value(0).toDouble() / rate.value(1).toDouble();
                    QVERIFY2(qAbs(fps - leading(stored.vFrameRate).toDouble()) < 0.01,
                             qPrintable(pair + QStringLiteral(" at ") + stored.vFrameRate));
                }
                QVERIFY2(audio["codec_name"].toString() == audioCodec, qPrintable(pair));
                QCOMPARE(audio["sample_rate"].toString(), leading(stored.aSample));
                QCOMPARE(QString::number(audio["channels"].toInt()), leading(stored.aChannels));
            }
        }
    }
    QVERIFY(pairs >= 40);
}

BRINDLE_TEST_MAIN(TestFormatDialog)
#include "test_formatdialog.moc"
