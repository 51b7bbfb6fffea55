#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class SubtitleParser;
class WatermarkDocument;
struct ConvertTask;

// The overlay filter text of a row, for a run or for a preview: the watermark layers, the
// row's picture settings and its subtitles. Subtitle edits that no file holds yet are burned
// as the user sees them, not the file they came from.
class OverlayGraphs
{
public:
    // The subtitle lines a row shows, and whether they hold edits that no file has.
    struct ShownSubtitles
    {
        const SubtitleParser *document = nullptr; // null while no window showed the row's lines
        bool unsaved = false;
    };
    using SubtitlesOfRow = std::function<ShownSubtitles(quint64 rowId)>;

    OverlayGraphs(const WatermarkDocument *layers, const QString &cacheFolder, SubtitlesOfRow subtitles = {});

    // Empty when there is nothing to draw. What was left out of the picture (an unreadable
    // subtitle, say) goes to *problems.
    QString forRun(quint64 rowId, const ConvertTask &task, QStringList *problems = nullptr) const;
    // The same for a preview, which alone reads its files: they go to one folder that each
    // build rewrites, so the text of an unchanged project stays the same between builds.
    QString forPreview(quint64 rowId, const ConvertTask &task) const;

    QString cacheFolder() const { return m_cacheFolder; }

private:
    // Builds into the folder that chooseFolder gives, asked only when the graph writes files.
    QString build(quint64 rowId, ConvertTask task, const std::function<QString()> &chooseFolder,
                  QStringList *problems) const;

    const WatermarkDocument *m_layers;
    QString m_cacheFolder;
    SubtitlesOfRow m_subtitles;
};
