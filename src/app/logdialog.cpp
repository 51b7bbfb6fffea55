#include "app/logdialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

LogDialog::LogDialog(const QString &fileName, const QString &log, QWidget *parent)
    : QDialog(parent)
    , m_text(new QPlainTextEdit(this))
{
    setWindowTitle(tr("Log: %1").arg(fileName));
    setSizeGripEnabled(true);
    resize(720, 420);

    m_text->setObjectName(QStringLiteral("plainTextEditLog"));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Engine output lines up in columns.
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(log);
    m_text->moveCursor(QTextCursor::End);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    QPushButton *copy = buttons->addButton(tr("Copy All"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("pushButtonCopyAll"));
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(m_text->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
}

QString LogDialog::text() const
{
    return m_text->toPlainText();
}
