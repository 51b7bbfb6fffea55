#include "subtitles/subtitledock.h"

#include "app/core.h"
#include "common/timeconv.h"
#include "subtitles/qsubtitledelegate.h"
#include "subtitles/qtimedelegate.h"
#include "subtitles/pantimedialog.h"
#include "subtitles/replacedialog.h"
#include "subtitles/styledialog.h"
#include "subtitles/subtitlecommands.h"
#include "subtitles/subtitletable.h"
#include "subtitles/subtitlewidget.h"

#include "ui_subtitlewidget.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QStandardItemModel>
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
    , m_model(new QStandardItemModel(this))
    , m_table(new SubtitleTable(&core().subtitles, m_model, this))
    , m_undoStack(new QUndoStack(this))
{
    setObjectName(QStringLiteral("SubtitleDock"));
    SetTitle(tr("Subtitle"));
    setWidget(m_widget);
    setUpTable();
    connectControls();
    m_table->reload();
    refillStyles();
    loadCurrentRow();
}

SubtitleDock::~SubtitleDock()
{
    // The stack empties itself on the way out; that is no edit and no reason to
    // clear the application's modified mark.
    m_undoStack->disconnect(this);
}

QToolButton *SubtitleDock::openButton() const
{
    return m_widget->form()->toolButtonOpen;
}

void SubtitleDock::setUpTable()
{
    QTableView *view = m_widget->form()->tableView;
    view->setModel(m_model);
    view->setItemDelegateForColumn(SubtitleTable::StartColumn, new QTimeDelegate(view));
    view->setItemDelegateForColumn(SubtitleTable::EndColumn, new QTimeDelegate(view));
    view->setItemDelegateForColumn(SubtitleTable::TextColumn, new QSubtitleDelegate(view));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->setDefaultSectionSize(40);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setStretchLastSection(true);
    resetTable(false);
}

void SubtitleDock::resetTable(bool fileLoaded)
{
    m_table->resetHeaders(fileLoaded);
    // New columns come with default widths.
    QTableView *view = m_widget->form()->tableView;
    view->setColumnWidth(SubtitleTable::StartColumn, 120);
    view->setColumnWidth(SubtitleTable::EndColumn, 120);
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
    connect(ui->tableView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { loadCurrentRow(); });
    connect(ui->tableView, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit sigSeekRequested(m_table->event(index.row()).Start * 1000);
    });
    connect(ui->timeEditStart, &QTimeEdit::timeChanged, this, &SubtitleDock::onStartTime);
    connect(ui->timeEditEnd, &QTimeEdit::timeChanged, this, &SubtitleDock::onEndTime);
    connect(ui->plainTextEdit, &QPlainTextEdit::textChanged, this, &SubtitleDock::onTextChanged);
    connect(m_table, &SubtitleTable::sigCellEdited, this, &SubtitleDock::onCellEdited);
    connect(m_table, &SubtitleTable::sigStylesChanged, this, &SubtitleDock::refillStyles);

    connect(m_undoStack, &QUndoStack::cleanChanged, this, [](bool clean) { core().subtitleChanged = !clean; });
    // A message about an edit no longer holds once the history moves (an undo, a redo, a new edit).
    connect(m_undoStack, &QUndoStack::indexChanged, this, [this] {
        loadCurrentRow();
        showStatus(QString());
    });
    QAction *undo = m_undoStack->createUndoAction(this, tr("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_undoStack->createRedoAction(this, tr("Redo"));
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
    SubtitleParser &document = core().subtitles;
    resetTable(true);
    const bool read = !path.isEmpty() && document.read(path);
    // A file that cannot be read leaves no lines, so that the table and the document agree.
    if (!read)
        document.events.clear();
    core().subtitlePath = path;
    SetSubtitle(QFileInfo(path).fileName());
    startFresh();
    showStatus(read ? QString() : tr("%1 could not be read as subtitles.").arg(QDir::toNativeSeparators(path)));
    return read;
}

void SubtitleDock::reload()
{
    SetSubtitle(QFileInfo(core().subtitlePath).fileName());
    const bool unsaved = core().subtitleChanged;
    startFresh();
    // The history is gone, not the changes: no undo may make the lines look saved.
    if (unsaved)
        m_undoStack->resetClean();
}

void SubtitleDock::startFresh()
{
    m_table->reload();
    refillStyles();
    m_undoStack->clear();
    core().subtitleChanged = false;
    loadCurrentRow();
}

QString SubtitleDock::proposedSaveName() const
{
    const QFileInfo current(core().subtitlePath);
    if (!current.isFile())
        return QString();
    return current.dir().filePath(current.completeBaseName() + QStringLiteral(".ass"));
}

bool SubtitleDock::saveTo(const QString &path)
{
    const QString ending = path.right(4).toLower();
    const QString target = (ending == QLatin1String(".ass") || ending == QLatin1String(".ssa"))
                               ? path
                               : path + QStringLiteral(".ass");
    if (!core().subtitles.writeAss(target)) {
        showStatus(tr("%1 could not be written.").arg(QDir::toNativeSeparators(target)));
        return false;
    }
    core().subtitlePath = target;
    m_undoStack->setClean();
    core().subtitleChanged = false;
    SetSubtitle(QFileInfo(target).fileName());
    showStatus(tr("Saved to %1.").arg(QDir::toNativeSeparators(target)));
    return true;
}

void SubtitleDock::onSave()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save ASS File"), proposedSaveName(), tr("ASS File(*.ass)"));
    if (!path.isEmpty())
        saveTo(path);
}

