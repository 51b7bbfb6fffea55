#pragma once

#include "subtitles/subtitleevent.h"
#include "subtitles/subtitlestyle.h"

#include <QObject>
#include <QSet>

class QStandardItemModel;
class SubtitleParser;

// Keeps the subtitle table and the subtitle document in step: row i of the
// model shows event i of the document. Every change goes through here and
// reaches both; a cell the user edits reaches the document at once and is
// announced, so that the editor can record it as an undoable change.
class SubtitleTable : public QObject
{
    Q_OBJECT
public:
    enum Column { StartColumn = 0, EndColumn = 1, TextColumn = 2 };
    // Set on the text cells while the document's texts carry SRT's tags.
    enum Role { SrtMarkupRole = Qt::UserRole + 1 };

    SubtitleTable(SubtitleParser *document, QStandardItemModel *model, QObject *parent = nullptr);

    SubtitleParser *document() const { return m_document; }
    // Another document takes the place of the one shown; reload() shows it.
    void setDocument(SubtitleParser *document) { m_document = document; }
    QStandardItemModel *model() const { return m_model; }
    int rowCount() const;

    // The end column says "Stop Time" once a file was loaded.
    void setFileLoaded(bool fileLoaded);
    // Heads the columns again in the current language.
    void retranslateHeaders();
    // Rebuilds every row from the document.
    void reload();

    SubtitleEvent event(int row) const;
    void insertEvent(int row, const SubtitleEvent &event);
    void removeEvent(int row);
    void setEvent(int row, const SubtitleEvent &event);
    // The style list and every line's style number (one per row).
    QVector<int> styleNumbers() const;
    void setStyles(const QVector<SubtitleStyle> &styles, const QVector<int> &styleNumbers);

    // Marks the rows of the cues being shown in the preview.
    void setShownRows(const QSet<int> &rows);
    QSet<int> shownRows() const { return m_shownRows; }

signals:
    // A cell was edited in the view: the event before and after, already applied.
    void sigCellEdited(int row, const SubtitleEvent &before, const SubtitleEvent &after);
    void sigStylesChanged();

private:
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);
    void writeRow(int row, const SubtitleEvent &event);
    void paintShown(int row, bool shown);
    bool validRow(int row) const;

    SubtitleParser *m_document;
    QStandardItemModel *m_model;
    QSet<int> m_shownRows;
    bool m_fileLoaded = false;
    bool m_writing = false;
};
