#include "app/mainwindow.h"
#include "modalanswers.h"
#include "settings/configformat.h"
#include "settings/configsystem.h"
#include "settings/formatpresets.h"
#include "app/qformatdialog.h"
#include "testprofile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>

namespace {
// Clicks on the box itself: the middle of a wide check box lies beyond its text.
void clickCheckBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
}

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Every field of a record but its path, for comparing two records.
QStringList fieldsOf(const ConfigFormat &format)
{
    return {format.format,
            format.vSetMode ? QStringLiteral("q") : QStringLiteral("b"),
            format.vBitRate,
            format.vCodec,
            QString::number(format.vKeepWH),
            format.vSize,
            format.vAspect,
            QString::number(format.vKeepFrameRate),
            format.vFrameRate,
            QString::number(format.aKeepCodec),
            format.aBitRate,
            format.aCodec,
            format.aChannels,
            format.aSample,
            QString::number(format.aVolume)};
}

// Every file below a folder, to see that nothing was written where it should not be.
QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}
}

class TestFormatDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithTheDefaultLists();
    void audioContainersHaveNoVideoTab();
    void audioCodecDecidesTheAudioLists();
    void qualityModeReplacesTheBitRates();
    void acceptStoresEveryControlAndKeepsTheContainer();
    void typedSizeIsStoredAndShownAgain();
    void keepBoxesDisableWhatTheyMakeIrrelevant();
    void onlyFoundHardwareEncodersAreOffered();
    void presetRoundTripsEveryField();
    void savingOverAPresetAsksFirst();
    void hostileNamesAreRefused();
    void malformedPresetsAreRefusedWhole();
    void presetOfAnotherContainerSwitchesTheLists();
    void configButtonOpensTheDialogForTheContainer();

private:
    template<typename T>
    T *child(const char *name) const
    {
        return m_dialog->findChild<T *>(QLatin1String(name));
    }
    QComboBox *combo(const char *name) const { return child<QComboBox>(name); }
    void click(const char *button) { QTest::mouseClick(child<QToolButton>(button), Qt::LeftButton); }
    void choose(const char *comboName, const QString &text);
    // Sets every control to a value that differs from the defaults of an mp4.
    void setUnusualValues();
    QStringList shownFields() const;

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
}

void TestFormatDialog::choose(const char *comboName, const QString &text)
{
    QComboBox *box = combo(comboName);
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
}

void TestFormatDialog::setUnusualValues()
{
    clickCheckBox(child<QCheckBox>("checkBoxVQuality"));
    choose("comboBoxVBitRate", QStringLiteral("35"));
    choose("comboBoxVCodec", QStringLiteral("mpeg4"));
    child<QCheckBox>("checkBoxVKeepWH")->setChecked(false);
    choose("comboBoxVSize", QStringLiteral("352x288 CIF"));
    choose("comboBoxVAspect", QStringLiteral("4:3"));
    child<QCheckBox>("checkBoxKeepFrameRate")->setChecked(false);
    choose("comboBoxVFrameRate", QStringLiteral("14.985 fps"));
    choose("comboBoxACodec", QStringLiteral("mp3"));
    choose("comboBoxABitRate", QStringLiteral("224 kbps"));
    choose("comboBoxChannels", QStringLiteral("1 channels mono"));
    choose("comboBoxASampleRate", QStringLiteral("22050 Hz"));
    child<QSpinBox>("spinBoxVolume")->setValue(250);
}

QStringList TestFormatDialog::shownFields() const
{
    ConfigFormat format;
    format.format = ConfigFormat::containerName(m_dialog->containerIndex());
    m_dialog->storeInto(&format);
    return fieldsOf(format);
}

void TestFormatDialog::opensWithTheDefaultLists()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Format Options"));
    auto *tabs = child<QTabWidget>("tabWidget");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Video"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Formats"));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(itemsOf(combo("comboBoxVCodec")),
             QStringList({"h264", "h265", "xvid", "mpeg4", "copy"}));
    QCOMPARE(combo("comboBoxVCodec")->currentText(), QStringLiteral("h264"));
    QCOMPARE(combo("comboBoxACodec")->currentText(), QStringLiteral("aac"));
    QCOMPARE(combo("comboBoxVBitRate")->count(), 19);
    QCOMPARE(combo("comboBoxVBitRate")->currentText(), QStringLiteral("Auto"));
    QCOMPARE(combo("comboBoxVSize")->count(), 22);
    QVERIFY(combo("comboBoxVSize")->isEditable());
    QCOMPARE(combo("comboBoxVAspect")->count(), 4);
    QCOMPARE(child<QSpinBox>("spinBoxVolume")->maximum(), 600);
    QCOMPARE(shownFields().mid(1), [] {
        ConfigFormat stored;
        stored.load();
        return fieldsOf(stored).mid(1);
    }());
}

