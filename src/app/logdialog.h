#pragma once

#include <QDialog>

class QPlainTextEdit;

// The whole engine log of a row, to read, select and copy.
class LogDialog : public QDialog
{
    Q_OBJECT
public:
    LogDialog(const QString &fileName, const QString &log, QWidget *parent = nullptr);

    QString text() const;

private:
    QPlainTextEdit *m_text;
};
