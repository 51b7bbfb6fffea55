#include "subtitles/pantimedialog.h"

#include "common/timeconv.h"

#include "ui_pantimedialog.h"

#include <QPushButton>
#include <QRadioButton>

PanTimeDialog::PanTimeDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::PanTimeDialog)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    ui->radioButtonForward->setToolTip(tr("The subtitles appear earlier"));
    ui->radioButtonBackward->setToolTip(tr("The subtitles appear later"));
    ui->timeEdit->setTime(QTime(0, 0));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui->timeEdit, &QTimeEdit::timeChanged, this, &PanTimeDialog::showPreview);
    for (QRadioButton *choice : findChildren<QRadioButton *>())
        connect(choice, &QRadioButton::toggled, this, &PanTimeDialog::showPreview);
    showPreview();
}

PanTimeDialog::~PanTimeDialog()
{
    delete ui;
}

void PanTimeDialog::setFirstLine(SubtitleEdits::Affect affect, int row, const SubtitleEvent &event)
{
    m_firstLines.insert(affect, Line{row, event});
    showPreview();
}

qint64 PanTimeDialog::offset() const
{
    return TimeConv::fromTime(ui->timeEdit->time()) / 1000;
}

int PanTimeDialog::direction() const
{
    return ui->radioButtonForward->isChecked() ? 0 : 1;
}

int PanTimeDialog::affect() const
{
    if (ui->radioButtonSelected->isChecked())
        return 1;
    return ui->radioButtonOnward->isChecked() ? 2 : 0;
}

int PanTimeDialog::times() const
{
    if (ui->radioButtonStart->isChecked())
        return 1;
    return ui->radioButtonEnd->isChecked() ? 2 : 0;
}

qint64 PanTimeDialog::delta() const
{
    return direction() == 1 ? offset() : -offset();
}

void PanTimeDialog::showPreview()
{
    const auto found = m_firstLines.constFind(SubtitleEdits::Affect(affect()));
    if (found == m_firstLines.constEnd()) {
        ui->labelPreview->setText(tr("No line is affected."));
        return;
    }
    // The same shift the table will make, so the preview shows where a time stops at a bound.
    SubtitleEvent shifted = found->event;
    const SubtitleEdits::Times moved = SubtitleEdits::Times(times());
    SubtitleEdits::shiftEvent(shifted, delta(), moved);
    const bool ends = moved == SubtitleEdits::Times::EndOnly;
    const qint64 before = ends ? found->event.End : found->event.Start;
    const qint64 after = ends ? shifted.End : shifted.Start;
    const QString now = ends ? tr("Line %1 ends at %2.") : tr("Line %1 starts at %2.");
    const QString newTime = TimeConv::toText(after * 1000);
    QString then;
    if (after < before)
        then = tr("After the shift: %1, earlier.").arg(newTime);
    else if (after > before)
        then = tr("After the shift: %1, later.").arg(newTime);
    else
        then = tr("After the shift: %1, unchanged.").arg(newTime);
    ui->labelPreview->setText(now.arg(found->row + 1).arg(TimeConv::toText(before * 1000)) + QLatin1Char('\n')
                              + then);
}
