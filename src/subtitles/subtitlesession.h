#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QStandardItemModel;
class QUndoStack;
class SubtitleParser;
class SubtitleTable;

// One row's subtitles as the user edits them: the document read from the row's file, the
// table model that every view shows it through, and the history of its edits. The main
// window's subtitle table and the editor's subtitle panel show the same session, so what is
// edited in one is in the other, and a run burns what both show.
class SubtitleSession : public QObject
{
    Q_OBJECT
public:
    explicit SubtitleSession(QObject *parent = nullptr);
    ~SubtitleSession() override;

    const SubtitleParser &document() const { return *m_document; }
    SubtitleTable *table() const { return m_table; }
    QStandardItemModel *model() const { return m_model; }
    QUndoStack *history() const { return m_history; }
    // The file the lines were read from or last saved to; empty for lines made from nothing.
    QString path() const { return m_path; }
    // Edits that no file holds yet.
    bool isModified() const;

    // Reads a file and forgets the history; an empty path gives no lines. A file that cannot
    // be read changes nothing: false then, with the reason in problem().
    bool load(const QString &path);
    // Shows the file's lines, or none when it cannot be read; the file is the session's either
    // way, as its row names it.
    void follow(const QString &path);
    // Drops the edits: the lines are the file's again (none when it cannot be read any more).
    void revert() { follow(m_path); }
    // Writes the lines as ASS or SRT, as the path's ending says; the file becomes the session's.
    bool saveAs(const QString &path);
    QString problem() const { return m_problem; }
    // Where a save starts: the session's file's folder (or the one given below) and name, as ASS.
    QString proposedSaveName() const;
    // Lines read from a video's track sit in the cache: a save starts beside the video instead,
    // until other lines are read or the lines are saved.
    void setSaveFolder(const QString &folder) { m_saveFolder = folder; }

signals:
    // Every line was replaced by a file's.
    void loaded();
    void modifiedChanged(bool modified);
    void saved(const QString &path);

private:
    void adopt(std::unique_ptr<SubtitleParser> document, const QString &path);

    std::unique_ptr<SubtitleParser> m_document;
    QStandardItemModel *m_model;
    SubtitleTable *m_table;
    QUndoStack *m_history;
    QString m_path;
    QString m_saveFolder;
    QString m_problem;
};