bool SubtitleDock::promptSaveOnClose()
{
    const bool unnamed = m_model->rowCount() > 0 && core().subtitlePath.isEmpty();
    if (!unnamed && !core().subtitleChanged)
        return true;
    onSave();
    return !core().subtitleChanged && !core().subtitlePath.isEmpty();
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
    const int row = currentRow() + 1;
    SubtitleEvent fresh;
    fresh.Style = 1;
    m_undoStack->push(new InsertSubtitleCommand(m_table, row, fresh));
    QTableView *view = m_widget->form()->tableView;
    view->setCurrentIndex(m_model->index(row, SubtitleTable::StartColumn));
    view->selectRow(row);
    loadCurrentRow();
}

void SubtitleDock::onDelete()
{
    const QVector<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    if (QMessageBox::question(this, tr("Delete"), tr("Are you sure delete subtitle?"),
                              QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    m_undoStack->push(new RemoveSubtitlesCommand(m_table, rows));
}

void SubtitleDock::onStyle()
{
    StyleDialog dialog(this);
    dialog.setStyles(core().subtitles.styles);
    if (dialog.exec() == QDialog::Accepted)
        changeStyles(dialog.styles());
}

void SubtitleDock::changeStyles(const QVector<SubtitleStyle> &styles)
{
    const SubtitleParser &document = core().subtitles;
    // The style editor's rule for lines whose style was renamed or deleted, on a scratch copy.
    SubtitleParser changed;
    changed.styles = document.styles;
    changed.events = document.events;
    StyleDialog::replaceStyles(changed, styles);
    ChangeStylesCommand::Styles before{document.styles, m_table->styleNumbers()};
    ChangeStylesCommand::Styles after{changed.styles, {}};
    for (const SubtitleEvent &event : qAsConst(changed.events))
        after.numbers.append(event.Style);
    m_undoStack->push(new ChangeStylesCommand(m_table, before, after));
}

void SubtitleDock::onShiftTimes()
{
    PanTimeDialog dialog(this);
    for (auto affect : {SubtitleEdits::Affect::AllRows, SubtitleEdits::Affect::SelectedRows,
                        SubtitleEdits::Affect::SelectionOnward}) {
        const QVector<int> rows = SubtitleEdits::affectedRows(affect, m_table->rowCount(), selectedRows(), currentRow());
        if (!rows.isEmpty())
            dialog.setFirstLine(affect, rows.first(), m_table->event(rows.first()));
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    shiftTimes(dialog.delta(), SubtitleEdits::Affect(dialog.affect()), SubtitleEdits::Times(dialog.times()));
}

int SubtitleDock::shiftTimes(qint64 deltaMs, SubtitleEdits::Affect affect, SubtitleEdits::Times times)
{
    const QVector<int> rows = SubtitleEdits::affectedRows(affect, m_table->rowCount(), selectedRows(), currentRow());
    QVector<int> changedRows;
    QVector<SubtitleEvent> before, after;
    int stopped = 0;
    for (int row : rows) {
        SubtitleEvent event = m_table->event(row);
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
        m_undoStack->push(new ChangeSubtitlesCommand(m_table, changedRows, before, after, tr("Shift times")));
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
    ReplaceDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    replaceTexts(dialog.findText(), dialog.replaceText(), SubtitleEdits::Affect(dialog.affect()));
}

int SubtitleDock::replaceTexts(const QString &find, const QString &replacement, SubtitleEdits::Affect affect)
{
    const QVector<int> rows = SubtitleEdits::affectedRows(affect, m_table->rowCount(), selectedRows(), currentRow());
    QVector<int> changedRows;
    QVector<SubtitleEvent> before, after;
    for (int row : rows) {
        SubtitleEvent event = m_table->event(row);
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
    m_undoStack->push(new ChangeSubtitlesCommand(m_table, changedRows, before, after, tr("Replace text")));
    showStatus(tr("Lines changed: %1.").arg(changedRows.size()));
    return changedRows.size();
}

void SubtitleDock::onClicked(const QModelIndex &)
{
    loadCurrentRow();
}

void SubtitleDock::loadCurrentRow()
{
    const int row = currentRow();
    QScopedValueRollback<bool> loading(m_loadingFields, true);
    Ui::SubtitleWidget *ui = m_widget->form();
    const bool hasRow = row >= 0 && row < m_table->rowCount();
    ui->timeEditStart->setEnabled(hasRow);
    ui->timeEditEnd->setEnabled(hasRow);
    ui->plainTextEdit->setEnabled(hasRow);
    // Without a current line the fields show an empty one.
    const SubtitleEvent event = hasRow ? m_table->event(row) : SubtitleEvent();
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
    if (m_loadingFields || row < 0 || row >= m_table->rowCount())
        return;
    const SubtitleEvent before = m_table->event(row);
    SubtitleEvent after = before;
    change(after);
    if (!SubtitleEdits::sameCue(before, after))
        m_undoStack->push(new ChangeSubtitlesCommand(m_table, {row}, {before}, {after}, text, kind));
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
    m_undoStack->push(new ChangeSubtitlesCommand(m_table, {row}, {before}, {after}, tr("Edit subtitle")));
}

void SubtitleDock::onPlayPosition(qint64 microseconds)
{
    const qint64 ms = microseconds / 1000;
    QSet<int> shown;
    int first = -1;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const SubtitleEvent &event = core().subtitles.events.at(row);
        if (event.Start <= ms && ms < event.End) {
            shown.insert(row);
            if (first < 0)
                first = row;
        }
    }
    // The position arrives with every refresh of the preview; the table follows only when the
    // cue on screen changes, so the user can still scroll it while the preview plays.
    if (shown == m_table->shownRows())
        return;
    m_table->setShownRows(shown);
    if (first >= 0)
        m_widget->form()->tableView->scrollTo(m_model->index(first, 0), QAbstractItemView::EnsureVisible);
}

void SubtitleDock::refillStyles()
{
    QComboBox *box = m_widget->form()->comboBoxStyle;
    box->clear();
    for (const SubtitleStyle &style : qAsConst(core().subtitles.styles))
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

void SubtitleDock::showEvent(QShowEvent *event)
{
    if (!m_table->matchesDocument())
        reload();
    PanelWidget::showEvent(event);
}

void SubtitleDock::retranslate()
{
    m_widget->form()->retranslateUi(m_widget);
    SetTitle(tr("Subtitle"));
    m_table->retranslateHeaders();
}