void TestFormatDialog::audioContainersHaveNoVideoTab()
{
    m_dialog->fillLists(7);
    auto *tabs = child<QTabWidget>("tabWidget");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Audio"));
    QCOMPARE(itemsOf(combo("comboBoxACodec")), QStringList({"mp3", "copy"}));
    m_dialog->fillLists(9);
    QCOMPARE(itemsOf(combo("comboBoxACodec")), QStringList({"pcm_s16le", "copy"}));

    m_dialog->fillLists(5);
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Video"));
    QCOMPARE(itemsOf(combo("comboBoxVCodec")), QStringList({"mpeg1video", "mpeg2video", "copy"}));
    QCOMPARE(combo("comboBoxVCodec")->currentText(), QStringLiteral("mpeg2video"));
    QCOMPARE(combo("comboBoxVFrameRate")->currentText(), QStringLiteral("25.0 fps"));
}

void TestFormatDialog::audioCodecDecidesTheAudioLists()
{
    choose("comboBoxACodec", QStringLiteral("mp3"));
    QCOMPARE(itemsOf(combo("comboBoxASampleRate")).first(), QStringLiteral("8000 Hz"));
    QCOMPARE(itemsOf(combo("comboBoxABitRate")).last(), QStringLiteral("320 kbps"));
    choose("comboBoxACodec", QStringLiteral("aac"));
    QCOMPARE(itemsOf(combo("comboBoxASampleRate")), QStringList({"32000 Hz", "44100 Hz", "48000 Hz"}));
    QCOMPARE(itemsOf(combo("comboBoxABitRate")).last(), QStringLiteral("160 kbps"));
    QCOMPARE(combo("comboBoxABitRate")->currentText(), QStringLiteral("64 kbps"));
    QCOMPARE(combo("comboBoxChannels")->currentText(), QStringLiteral("2 channels stereo"));

    // Rates an encoder refuses are not offered.
    m_dialog->fillLists(1);
    QCOMPARE(itemsOf(combo("comboBoxASampleRate")), QStringList({"32000 Hz", "44100 Hz", "48000 Hz"}));
    choose("comboBoxACodec", QStringLiteral("mp2"));
    QVERIFY(!itemsOf(combo("comboBoxASampleRate")).contains(QStringLiteral("8000 Hz")));
}

void TestFormatDialog::qualityModeReplacesTheBitRates()
{
    choose("comboBoxVBitRate", QStringLiteral("2048 kbps"));
    clickCheckBox(child<QCheckBox>("checkBoxVQuality"));
    QCOMPARE(combo("comboBoxVBitRate")->count(), 13);
    QCOMPARE(combo("comboBoxVBitRate")->currentText(), QStringLiteral("Auto"));
    QCOMPARE(combo("comboBoxVBitRate")->itemText(1), QStringLiteral("50 high"));
    QCOMPARE(combo("comboBoxVBitRate")->itemText(12), QStringLiteral("1 low"));
    clickCheckBox(child<QCheckBox>("checkBoxVQuality"));
    QCOMPARE(combo("comboBoxVBitRate")->itemText(1), QStringLiteral("64 kbps"));
}

void TestFormatDialog::acceptStoresEveryControlAndKeepsTheContainer()
{
    setUnusualValues();
    const QStringList expected = shownFields();
    QSignalSpy accepted(m_dialog, &QDialog::accepted);
    QTest::mouseClick(child<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);

    ConfigFormat stored;
    stored.load();
    QCOMPARE(fieldsOf(stored), expected);
    QCOMPARE(stored.format, QStringLiteral("mp4"));
    QCOMPARE(stored.vBitRate, QStringLiteral("35"));
    QCOMPARE(stored.aVolume, 250);

    // A new dialog shows the stored record again, quality list included.
    QFormatDialog again;
    again.fillLists(0);
    again.loadStored();
    ConfigFormat reshown;
    reshown.format = stored.format;
    again.storeInto(&reshown);
    QCOMPARE(fieldsOf(reshown), expected);
}

