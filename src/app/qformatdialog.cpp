#include "app/qformatdialog.h"

#include "common/folders.h"
#include "settings/configformat.h"
#include "settings/formatpresets.h"
#include "ui_qformatdialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
void fill(QComboBox *combo, const Choices &choices)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(choices.entries);
    combo->setCurrentIndex(qMax(0, choices.entries.indexOf(choices.current)));
}

// A text missing from a fixed list leaves the selection; an editable list shows it as typed.
void select(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else if (combo->isEditable())
        combo->setEditText(text);
}
}

QFormatDialog::QFormatDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::QFormatDialog)
    , m_presetFolder(FormatPresets::folder())
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui->listWidget, &QListWidget::itemDoubleClicked, this, &QFormatDialog::on_BtnSchemeRead_clicked);
    for (QCheckBox *keep : {ui->checkBoxVKeepWH, ui->checkBoxKeepFrameRate, ui->checkBoxKeepACodec})
        connect(keep, &QCheckBox::toggled, this, &QFormatDialog::updateEnabledControls);

    fill(ui->comboBoxVBitRate, FormatLists::videoBitRates(false));
    fillLists(0);
    if (presetFolderReady()) {
        showPresets(QString());
    } else {
        for (QWidget *button : {ui->BtnSchemeRead, ui->BtnSchemeSave, ui->BtnSchemeDelete})
            button->setEnabled(false);
    }
}

QFormatDialog::~QFormatDialog()
{
    delete ui;
}

void QFormatDialog::fillLists(int containerIndex)
{
    m_container = containerIndex;
    fill(ui->comboBoxVSize, FormatLists::frameSizes());
    fill(ui->comboBoxVFrameRate, FormatLists::frameRates(containerIndex));
    fill(ui->comboBoxVAspect, FormatLists::aspects());
    fill(ui->comboBoxVCodec, FormatLists::videoCodecs(containerIndex, m_found));
    fill(ui->comboBoxACodec, FormatLists::audioCodecs(containerIndex));
    fillAudioLists(ui->comboBoxACodec->currentText());

    const int videoTab = ui->tabWidget->indexOf(ui->tabVideo);
    if (FormatLists::hasVideo(containerIndex) && videoTab < 0)
        ui->tabWidget->insertTab(0, ui->tabVideo, tr("Video"));
    else if (!FormatLists::hasVideo(containerIndex) && videoTab >= 0)
        ui->tabWidget->removeTab(videoTab);
    ui->tabWidget->setCurrentIndex(0);
    updateEnabledControls();
}

void QFormatDialog::fillAudioLists(const QString &audioCodec)
{
    fill(ui->comboBoxChannels, FormatLists::audioChannels(audioCodec));
    fill(ui->comboBoxASampleRate, FormatLists::audioSampleRates(audioCodec, m_container));
    fill(ui->comboBoxABitRate, FormatLists::audioBitRates(audioCodec));
}

void QFormatDialog::loadStored()
{
    ConfigFormat stored;
    stored.load();
    showRecord(stored);
}

void QFormatDialog::showRecord(const ConfigFormat &format)
{
    ui->checkBoxVQuality->setChecked(format.vSetMode);
    fill(ui->comboBoxVBitRate, FormatLists::videoBitRates(format.vSetMode));
    select(ui->comboBoxVBitRate, format.vBitRate);
    select(ui->comboBoxVCodec, format.vCodec);
    ui->checkBoxVKeepWH->setChecked(format.vKeepWH);
    select(ui->comboBoxVSize, format.vSize);
    select(ui->comboBoxVAspect, format.vAspect);
    ui->checkBoxKeepFrameRate->setChecked(format.vKeepFrameRate);
    select(ui->comboBoxVFrameRate, format.vFrameRate);

    ui->checkBoxKeepACodec->setChecked(format.aKeepCodec);
    {
        const QSignalBlocker blocker(ui->comboBoxACodec);
        select(ui->comboBoxACodec, format.aCodec);
    }
    fillAudioLists(ui->comboBoxACodec->currentText());
    select(ui->comboBoxABitRate, format.aBitRate);
    select(ui->comboBoxChannels, format.aChannels);
    select(ui->comboBoxASampleRate, format.aSample);
    ui->spinBoxVolume->setValue(format.aVolume);
}

void QFormatDialog::storeInto(ConfigFormat *format) const
{
    format->vSetMode = ui->checkBoxVQuality->isChecked();
    format->vBitRate = ui->comboBoxVBitRate->currentText();
    format->vKeepWH = ui->checkBoxVKeepWH->isChecked();
    format->vSize = ui->comboBoxVSize->currentText();
    format->vAspect = ui->comboBoxVAspect->currentText();
    format->vKeepFrameRate = ui->checkBoxKeepFrameRate->isChecked();
    format->vFrameRate = ui->comboBoxVFrameRate->currentText();
    // Audio-only containers have no video codec to offer; the stored one stays.
    if (ui->comboBoxVCodec->count() > 0)
        format->vCodec = ui->comboBoxVCodec->currentText();
    format->aKeepCodec = ui->checkBoxKeepACodec->isChecked();
    format->aBitRate = ui->comboBoxABitRate->currentText();
    format->aCodec = ui->comboBoxACodec->currentText();
    format->aChannels = ui->comboBoxChannels->currentText();
    format->aSample = ui->comboBoxASampleRate->currentText();
    format->aVolume = ui->spinBoxVolume->value();
}

void QFormatDialog::on_comboBoxACodec_currentIndexChanged(const QString &arg1)
{
    fillAudioLists(arg1);
}

void QFormatDialog::on_buttonBox_accepted()
{
    ConfigFormat stored;
    stored.load();
    storeInto(&stored);
    if (!stored.save())
        warn(tr("Format Options"), tr("The output format cannot be saved to %1.").arg(stored.settingsFile));
}

