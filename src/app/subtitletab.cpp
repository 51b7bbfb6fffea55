#include "app/subtitletab.h"

#include "app/currentrow.h"
#include "settings/configsystem.h"
#include "subtitles/qsubtitledelegate.h"
#include "subtitles/subtitlesession.h"
#include "subtitles/subtitlesessions.h"
#include "subtitles/subtitletable.h"
#include "subtitles/subtitletrackchoice.h"
#include "subtitles/unsavedsubtitles.h"
#include "ui_subtitletab.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStandardItemModel>

SubtitleTab::SubtitleTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SubtitleTab)
{
    ui->setupUi(this);
    ui->checkBoxSubtitleStream->hide();
    ui->labelUnsaved->hide();
    ui->labelTrackNote->hide();
    // Sized like the push buttons beside it.
    ui->BtnSubtitleFromVideo->setSizePolicy(ui->BtnSubtitleOpen->sizePolicy());
    ui->BtnSubtitleFromVideo->setMinimumHeight(ui->BtnSubtitleOpen->sizeHint().height());
    connect(ui->BtnSubtitleFromVideo, &SubtitleTrackButton::trackChosen, this, &SubtitleTab::chooseTrack);
    QTableView *view = ui->tableViewSubtitle;
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The lines read as the editor shows them: SRT's tags left out.
    view->setItemDelegateForColumn(SubtitleTable::TextColumn, new QSubtitleDelegate(view));
    view->verticalHeader()->setDefaultSectionSize(40);
    view->horizontalHeader()->setStretchLastSection(true);
}

SubtitleTab::~SubtitleTab()
{
    delete ui;
}

void SubtitleTab::bind(CurrentRow *row, SubtitleSessions *sessions, const ConfigSystem *settings)
{
    m_row = row;
    m_sessions = sessions;
    m_settings = settings;
    connect(m_row, &CurrentRow::changed, this, &SubtitleTab::showRow);
    connect(m_row, &CurrentRow::taskChanged, this, &SubtitleTab::showPath);
    showRow();
}

void SubtitleTab::showRow()
{
    if (m_session)
        m_session->disconnect(this);
    const quint64 id = m_row->id();
    m_session = id ? m_sessions->open(id, m_row->task().subtitlePath) : nullptr;
    QTableView *view = ui->tableViewSubtitle;
    QItemSelectionModel *oldSelection = view->selectionModel();
    view->setModel(m_session ? m_session->model() : nullptr);
    if (oldSelection != view->selectionModel())
        delete oldSelection;
    view->setColumnWidth(SubtitleTable::StartColumn, 120);
    view->setColumnWidth(SubtitleTable::EndColumn, 120);
    if (m_session)
        connect(m_session, &SubtitleSession::modifiedChanged, this, &SubtitleTab::showModified);
    showPath();
}

void SubtitleTab::showPath()
{
    const ConvertTask task = m_row->task();
    ui->BtnSubtitleFromVideo->setSource(task.sourcePath);
    ui->lineEditSubtitle->setText(task.subtitlePath);
    const QString note = SubtitleTrackChoice::picturesNote(task);
    ui->labelTrackNote->setText(note);
    ui->labelTrackNote->setVisible(!note.isEmpty());
    const QSignalBlocker blocker(ui->checkBoxSubtitleStream);
    ui->checkBoxSubtitleStream->setChecked(task.subtitleAsStream);
    showModified();
}

void SubtitleTab::showModified()
{
    ui->labelUnsaved->setVisible(m_session && m_session->isModified());
}

bool SubtitleTab::attach(const QString &path)
{
    if (!m_session || !UnsavedSubtitles::settle(this, m_session, QFileInfo(m_row->task().sourcePath).fileName()))
        return false;
    // The same file again is read again: the user asked for it.
    if (m_session->path() == path)
        m_session->follow(path);
    m_row->update([&path](ConvertTask &task) { SubtitleTrackChoice::applyFile(task, path); });
    return true;
}

bool SubtitleTab::chooseTrack(const SubtitleTrack &track)
{
    if (!m_session || !UnsavedSubtitles::settle(this, m_session, QFileInfo(m_row->task().sourcePath).fileName()))
        return false;
    QString path;
    QString problem;
    if (!SubtitleTrackChoice::read(m_row->task().sourcePath, track, m_settings->cacheFolder + QStringLiteral("/tracks"),
                                   &path, &problem)) {
        SubtitleTrackChoice::showReadProblem(this, problem);
        return false;
    }
    // The track's file was read before: the lines are read again.
    if (m_session->path() == path)
        m_session->follow(path);
    m_row->update([&](ConvertTask &task) { SubtitleTrackChoice::apply(task, track, path); });
    m_session->setSaveFolder(QFileInfo(m_row->task().sourcePath).absolutePath());
    return true;
}

bool SubtitleTab::save(const QString &path)
{
    if (!m_session)
        return false;
    const QString ending = path.right(4).toLower();
    const bool named = ending == QLatin1String(".srt") || ending == QLatin1String(".ass")
                       || ending == QLatin1String(".ssa");
    if (m_session->saveAs(named ? path : path + QStringLiteral(".ass")))
        return true;
    QMessageBox::warning(this, QCoreApplication::applicationName(), m_session->problem());
    return false;
}

void SubtitleTab::on_BtnSubtitleOpen_clicked()
{
    open();
}

void SubtitleTab::open()
{
    // The file belongs to the rows the tab works on; with no row there is nothing to attach it to.
    if (!m_row->require(this))
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Subtitle File"), m_settings->openPath,
                                                      tr("Subtitle File(*.srt *.ass *.ssa)"));
    if (!path.isEmpty())
        attach(path);
}

void SubtitleTab::on_BtnSubtitleSave_clicked()
{
    if (!m_session)
        return;
    // Lines of a video's track start beside the video, not in the cache they were read into.
    const QString start = m_row->task().subtitleTrack >= 0 ? m_session->proposedSaveName() : m_session->path();
    const QString path = QFileDialog::getSaveFileName(this, tr("Save ASS File"), start,
                                                      QStringLiteral("ASS File(*.ass);;SRT File(*.srt)"));
    if (!path.isEmpty())
        save(path);
}

void SubtitleTab::on_checkBoxSubtitleStream_stateChanged(int state)
{
    m_row->update([state](ConvertTask &task) { task.subtitleAsStream = state != Qt::Unchecked; });
}