void TestFormatDialog::typedSizeIsStoredAndShownAgain()
{
    child<QCheckBox>("checkBoxVKeepWH")->setChecked(false);
    combo("comboBoxVSize")->setEditText(QStringLiteral("1366x768"));
    QTest::mouseClick(child<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
    ConfigFormat stored;
    stored.load();
    QCOMPARE(stored.vSize, QStringLiteral("1366x768"));

    QFormatDialog again;
    again.fillLists(0);
    again.loadStored();
    QCOMPARE(again.findChild<QComboBox *>("comboBoxVSize")->currentText(), QStringLiteral("1366x768"));
}

void TestFormatDialog::keepBoxesDisableWhatTheyMakeIrrelevant()
{
    child<QCheckBox>("checkBoxVKeepWH")->setChecked(true);
    QVERIFY(!combo("comboBoxVSize")->isEnabled());
    child<QCheckBox>("checkBoxVKeepWH")->setChecked(false);
    QVERIFY(combo("comboBoxVSize")->isEnabled());
    child<QCheckBox>("checkBoxKeepFrameRate")->setChecked(true);
    QVERIFY(!combo("comboBoxVFrameRate")->isEnabled());
    child<QCheckBox>("checkBoxKeepACodec")->setChecked(true);
    QVERIFY(!combo("comboBoxACodec")->isEnabled());
    QVERIFY(!child<QSpinBox>("spinBoxVolume")->isEnabled());
}

void TestFormatDialog::onlyFoundHardwareEncodersAreOffered()
{
    HardwareChoice found;
    found.h264NV = true;
    found.h265QSV = true;
    QFormatDialog dialog;
    dialog.setHardwareChoice(found);
    dialog.fillLists(0);
    auto *codecs = dialog.findChild<QComboBox *>("comboBoxVCodec");
    QCOMPARE(itemsOf(codecs), QStringList({"h264", "h264_nvenc", "h265", "hevc_qsv", "xvid", "mpeg4", "copy"}));
    QCOMPARE(codecs->currentText(), QStringLiteral("h264"));
    dialog.fillLists(6);
    QCOMPARE(itemsOf(codecs), QStringList({"h264", "h264_nvenc", "mpeg2video", "copy"}));
    dialog.fillLists(5);
    QCOMPARE(itemsOf(codecs), QStringList({"mpeg1video", "mpeg2video", "copy"}));

    // The flags the check stored are what the main window hands over.
    ConfigSystem system;
    system.h264AMF = true;
    const HardwareChoice fromSystem = HardwareChoice::from(system);
    QVERIFY(fromSystem.h264AMF && !fromSystem.h264NV && !fromSystem.h265QSV);
    m_dialog->setHardwareChoice(fromSystem);
    m_dialog->fillLists(0);
    QCOMPARE(itemsOf(combo("comboBoxVCodec")), QStringList({"h264", "h264_amf", "h265", "xvid", "mpeg4", "copy"}));
}

void TestFormatDialog::presetRoundTripsEveryField()
{
    QVERIFY(QDir(m_folder).exists());
    setUnusualValues();
    const QStringList saved = shownFields();
    {
        ModalAnswers answers({ModalAnswers::typeName(QStringLiteral("Mine, über 'all' [1]"))});
        click("BtnSchemeSave");
        QVERIFY(answers.allAnswered());
        QCOMPARE(answers.messages().value(0), QStringLiteral("MP4_MPEG4_MP3"));
    }
    const QString path = m_folder + QStringLiteral("/Mine, über 'all' [1].ini");
    QVERIFY(QFile::exists(path));
    auto *list = child<QListWidget>("listWidget");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Mine, über 'all' [1]"));
    ConfigFormat onDisk;
    onDisk.settingsFile = path;
    onDisk.load();
    QCOMPARE(fieldsOf(onDisk), saved);

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

    // A second dialog lists it; deleting asks and removes the file and the entry.
    {
        ModalAnswers answers({ModalAnswers::press(QMessageBox::Cancel)});
        click("BtnSchemeDelete");
        QVERIFY(answers.allAnswered());
        QCOMPARE(answers.messages().value(0), QStringLiteral("Are you sure to delete the format options ?"));
    }
    QVERIFY(QFile::exists(path));
    {
        ModalAnswers answers({ModalAnswers::press(QMessageBox::Ok)});
        click("BtnSchemeDelete");
        QVERIFY(answers.allAnswered());
    }
    QVERIFY(!QFile::exists(path));
    QCOMPARE(list->count(), 0);
}

void TestFormatDialog::savingOverAPresetAsksFirst()
{
    {
        ModalAnswers answers({ModalAnswers::typeName(QStringLiteral("Web"))});
        click("BtnSchemeSave");
    }
    const QString path = m_folder + QStringLiteral("/Web.ini");
    ConfigFormat preset;
    preset.settingsFile = path;
    preset.load();
    QCOMPARE(preset.aCodec, QStringLiteral("aac"));

    choose("comboBoxACodec", QStringLiteral("mp3"));
    {
        ModalAnswers answers({ModalAnswers::typeName(QStringLiteral("Web")), ModalAnswers::press(QMessageBox::No)});
        click("BtnSchemeSave");
        QVERIFY(answers.allAnswered());
        QVERIFY(answers.messages().value(1).contains(QStringLiteral("Web")));
    }
    preset.load();
    QCOMPARE(preset.aCodec, QStringLiteral("aac"));
    {
        ModalAnswers answers({ModalAnswers::typeName(QStringLiteral("Web")), ModalAnswers::press(QMessageBox::Yes)});
        click("BtnSchemeSave");
        QVERIFY(answers.allAnswered());
    }
    preset.load();
    QCOMPARE(preset.aCodec, QStringLiteral("mp3"));
    QCOMPARE(child<QListWidget>("listWidget")->count(), 1);

    // Cancelling the name writes nothing.
    {
        ModalAnswers answers({ModalAnswers::cancelInput()});
        click("BtnSchemeSave");
    }
    QCOMPARE(FormatPresets::names(m_folder), QStringList{QStringLiteral("Web")});
}

void TestFormatDialog::hostileNamesAreRefused()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString home = TestProfile::home();
    const QStringList before = filesBelow(home);
    const QStringList hostile = {QStringLiteral("../escape"),
                                 QStringLiteral("../../../escape"),
                                 QStringLiteral("a/b"),
                                 QStringLiteral("/tmp/escape"),
                                 QStringLiteral(".hidden"),
                                 QStringLiteral(".."),
                                 QStringLiteral("line\nbreak"),
                                 QStringLiteral("   "),
                                 QString(300, QLatin1Char('x'))};
    for (const QString &name : hostile) {
        QVERIFY2(!FormatPresets::nameProblem(name).isEmpty(), qPrintable(name));
        ModalAnswers answers({ModalAnswers::typeName(name), ModalAnswers::press(QMessageBox::Ok)});
        click("BtnSchemeSave");
        QVERIFY2(answers.allAnswered(), qPrintable(name));
        QVERIFY(!answers.messages().value(1).isEmpty());
    }
    QCOMPARE(filesBelow(home), before);
    QVERIFY(!QFile::exists(documents + QStringLiteral("/escape.ini")));
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/escape.ini")));
    QCOMPARE(child<QListWidget>("listWidget")->count(), 0);

    // Names the file system takes are fine, even with blanks, quotes and non-ASCII letters.
    for (const QString &name : {QStringLiteral("a b"), QStringLiteral("x.y"), QStringLiteral("Qualité \"HD\" 50%")})
        QVERIFY2(FormatPresets::nameProblem(name).isEmpty(), qPrintable(name));
}

