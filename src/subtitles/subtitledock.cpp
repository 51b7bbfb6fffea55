#include "subtitles/subtitledock.h"

#include "common/timeconv.h"
#include "subtitles/qsubtitledelegate.h"
#include "subtitles/qtimedelegate.h"
#include "subtitles/pantimedialog.h"
#include "subtitles/replacedialog.h"
#include "subtitles/styledialog.h"
#include "subtitles/subtitlecommands.h"
#include "subtitles/subtitleparser.h"
#include "subtitles/subtitlesession.h"
#include "subtitles/subtitletable.h"
#include "subtitles/subtitlewidget.h"
#include "subtitles/unsavedsubtitles.h"

#include "ui_subtitlewidget.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QStandardItemModel>
#include <QUndoGroup>
#include <QUndoStack>

#include <algorithm>

namespace {

// Kinds of field edit; consecutive edits of one kind on one line are one undo step.
enum FieldKind { StartField = 1, EndField, TextField };

qint64 milliseconds(const QTime &time)
{
    return TimeConv::fromTime(time) / 1000;
}

}

SubtitleDock::SubtitleDock(QWidget *parent)
    : PanelWidget(parent)
    , m_widget(new SubtitleWidget(this))
    , m_history(new QUndoGroup(this))
{
    setObjectName(QStringLiteral("SubtitleDock"));
    SetTitle(tr("Subtitle"));
    setWidget(m_widget);
    setUpTable();
    connectControls();
    showSession(nullptr);
}

SubtitleDock::~SubtitleDock() = default;

QToolButton *SubtitleDock::openButton() const
{
    return m_widget->form()->toolButtonOpen;
}

SubtitleTrackButton *SubtitleDock::trackButton() const
{
    return m_widget->form()->toolButtonFromVideo;
}

QUndoStack *SubtitleDock::undoStack() const
{
    return m_session ? m_session->history() : nullptr;
}

SubtitleTable *SubtitleDock::table() const
{
    return m_session->table();
}

void SubtitleDock::setUpTable()
{
    QTableView *view = m_widget->form()->tableView;
    view->setItemDelegateForColumn(SubtitleTable::StartColumn, new QTimeDelegate(view));
    view->setItemDelegateForColumn(SubtitleTable::EndColumn, new QTimeDelegate(view));
    view->setItemDelegateForColumn(SubtitleTable::TextColumn, new QSubtitleDelegate(view));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->setDefaultSectionSize(40);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setStretchLastSection(true);
}

void SubtitleDock::showSession(SubtitleSession *session)
{
    if (session && session == m_session) {
        showLines();
        return;
    }
    if (m_session) {
        m_session->disconnect(this);
        m_session->history()->disconnect(this);
        m_session->table()->disconnect(this);
    }
    m_session = session;
    m_widget->setEnabled(session);
    QTableView *view = m_widget->form()->tableView;
    QItemSelectionModel *oldSelection = view->selectionModel();
    view->setModel(session ? session->model() : nullptr);
    if (oldSelection != view->selectionModel())
        delete oldSelection;
    if (!session) {
        SetSubtitle(QString());
        showStatus(QString());
        return;
    }
    view->setColumnWidth(SubtitleTable::StartColumn, 120);
    view->setColumnWidth(SubtitleTable::EndColumn, 120);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { loadCurrentRow(); });
    if (!m_history->stacks().contains(session->history()))
        m_history->addStack(session->history());
    m_history->setActiveStack(session->history());
    connect(session, &SubtitleSession::loaded, this, &SubtitleDock::showLines);
    connect(session, &SubtitleSession::modifiedChanged, this, &SubtitleDock::showTitle);
    connect(session, &SubtitleSession::saved, this, &SubtitleDock::showTitle);
    // A message about an edit no longer holds once the history moves (an undo, a redo, a new edit).
    connect(session->history(), &QUndoStack::indexChanged, this, [this] {
        loadCurrentRow();
        showStatus(QString());
    });
    connect(session->table(), &SubtitleTable::sigCellEdited, this, &SubtitleDock::onCellEdited);
    connect(session->table(), &SubtitleTable::sigStylesChanged, this, &SubtitleDock::refillStyles);
    connect(session, &QObject::destroyed, this, [this] { showSession(nullptr); });
    showLines();
}

void SubtitleDock::showLines()
{
    showTitle();
    refillStyles();
    loadCurrentRow();
    showStatus(m_session->problem());
}