void QFormatDialog::on_checkBoxVQuality_clicked(bool checked)
{
    fill(ui->comboBoxVBitRate, FormatLists::videoBitRates(checked));
}

void QFormatDialog::on_BtnSchemeRead_clicked()
{
    if (!presetFolderReady())
        return;
    QString path;
    if (QListWidgetItem *item = ui->listWidget->currentItem())
        path = FormatPresets::pathOf(m_presetFolder, item->text());
    else
        path = QFileDialog::getOpenFileName(this, tr("Open"), m_presetFolder, tr("Options(*.ini)"));
    if (path.isEmpty())
        return;

    ConfigFormat preset;
    QString problem;
    if (!FormatPresets::read(path, m_found, &preset, &problem)) {
        warn(tr("Read"), tr("The format options \"%1\" cannot be used.\n%2")
                             .arg(QFileInfo(path).completeBaseName(), problem));
        return;
    }
    const int container = ConfigFormat::containerIndex(preset.format);
    if (container != m_container) {
        emit sigContainerChosen(container);
        fillLists(container);
    }
    showRecord(preset);
}

void QFormatDialog::on_BtnSchemeSave_clicked()
{
    if (!presetFolderReady())
        return;
    QStringList parts{ConfigFormat::containerName(m_container)};
    for (QComboBox *codec : {ui->comboBoxVCodec, ui->comboBoxACodec}) {
        if (!codec->currentText().isEmpty())
            parts << codec->currentText();
    }
    QInputDialog ask(this);
    ask.setWindowTitle(tr("Save"));
    ask.setLabelText(tr("Name of the format options:"));
    ask.setTextValue(parts.join(QLatin1Char('_')).toUpper());
    ask.setOkButtonText(tr("Ok"));
    ask.setCancelButtonText(tr("Cancel"));
    ask.resize(qMax(ask.sizeHint().width(), 320), ask.sizeHint().height());
    if (ask.exec() != QDialog::Accepted)
        return;
    const QString name = ask.textValue().trimmed();
    const QString problem = FormatPresets::nameProblem(name);
    if (!problem.isEmpty()) {
        warn(tr("Save"), problem);
        return;
    }
    const QString path = FormatPresets::pathOf(m_presetFolder, name);
    if (QFileInfo::exists(path)) {
        QMessageBox replace(QMessageBox::Question, tr("Save"),
                            tr("The format options \"%1\" exist already. Do you want to replace them?").arg(name),
                            QMessageBox::Yes | QMessageBox::No, this);
        replace.button(QMessageBox::Yes)->setText(tr("Replace"));
        replace.button(QMessageBox::No)->setText(tr("Cancel"));
        replace.setDefaultButton(QMessageBox::No);
        if (replace.exec() != QMessageBox::Yes)
            return;
    }

    ConfigFormat preset;
    preset.format = ConfigFormat::containerName(m_container);
    storeInto(&preset);
    if (!FormatPresets::write(path, preset)) {
        warn(tr("Save"), tr("The format options cannot be saved to %1.").arg(path));
        return;
    }
    showPresets(name);
}

void QFormatDialog::on_BtnSchemeDelete_clicked()
{
    QListWidgetItem *item = ui->listWidget->currentItem();
    if (!item)
        return;
    QMessageBox question(QMessageBox::Question, tr("Delete"), tr("Are you sure to delete the format options ?"),
                         QMessageBox::Ok | QMessageBox::Cancel, this);
    question.button(QMessageBox::Ok)->setText(tr("Ok"));
    question.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    if (question.exec() != QMessageBox::Ok || !presetFolderReady())
        return;
    const QString path = FormatPresets::pathOf(m_presetFolder, item->text());
    if (!FormatPresets::remove(path)) {
        warn(tr("Delete"), tr("The format options cannot be deleted from %1.").arg(path));
        return;
    }
    delete item;
}

void QFormatDialog::showPresets(const QString &current)
{
    ui->listWidget->clear();
    const QStringList names = FormatPresets::names(m_presetFolder);
    ui->listWidget->addItems(names);
    const int row = current.isEmpty() ? 0 : names.indexOf(current);
    if (row >= 0 && row < names.size())
        ui->listWidget->setCurrentRow(row);
}

bool QFormatDialog::presetFolderReady()
{
    return ensureFolder(m_presetFolder);
}

void QFormatDialog::updateEnabledControls()
{
    const bool ownSize = !ui->checkBoxVKeepWH->isChecked();
    ui->labelVSize->setEnabled(ownSize);
    ui->comboBoxVSize->setEnabled(ownSize);
    const bool ownRate = !ui->checkBoxKeepFrameRate->isChecked();
    ui->labelFramerate->setEnabled(ownRate);
    ui->comboBoxVFrameRate->setEnabled(ownRate);
    const bool encodeAudio = !ui->checkBoxKeepACodec->isChecked();
    for (QWidget *control : {static_cast<QWidget *>(ui->labelABitRate), static_cast<QWidget *>(ui->comboBoxABitRate),
                             static_cast<QWidget *>(ui->labelACodec), static_cast<QWidget *>(ui->comboBoxACodec),
                             static_cast<QWidget *>(ui->labelChannels), static_cast<QWidget *>(ui->comboBoxChannels),
                             static_cast<QWidget *>(ui->labelSample), static_cast<QWidget *>(ui->comboBoxASampleRate),
                             static_cast<QWidget *>(ui->labelVolume), static_cast<QWidget *>(ui->spinBoxVolume)})
        control->setEnabled(encodeAudio);
}

void QFormatDialog::warn(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(tr("Ok"));
    box.exec();
}