void TestFormatDialog::malformedPresetsAreRefusedWhole()
{
    {
        ModalAnswers answers({ModalAnswers::typeName(QStringLiteral("Good"))});
        click("BtnSchemeSave");
    }
    const QString good = m_folder + QStringLiteral("/Good.ini");
    QFile goodFile(good);
    QVERIFY(goodFile.open(QIODevice::ReadOnly));
    const QByteArray goodText = goodFile.readAll();
    goodFile.close();

    struct Case
    {
        const char *name;
        QByteArray from;
        QByteArray to;
    };
    const QList<Case> cases = {
        {"no volume", "AVolume=100", ""},
        {"volume too loud", "AVolume=100", "AVolume=900"},
        {"volume not a number", "AVolume=100", "AVolume=loud"},
        {"unknown container", "Format=mp4", "Format=exe"},
        {"not a bool", "VKeepWH=true", "VKeepWH=maybe"},
        {"codec not offered", "VCodec=h264", "VCodec=h264_nvenc"},
        {"codec of another container", "ACodec=aac", "ACodec=ac3"},
        {"rate not offered", "VFrameRate=25.0 fps", "VFrameRate=17 fps"},
        {"size without numbers", "VSize=1920x1080", "VSize=huge"},
        {"empty bit rate", "VBitRate=Auto", "VBitRate="},
        {"no groups", goodText, QByteArray("\x00\x01\xff\xfe garbage\n[[[", 16)},
    };

    // The controls are set apart from the good preset, so a partial read would show.
    setUnusualValues();
    const QStringList before = shownFields();
    QSignalSpy containerChosen(m_dialog, &QFormatDialog::sigContainerChosen);
    auto *list = child<QListWidget>("listWidget");
    for (const Case &c : cases) {
        QByteArray text = goodText;
        if (!c.from.isEmpty())
            text.replace(c.from, c.to);
        QVERIFY2(text != goodText, c.name);
        const QString bad = m_folder + QStringLiteral("/Bad.ini");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();

        ConfigFormat untouched;
        QString problem;
        QVERIFY2(!FormatPresets::read(bad, HardwareChoice(), &untouched, &problem), c.name);
        QVERIFY2(!problem.isEmpty(), c.name);

        m_dialog->findChild<QListWidget *>()->clear();
        list->addItem(QStringLiteral("Bad"));
        list->setCurrentRow(0);
        ModalAnswers answers({ModalAnswers::press(QMessageBox::Ok)});
        click("BtnSchemeRead");
        QVERIFY2(answers.allAnswered(), c.name);
        QVERIFY2(answers.messages().value(0).contains(QStringLiteral("\"Bad\"")), c.name);
        QCOMPARE(shownFields(), before);
    }
    QCOMPARE(containerChosen.count(), 0);

    // The good one still reads.
    ConfigFormat read;
    QString problem;
    QVERIFY2(FormatPresets::read(good, HardwareChoice(), &read, &problem), qPrintable(problem));
}

