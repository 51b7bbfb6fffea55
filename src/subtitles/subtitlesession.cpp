#include "subtitles/subtitlesession.h"

#include "subtitles/subtitleparser.h"
#include "subtitles/subtitletable.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardItemModel>
#include <QUndoStack>

SubtitleSession::SubtitleSession(QObject *parent)
    : QObject(parent)
    , m_document(std::make_unique<SubtitleParser>())
    , m_model(new QStandardItemModel(this))
    , m_table(new SubtitleTable(m_document.get(), m_model, this))
    , m_history(new QUndoStack(this))
{
    connect(m_history, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

SubtitleSession::~SubtitleSession()
{
    // The stack empties itself on the way out; that is no edit to announce.
    m_history->disconnect(this);
}

bool SubtitleSession::isModified() const
{
    return !m_history->isClean();
}

bool SubtitleSession::load(const QString &path)
{
    m_problem.clear();
    auto document = std::make_unique<SubtitleParser>();
    if (!path.isEmpty() && !document->read(path)) {
        m_problem = tr("%1 could not be read as subtitles.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    adopt(std::move(document), path);
    return true;
}

void SubtitleSession::follow(const QString &path)
{
    if (!load(path))
        adopt(std::make_unique<SubtitleParser>(), path);
}

void SubtitleSession::adopt(std::unique_ptr<SubtitleParser> document, const QString &path)
{
    m_table->setDocument(document.get());
    m_document = std::move(document);
    m_path = path;
    m_saveFolder.clear();
    m_table->setFileLoaded(!path.isEmpty());
    m_table->reload();
    m_history->clear();
    emit loaded();
}

bool SubtitleSession::saveAs(const QString &path)
{
    m_problem.clear();
    if (!m_document->write(path)) {
        m_problem = tr("%1 could not be written.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    m_path = path;
    m_saveFolder.clear();
    m_history->setClean();
    emit saved(path);
    return true;
}

QString SubtitleSession::proposedSaveName() const
{
    const QFileInfo current(m_path);
    if (m_path.isEmpty())
        return QString();
    const QDir folder = m_saveFolder.isEmpty() ? current.dir() : QDir(m_saveFolder);
    return folder.filePath(current.completeBaseName() + QStringLiteral(".ass"));
}
