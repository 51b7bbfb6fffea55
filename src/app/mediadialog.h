#pragma once

#include <QDialog>
#include <QString>

class QTextEdit;

// A read-only report of a media file's container, bit rate and stream properties.
class MediaDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MediaDialog(QWidget *parent = nullptr);

    void setFilePath(const QString &path) { m_filePath = path; }
    QString filePath() const { return m_filePath; }
    // Writes the report of the file into the text box, or why the file could not be read.
    void fill();

    // Empty when the file cannot be read; *error then says why.
    static QString report(const QString &path, QString *error = nullptr);

private:
    QString m_filePath;
    QTextEdit *m_text = nullptr;
};
