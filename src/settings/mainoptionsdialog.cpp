#include "settings/mainoptionsdialog.h"

#include "settings/configsystem.h"
#include "ui_mainoptionsdialog.h"

#include <QPushButton>
#include <QSignalBlocker>

MainOptionsDialog::MainOptionsDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::MainOptionsDialog)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

MainOptionsDialog::~MainOptionsDialog()
{
    delete ui;
}

void MainOptionsDialog::setSettings(ConfigSystem *settings)
{
    m_settings = settings;
    m_language = settings->language;
    m_threads = settings->threads;
    copyHardwareState();
    refreshControls();
}

void MainOptionsDialog::copyHardwareState()
{
    m_useHardware = m_settings->useHA;
    m_priority = m_settings->priorityUse;
    m_nvidiaFound = m_settings->nvidiaFound();
    m_qsvFound = m_settings->qsvFound();
    m_amfFound = m_settings->amfFound();
    m_videoToolboxFound = m_settings->videoToolboxFound();
}

void MainOptionsDialog::refreshControls()
{
    const QSignalBlocker languageBlocker(ui->comboBoxLanguage);
    const QSignalBlocker threadsBlocker(ui->spinBoxThreads);
    const QSignalBlocker priorityBlocker(ui->comboBoxPriority);
    const QSignalBlocker hardwareBlocker(ui->checkBoxHW);

    ui->comboBoxLanguage->setCurrentIndex(m_language);
    ui->spinBoxThreads->setValue(m_threads);

    ui->comboBoxPriority->clear();
    if (m_qsvFound)
        ui->comboBoxPriority->addItem(tr("Intel QSV"));
    if (m_amfFound)
        ui->comboBoxPriority->addItem(tr("AMD AMF"));
    if (m_videoToolboxFound)
        ui->comboBoxPriority->addItem(tr("Video Toolbox"));
    if (m_nvidiaFound)
        ui->comboBoxPriority->addItem(tr("NVIDIA"));
    ui->comboBoxPriority->setCurrentIndex(m_priority);
    ui->checkBoxHW->setChecked(m_useHardware);

    const bool anyFound = ui->comboBoxPriority->count() > 0;
    ui->checkBoxHW->setVisible(anyFound);
    ui->comboBoxPriority->setVisible(anyFound);
    ui->labelPriority->setVisible(anyFound);
}

void MainOptionsDialog::on_comboBoxLanguage_currentIndexChanged(int index)
{
    m_language = index;
}

void MainOptionsDialog::on_spinBoxThreads_valueChanged(int arg1)
{
    m_threads = arg1;
}

void MainOptionsDialog::on_comboBoxPriority_currentIndexChanged(int index)
{
    m_priority = index;
}

void MainOptionsDialog::on_checkBoxHW_stateChanged(int arg1)
{
    m_useHardware = arg1 != 0;
}

void MainOptionsDialog::on_pushButtonCheckHW_clicked()
{
    if (!m_settings)
        return;
    m_settings->checkHardwareEncoders();
    copyHardwareState();
    refreshControls();
}