void SubtitleDock::showTitle()
{
    const QString name = QFileInfo(m_session->path()).fileName();
    // The mark of a document with changes that no file holds yet.
    SetSubtitle(m_session->isModified() ? name + QLatin1Char('*') : name);
}

void SubtitleDock::connectControls()
{
    Ui::SubtitleWidget *ui = m_widget->form();
    connect(ui->toolButtonAdd, &QToolButton::clicked, this, &SubtitleDock::onAdd);
    connect(ui->toolButtonDelete, &QToolButton::clicked, this, &SubtitleDock::onDelete);
    connect(ui->toolButtonSave, &QToolButton::clicked, this, &SubtitleDock::onSave);
    connect(ui->toolButtonStyle, &QToolButton::clicked, this, &SubtitleDock::onStyle);
    connect(ui->toolButtonTime, &QToolButton::clicked, this, &SubtitleDock::onShiftTimes);
    connect(ui->toolButtonReplace, &QToolButton::clicked, this, &SubtitleDock::onReplace);
    connect(ui->tableView, &QTableView::clicked, this, &SubtitleDock::onClicked);
    connect(ui->tableView, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit sigSeekRequested(table()->event(index.row()).Start * 1000);
    });
    connect(ui->timeEditStart, &QTimeEdit::timeChanged, this, &SubtitleDock::onStartTime);
    connect(ui->timeEditEnd, &QTimeEdit::timeChanged, this, &SubtitleDock::onEndTime);
    connect(ui->plainTextEdit, &QPlainTextEdit::textChanged, this, &SubtitleDock::onTextChanged);

    QAction *undo = m_history->createUndoAction(this, tr("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_history->createRedoAction(this, tr("Redo"));
    // Ctrl+Shift+Z everywhere, besides the desktop's own redo keys; a key listed
    // twice would make the shortcut ambiguous.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlShiftZ(Qt::CTRL + Qt::SHIFT + Qt::Key_Z);
    if (!redoKeys.contains(ctrlShiftZ))
        redoKeys.prepend(ctrlShiftZ);
    redo->setShortcuts(redoKeys);
    for (QAction *action : {undo, redo}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    auto *remove = new QAction(tr("Delete"), ui->tableView);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    connect(remove, &QAction::triggered, this, &SubtitleDock::onDelete);
    ui->tableView->addAction(remove);
}

bool SubtitleDock::loadFile(const QString &path)
{
    if (!m_session)
        return false;
    const bool read = m_session->load(path);
    showStatus(m_session->problem());
    return read;
}

bool SubtitleDock::saveTo(const QString &path)
{
    if (!m_session)
        return false;
    const QString ending = path.right(4).toLower();
    const QString target = (ending == QLatin1String(".ass") || ending == QLatin1String(".ssa"))
                               ? path
                               : path + QStringLiteral(".ass");
    if (!m_session->saveAs(target)) {
        showStatus(m_session->problem());
        return false;
    }
    showStatus(tr("Saved to %1.").arg(QDir::toNativeSeparators(target)));
    return true;
}

void SubtitleDock::onSave()
{
    if (!m_session)
        return;
    const QString path = UnsavedSubtitles::askSavePath(this, *m_session);
    if (!path.isEmpty())
        saveTo(path);
}

bool SubtitleDock::promptSaveOnClose()
{
    if (!m_session)
        return true;
    const bool unnamed = table()->rowCount() > 0 && m_session->path().isEmpty();
    if (!unnamed && !m_session->isModified())
        return true;
    onSave();
    return !m_session->isModified() && !m_session->path().isEmpty();
}

int SubtitleDock::currentRow() const
{
    const QModelIndex current = m_widget->form()->tableView->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QVector<int> SubtitleDock::selectedRows() const
{
    QVector<int> rows;
    for (const QModelIndex &index : m_widget->form()->tableView->selectionModel()->selectedIndexes()) {
        if (!rows.contains(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString SubtitleDock::statusText() const
{
    return m_widget->form()->labelStatus->text();
}

void SubtitleDock::onAdd()
{
    if (!m_session)
        return;
    const int row = currentRow() + 1;
    SubtitleEvent fresh;
    fresh.Style = 1;
    m_session->history()->push(new InsertSubtitleCommand(table(), row, fresh));
    QTableView *view = m_widget->form()->tableView;
    view->setCurrentIndex(m_session->model()->index(row, SubtitleTable::StartColumn));
    view->selectRow(row);
    loadCurrentRow();
}

void SubtitleDock::onDelete()
{
    if (!m_session)
        return;
    const QVector<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    if (QMessageBox::question(this, tr("Delete"), tr("Are you sure delete subtitle?"),
                              QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    m_session->history()->push(new RemoveSubtitlesCommand(table(), rows));
}

void SubtitleDock::onStyle()
{
    if (!m_session)
        return;
    StyleDialog dialog(this);
    dialog.setStyles(m_session->document().styles);
    if (dialog.exec() == QDialog::Accepted)
        changeStyles(dialog.styles());
}

void SubtitleDock::changeStyles(const QVector<SubtitleStyle> &styles)
{
    if (!m_session)
        return;
    const SubtitleParser &document = m_session->document();
    // The style editor's rule for lines whose style was renamed or deleted, on a scratch copy.
    SubtitleParser changed;
    changed.styles = document.styles;
    changed.events = document.events;
    StyleDialog::replaceStyles(changed, styles);
    ChangeStylesCommand::Styles before{document.styles, table()->styleNumbers()};
    ChangeStylesCommand::Styles after{changed.styles, {}};
    for (const SubtitleEvent &event : qAsConst(changed.events))
        after.numbers.append(event.Style);
    m_session->history()->push(new ChangeStylesCommand(table(), before, after));
}

void SubtitleDock::onShiftTimes()
{
    if (!m_session)
        return;
    PanTimeDialog dialog(this);
    for (auto affect : {SubtitleEdits::Affect::AllRows, SubtitleEdits::Affect::SelectedRows,
                        SubtitleEdits::Affect::SelectionOnward}) {
        const QVector<int> rows = SubtitleEdits::affectedRows(affect, table()->rowCount(), selectedRows(), currentRow());
        if (!rows.isEmpty())
            dialog.setFirstLine(affect, rows.first(), table()->event(rows.first()));
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    shiftTimes(dialog.delta(), SubtitleEdits::Affect(dialog.affect()), SubtitleEdits::Times(dialog.times()));
}

int SubtitleDock::shiftTimes(qint64 deltaMs, SubtitleEdits::Affect affect, SubtitleEdits::Times times)
{
    if (!m_session)
        return 0;
    const QVector<int> rows = SubtitleEdits::affectedRows(affect, table()->rowCount(), selectedRows(), currentRow());
    QVector<int> changedRows;
    QVector<SubtitleEvent> before, after;
    int stopped = 0;
    for (int row : rows) {
        SubtitleEvent event = table()->event(row);
        const SubtitleEvent original = event;
        if (SubtitleEdits::shiftEvent(event, deltaMs, times))
            ++stopped;
        if (SubtitleEdits::sameCue(original, event))
            continue;
        changedRows.append(row);
        before.append(original);
        after.append(event);
    }
    if (!changedRows.isEmpty())
        m_session->history()->push(new ChangeSubtitlesCommand(table(), changedRows, before, after, tr("Shift times")));
    if (stopped > 0)
        showStatus(tr("Lines shifted: %1. Kept from going below zero or ending before they start: %2.")
                       .arg(changedRows.size())
                       .arg(stopped));
    else
        showStatus(tr("Lines shifted: %1.").arg(changedRows.size()));
    return stopped;
}

void SubtitleDock::onReplace()
{
    if (!m_session)
        return;
    ReplaceDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    replaceTexts(dialog.findText(), dialog.replaceText(), SubtitleEdits::Affect(dialog.affect()));
}

int SubtitleDock::replaceTexts(const QString &find, const QString &replacement, SubtitleEdits::Affect affect)
{
    if (!m_session)
        return 0;
    const QVector<int> rows = SubtitleEdits::affectedRows(affect, table()->rowCount(), selectedRows(), currentRow());
    QVector<int> changedRows;
    QVector<SubtitleEvent> before, after;
    for (int row : rows) {
        SubtitleEvent event = table()->event(row);
        const SubtitleEvent original = event;
        if (!SubtitleEdits::replaceText(event, find, replacement))
            continue;
        changedRows.append(row);
        before.append(original);
        after.append(event);
    }
    if (changedRows.isEmpty()) {
        showStatus(tr("No line contains \"%1\".").arg(find));
        return 0;
    }
    m_session->history()->push(new ChangeSubtitlesCommand(table(), changedRows, before, after, tr("Replace text")));
    showStatus(tr("Lines changed: %1.").arg(changedRows.size()));
    return changedRows.size();
}

void SubtitleDock::onClicked(const QModelIndex &)
{
    loadCurrentRow();
}

void SubtitleDock::loadCurrentRow()
{
    if (!m_session)
        return;
    const int row = currentRow();
    QScopedValueRollback<bool> loading(m_loadingFields, true);
    Ui::SubtitleWidget *ui = m_widget->form();
    const bool hasRow = row >= 0 && row < table()->rowCount();
    ui->timeEditStart->setEnabled(hasRow);
    ui->timeEditEnd->setEnabled(hasRow);
    ui->plainTextEdit->setEnabled(hasRow);
    // Without a current line the fields show an empty one.
    const SubtitleEvent event = hasRow ? table()->event(row) : SubtitleEvent();
    // Times of a day or more have no clock value; the field then shows the latest it can.
    const QTime start = TimeConv::toTime(event.Start * 1000);
    const QTime end = TimeConv::toTime(event.End * 1000);
    ui->timeEditStart->setTime(start.isValid() ? start : ui->timeEditStart->maximumTime());
    ui->timeEditEnd->setTime(end.isValid() ? end : ui->timeEditEnd->maximumTime());
    // Rewriting equal text would put the cursor back to the start while typing.
    if (ui->plainTextEdit->toPlainText() != event.Text)
        ui->plainTextEdit->setPlainText(event.Text);
    showDuration();
}

void SubtitleDock::changeCurrentRow(int kind, const QString &text, const std::function<void(SubtitleEvent &)> &change)
{
    const int row = currentRow();
    if (m_loadingFields || !m_session || row < 0 || row >= table()->rowCount())
        return;
    const SubtitleEvent before = table()->event(row);
    SubtitleEvent after = before;
    change(after);
    if (!SubtitleEdits::sameCue(before, after))
        m_session->history()->push(new ChangeSubtitlesCommand(table(), {row}, {before}, {after}, text, kind));
    showDuration();
}

void SubtitleDock::onStartTime(QTime time)
{
    changeCurrentRow(StartField, tr("Edit start time"), [&time](SubtitleEvent &event) {
        event.Start = milliseconds(time);
    });
}

void SubtitleDock::onEndTime(QTime time)
{
    changeCurrentRow(EndField, tr("Edit end time"), [&time](SubtitleEvent &event) {
        event.End = milliseconds(time);
    });
}

void SubtitleDock::onTextChanged()
{
    const QString text = m_widget->form()->plainTextEdit->toPlainText();
    changeCurrentRow(TextField, tr("Edit text"), [&text](SubtitleEvent &event) { event.Text = text; });
}

void SubtitleDock::onCellEdited(int row, const SubtitleEvent &before, const SubtitleEvent &after)
{
    m_session->history()->push(new ChangeSubtitlesCommand(table(), {row}, {before}, {after}, tr("Edit subtitle")));
}

void SubtitleDock::onPlayPosition(qint64 microseconds)
{
    if (!m_session)
        return;
    const qint64 ms = microseconds / 1000;
    QSet<int> shown;
    int first = -1;
    for (int row = 0; row < table()->rowCount(); ++row) {
        const SubtitleEvent &event = m_session->document().events.at(row);
        if (event.Start <= ms && ms < event.End) {
            shown.insert(row);
            if (first < 0)
                first = row;
        }
    }
    // The position arrives with every refresh of the preview; the table follows only when the
    // cue on screen changes, so the user can still scroll it while the preview plays.
    if (shown == table()->shownRows())
        return;
    table()->setShownRows(shown);
    if (first >= 0)
        m_widget->form()->tableView->scrollTo(m_session->model()->index(first, 0), QAbstractItemView::EnsureVisible);
}

void SubtitleDock::refillStyles()
{
    QComboBox *box = m_widget->form()->comboBoxStyle;
    box->clear();
    for (const SubtitleStyle &style : qAsConst(m_session->document().styles))
        box->addItem(style.Name);
}

void SubtitleDock::showDuration()
{
    Ui::SubtitleWidget *ui = m_widget->form();
    const qint64 duration = milliseconds(ui->timeEditEnd->time()) - milliseconds(ui->timeEditStart->time());
    ui->labelDuration->setText(TimeConv::toText(qMax<qint64>(0, duration) * 1000));
}

void SubtitleDock::showStatus(const QString &text)
{
    QLabel *status = m_widget->form()->labelStatus;
    status->setText(text);
    status->setVisible(!text.isEmpty());
}

void SubtitleDock::retranslate()
{
    m_widget->form()->retranslateUi(m_widget);
    SetTitle(tr("Subtitle"));
    if (m_session)
        table()->retranslateHeaders();
}