void TestFormatDialog::presetOfAnotherContainerSwitchesTheLists()
{
    ConfigFormat::chooseContainer(1);
    m_dialog->fillLists(1);
    m_dialog->loadStored();
    {
        ModalAnswers answers({ModalAnswers::typeName(QStringLiteral("Archive"))});
        click("BtnSchemeSave");
        QCOMPARE(answers.messages().value(0), QStringLiteral("MKV_H264_AC3"));
    }
    m_dialog->fillLists(7);
    QSignalSpy containerChosen(m_dialog, &QFormatDialog::sigContainerChosen);
    click("BtnSchemeRead");
    QCOMPARE(containerChosen.count(), 1);
    QCOMPARE(containerChosen.at(0).at(0).toInt(), 1);
    QCOMPARE(m_dialog->containerIndex(), 1);
    QCOMPARE(child<QTabWidget>("tabWidget")->count(), 3);
    QCOMPARE(combo("comboBoxACodec")->currentText(), QStringLiteral("ac3"));
    QCOMPARE(itemsOf(combo("comboBoxACodec")), QStringList({"mp3", "mp2", "ac3", "copy"}));
}

void TestFormatDialog::configButtonOpensTheDialogForTheContainer()
{
    MainWindow window;
    window.show();
    auto *containers = window.findChild<QComboBox *>("comboBoxFormat");
    containers->setCurrentIndex(7);
    QStringList audioCodecs;
    int tabs = 0;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(qobject_cast<QFormatDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<QFormatDialog *>(QApplication::activeModalWidget());
        tabs = dialog->findChild<QTabWidget *>()->count();
        audioCodecs = itemsOf(dialog->findChild<QComboBox *>("comboBoxACodec"));
        dialog->findChild<QComboBox *>("comboBoxABitRate")->setCurrentText(QStringLiteral("256 kbps"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    QTest::mouseClick(window.findChild<QToolButton *>("toolButtonFormatOption"), Qt::LeftButton);
    QCOMPARE(tabs, 2);
    QCOMPARE(audioCodecs, QStringList({"mp3", "copy"}));
    ConfigFormat stored;
    stored.load();
    QCOMPARE(stored.format, QStringLiteral("mp3"));
    QCOMPARE(stored.aBitRate, QStringLiteral("256 kbps"));
}

BRINDLE_TEST_MAIN(TestFormatDialog)
#include "test_formatdialog.moc"
