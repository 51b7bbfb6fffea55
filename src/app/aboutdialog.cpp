#include "app/aboutdialog.h"

#include "ui_aboutdialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QUrl>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    // The box only informs, so it has nothing to confirm or cancel.
    ui->buttonBox->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Links lead only to what is really there: the read-me as help, and no web site.
    const QString help = helpFile();
    if (QFileInfo::exists(help)) {
        ui->label_2->setText(QStringLiteral("<a style=\"color:white\" href=\"%1\">%2</a>")
                                 .arg(QUrl::fromLocalFile(help).toString(QUrl::FullyEncoded),
                                      tr("Help (read me)").toHtmlEscaped()));
        ui->label_2->setToolTip(help);
    } else {
        ui->label_2->hide();
    }
    ui->label_3->hide();
}

QString AboutDialog::helpFile()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("README.md"));
}

AboutDialog::~AboutDialog()
{
    delete ui;
}
