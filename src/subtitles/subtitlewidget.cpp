#include "subtitles/subtitlewidget.h"

#include "ui_subtitlewidget.h"

SubtitleWidget::SubtitleWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SubtitleWidget)
{
    ui->setupUi(this);
    ui->splitter->setStretchFactor(0, 1);
    ui->splitter->setStretchFactor(1, 3);
    ui->labelStatus->hide();
}

SubtitleWidget::~SubtitleWidget()
{
    delete ui;
}

QSize SubtitleWidget::sizeHint() const
{
    return QWidget::sizeHint().expandedTo(QSize(440, 480));
}
