#include "app/mainoptionsdialog.h"

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

QString MainOptionsDialog::familyName(HardwareFamily family)
{
    switch (family) {
    case HardwareFamily::Qsv: return tr("Intel QSV");
    case HardwareFamily::Amf: return tr("AMD AMF");
    case HardwareFamily::VideoToolbox: return tr("Video Toolbox");
    case HardwareFamily::Nvidia: break;
    }
    return tr("NVIDIA");
}

void MainOptionsDialog::setSettings(ConfigSystem *settings)
{
    m_settings = settings;
    m_language = settings->language;
    m_threads = settings->threads;
    m_useHardware = settings->useHA;
    const HardwareChoice hardware = HardwareChoice::from(*settings);
    m_found = hardware.foundFamilies();
    const std::optional<HardwareFamily> preferred = hardware.preferredFamily();
    m_priority = preferred ? m_found.indexOf(*preferred) : 0;
    refreshControls();
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
    QStringList names;
    for (HardwareFamily family : qAsConst(m_found))
        names << familyName(family);
    ui->comboBoxPriority->addItems(names);
    ui->comboBoxPriority->setCurrentIndex(m_priority);
    ui->checkBoxHW->setChecked(m_useHardware);

    const bool anyFound = !m_found.isEmpty();
    ui->checkBoxHW->setVisible(anyFound);
    ui->comboBoxPriority->setVisible(anyFound);
    ui->labelPriority->setVisible(anyFound);
    ui->labelFound->setText(anyFound ? tr("Found: %1.").arg(names.join(QStringLiteral(", ")))
                                     : tr("No hardware encoder was found; videos are encoded in software."));
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
    // The family chosen here stays chosen when the check finds another one.
    const std::optional<HardwareFamily> chosen =
        m_found.isEmpty() ? std::nullopt : std::optional<HardwareFamily>(m_found.value(m_priority));
    m_settings->checkHardwareEncoders();
    m_found = HardwareChoice::from(*m_settings).foundFamilies();
    m_priority = chosen ? qMax(0, m_found.indexOf(*chosen)) : 0;
    refreshControls();
    // The list of families and the message may have grown.
    adjustSize();
}
