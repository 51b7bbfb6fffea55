#include "editor/layeredmanagewidget.h"

#include "common/timeconv.h"
#include "editor/canvashistory.h"
#include "player/timelabel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const int kRowHeight = 40;
const QSize kPreviewSize(80, 40);

QTimeEdit *newTimeEdit()
{
    auto *edit = new QTimeEdit;
    edit->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    return edit;
}

void showTime(QTimeEdit *edit, qint64 us)
{
    QTime time = TimeConv::toTime(us);
    if (!time.isValid())
        time = QTime(0, 0);
    // Rewriting the time the user is typing would move the cursor.
    if (edit->time() == time)
        return;
    const QSignalBlocker block(edit);
    edit->setTime(time);
}

QPixmap previewOf(const QImage &image)
{
    if (image.isNull())
        return QPixmap();
    return QPixmap::fromImage(image.scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
}

LayeredManageWidget::LayeredManageWidget(QWidget *parent)
    : QWidget(parent)
    , m_upButton(new QToolButton(this))
    , m_downButton(new QToolButton(this))
    , m_animationCombo(new QComboBox(this))
    , m_speedLabel(new QLabel(tr("Speed"), this))
    , m_speedSpin(new QSpinBox(this))
    , m_fadeCombo(new QComboBox(this))
    , m_opacitySpin(new QSpinBox(this))
    , m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("LayeredManageWidget"));
    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QHBoxLayout;
    m_upButton->setIcon(QIcon(QStringLiteral(":/res/up.svg")));
    m_upButton->setToolTip(tr("Up"));
    m_downButton->setIcon(QIcon(QStringLiteral(":/res/down.svg")));
    m_downButton->setToolTip(tr("Down"));
    buttons->addWidget(m_upButton);
    buttons->addWidget(m_downButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    buildControls();
    buildTable();
    connect(m_upButton, &QToolButton::clicked, this, &LayeredManageWidget::onUp);
    connect(m_downButton, &QToolButton::clicked, this, &LayeredManageWidget::onDown);
}

QSize LayeredManageWidget::sizeHint() const
{
    return QSize(440, 200);
}

void LayeredManageWidget::setHistory(CanvasHistory *history)
{
    m_history = history;
    m_document = history->document();
    connect(m_document, &WatermarkDocument::layerAdded, this, &LayeredManageWidget::showRows);
    connect(m_document, &WatermarkDocument::layerRemoved, this, &LayeredManageWidget::showRows);
    connect(m_document, &WatermarkDocument::layersReordered, this, &LayeredManageWidget::showRows);
    connect(m_document, &WatermarkDocument::documentReset, this, &LayeredManageWidget::showRows);
    connect(m_document, &WatermarkDocument::layerChanged, this, &LayeredManageWidget::onLayerChanged);
    // Layers shown to the end of the video end where the video does.
    connect(m_document, &WatermarkDocument::canvasChanged, this, [this] {
        for (int row = 0; row < m_rows.size(); ++row)
            writeRow(row, false);
    });
    showRows();
}

void LayeredManageWidget::buildControls()
{
    auto *grid = new QGridLayout;
    grid->setSpacing(5);
    m_animationCombo->setObjectName(QStringLiteral("comboBoxAnimation"));
    m_animationCombo->addItems({tr("None"), tr("Left"), tr("Right"), tr("Top"), tr("Bottom")});
    m_speedSpin->setObjectName(QStringLiteral("spinBoxSpeed"));
    m_speedSpin->setFixedWidth(60);
    m_speedSpin->setRange(0, 999);
    m_speedSpin->setValue(50);
    m_fadeCombo->setObjectName(QStringLiteral("comboBoxFade"));
    m_fadeCombo->addItems({tr("None"), tr("In"), tr("Out"), tr("InOut")});
    m_opacitySpin->setObjectName(QStringLiteral("spinBoxOpacity"));
    m_opacitySpin->setFixedWidth(60);
    m_opacitySpin->setRange(0, 100);
    m_opacitySpin->setValue(100);
    grid->addWidget(new QLabel(tr("Animation"), this), 0, 0);
    grid->addWidget(m_animationCombo, 0, 1);
    grid->addWidget(m_speedLabel, 0, 2);
    grid->addWidget(m_speedSpin, 0, 3);
    grid->addWidget(new QLabel(tr("Fade"), this), 1, 0);
    grid->addWidget(m_fadeCombo, 1, 1);
    grid->addWidget(new QLabel(tr("Opacity"), this), 1, 2);
    grid->addWidget(m_opacitySpin, 1, 3);
    static_cast<QVBoxLayout *>(layout())->addLayout(grid);
    enableSpeed(false);

    connect(m_opacitySpin, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int value) {
        editSelected([value](CLayerInfo &r) { r.Transparent = value; }, LayerField::Opacity, tr("Opacity"));
    });
    connect(m_speedSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int value) {
        editSelected([value](CLayerInfo &r) { r.Speed = value; }, LayerField::Speed, tr("Speed"));
    });
    connect(m_animationCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        enableSpeed(index != CLayerInfo::NoMotion);
        editSelected([index](CLayerInfo &r) { r.Animation = index; }, LayerField::Motion, tr("Animation"));
    });
    connect(m_fadeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        editSelected([index](CLayerInfo &r) { r.fade = index; }, LayerField::Fade, tr("Fade"));
    });
}

void LayeredManageWidget::buildTable()
{
    m_table->setObjectName(QStringLiteral("tableWidget"));
    m_table->setColumnCount(4);
    m_table->setHorizontalHeaderLabels({tr("Preview"), tr("Start"), tr("End"), tr("Duration")});
    m_table->horizontalHeader()->setSectionsClickable(false);
    m_table->horizontalHeader()->setSectionResizeMode(PreviewColumn, QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(StartColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(EndColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(DurationColumn, QHeaderView::Fixed);
    m_table->setColumnWidth(PreviewColumn, kPreviewSize.width());
    m_table->setColumnWidth(DurationColumn, 100);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    static_cast<QVBoxLayout *>(layout())->addWidget(m_table);
    connect(m_table, &QTableWidget::cellClicked, this, &LayeredManageWidget::onCellClicked);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &LayeredManageWidget::onTableSelectionChanged);
}

void LayeredManageWidget::showRows()
{
    m_rows = m_document->ids();
    m_mirroring = true;
    m_table->setRowCount(0);
    m_table->setRowCount(m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row) {
        m_table->setRowHeight(row, kRowHeight);
        auto *preview = new QLabel;
        preview->setAlignment(Qt::AlignCenter);
        QTimeEdit *start = newTimeEdit();
        QTimeEdit *end = newTimeEdit();
        auto *duration = new TimeLabel;
        m_table->setCellWidget(row, PreviewColumn, preview);
        m_table->setCellWidget(row, StartColumn, start);
        m_table->setCellWidget(row, EndColumn, end);
        m_table->setCellWidget(row, DurationColumn, duration);
        writeRow(row, true);
        connect(start, &QTimeEdit::timeChanged, duration, &TimeLabel::onStartTime);
        connect(end, &QTimeEdit::timeChanged, duration, &TimeLabel::onEndTime);
        connect(start, &QTimeEdit::timeChanged, this, [this, start](QTime time) { applyTime(start, true, time); });
        connect(end, &QTimeEdit::timeChanged, this, [this, end](QTime time) { applyTime(end, false, time); });
    }
    m_mirroring = false;
    QList<LayerId> stillThere;
    for (LayerId id : qAsConst(m_selected))
        if (m_rows.contains(id))
            stillThere << id;
    showSelection(stillThere);
}

void LayeredManageWidget::writeRow(int row, bool withPreview)
{
    const LayerId id = layerAt(row);
    if (!id || !m_document->contains(id))
        return;
    const CLayerInfo &info = m_document->layer(id);
    if (withPreview)
        if (auto *preview = qobject_cast<QLabel *>(m_table->cellWidget(row, PreviewColumn)))
            preview->setPixmap(previewOf(info.image));
    auto *start = qobject_cast<QTimeEdit *>(m_table->cellWidget(row, StartColumn));
    auto *end = qobject_cast<QTimeEdit *>(m_table->cellWidget(row, EndColumn));
    auto *duration = qobject_cast<TimeLabel *>(m_table->cellWidget(row, DurationColumn));
    // A layer shown to the end of the video reads the video's end, and its real duration.
    const bool toTheEnd = info.EndTime == 0;
    showTime(start, info.StartTime);
    showTime(end, toTheEnd ? m_document->mediaDuration() : info.EndTime);
    end->setToolTip(toTheEnd ? tr("Until the end of the video") : QString());
    duration->onStartTime(start->time());
    duration->onEndTime(end->time());
}

void LayeredManageWidget::loadControls(LayerId id)
{
    const CLayerInfo &info = m_document->layer(id);
    const QSignalBlocker blockOpacity(m_opacitySpin);
    const QSignalBlocker blockSpeed(m_speedSpin);
    const QSignalBlocker blockAnimation(m_animationCombo);
    const QSignalBlocker blockFade(m_fadeCombo);
    m_opacitySpin->setValue(info.Transparent);
    m_speedSpin->setValue(info.Speed);
    m_animationCombo->setCurrentIndex(qBound(0, info.Animation, m_animationCombo->count() - 1));
    m_fadeCombo->setCurrentIndex(qBound(0, info.fade, m_fadeCombo->count() - 1));
    enableSpeed(m_animationCombo->currentIndex() != CLayerInfo::NoMotion);
}

void LayeredManageWidget::resetControls()
{
    const QSignalBlocker blockOpacity(m_opacitySpin);
    const QSignalBlocker blockSpeed(m_speedSpin);
    const QSignalBlocker blockAnimation(m_animationCombo);
    const QSignalBlocker blockFade(m_fadeCombo);
    m_opacitySpin->setValue(100);
    m_speedSpin->setValue(0);
    m_animationCombo->setCurrentIndex(CLayerInfo::NoMotion);
    m_fadeCombo->setCurrentIndex(CLayerInfo::NoFade);
    enableSpeed(false);
}

void LayeredManageWidget::enableSpeed(bool enabled)
{
    m_speedLabel->setEnabled(enabled);
    m_speedSpin->setEnabled(enabled);
}

void LayeredManageWidget::onLayerChanged(LayerId id, LayerFields fields)
{
    const int row = rowOf(id);
    if (row >= 0)
        writeRow(row, fields & LayerField::Text);
    if (id == m_shown)
        loadControls(id);
}

void LayeredManageWidget::showSelection(const QList<LayerId> &ids)
{
    m_selected = ids;
    QList<int> rows;
    for (LayerId id : ids)
        if (rowOf(id) >= 0)
            rows << rowOf(id);
    if (!ids.contains(m_shown))
        m_shown = rows.isEmpty() ? 0 : layerAt(rows.first());
    if (m_shown && rowOf(m_shown) >= 0) {
        // The row whose values the controls show goes last, where the table keeps its current row.
        rows.removeOne(rowOf(m_shown));
        rows << rowOf(m_shown);
    }
    m_mirroring = true;
    selectRows(rows);
    m_mirroring = false;
    if (m_shown)
        loadControls(m_shown);
    else
        resetControls();
}

void LayeredManageWidget::onTableSelectionChanged()
{
    if (m_mirroring)
        return;
    const QList<LayerId> chosen = selectedLayers();
    const LayerId current = layerAt(m_table->currentRow());
    if (chosen.contains(current))
        m_shown = current;
    emit selectionRequested(chosen);
}

void LayeredManageWidget::onCellClicked(int row, int column)
{
    Q_UNUSED(column)
    const LayerId id = layerAt(row);
    if (!id)
        return;
    m_shown = id;
    if (!selectedLayers().contains(id))
        emit selectionRequested({id});
    loadControls(id);
}

void LayeredManageWidget::selectRows(const QList<int> &rows)
{
    QItemSelection selection;
    for (int row : rows)
        selection.select(m_table->model()->index(row, 0), m_table->model()->index(row, m_table->columnCount() - 1));
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty())
        m_table->selectionModel()->setCurrentIndex(m_table->model()->index(rows.last(), 0),
                                                   QItemSelectionModel::NoUpdate);
}

QList<LayerId> LayeredManageWidget::selectedLayers() const
{
    QList<LayerId> layers;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        if (const LayerId id = layerAt(index.row()))
            layers << id;
    return layers;
}

void LayeredManageWidget::editSelected(const std::function<void(CLayerInfo &)> &edit, LayerFields fields,
                                       const QString &text)
{
    if (m_history)
        m_history->editLayers(selectedLayers(), edit, fields, text, CanvasHistory::MergeRepeats);
}

QList<LayerId> LayeredManageWidget::timeTargets(QObject *edit) const
{
    int editRow = -1;
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (m_table->cellWidget(row, StartColumn) == edit || m_table->cellWidget(row, EndColumn) == edit)
            editRow = row;
    QList<LayerId> targets;
    const LayerId own = layerAt(editRow);
    if (!own)
        return targets;
    targets << own;
    // A row that is part of the selection carries the change to the whole selection.
    const QList<LayerId> selected = selectedLayers();
    if (selected.contains(own))
        for (LayerId id : selected)
            if (!targets.contains(id))
                targets << id;
    return targets;
}

void LayeredManageWidget::applyTime(QObject *edit, bool start, const QTime &time)
{
    if (!m_history)
        return;
    const qint64 us = TimeConv::fromTime(time);
    m_history->editLayers(
        timeTargets(edit), [start, us](CLayerInfo &r) { (start ? r.StartTime : r.EndTime) = us; },
        start ? LayerField::Start : LayerField::End, start ? tr("Start Time") : tr("End Time"),
        CanvasHistory::MergeRepeats);
}

void LayeredManageWidget::onUp()
{
    const int row = m_table->currentRow();
    moveLayer(row, row - 1);
    m_table->setFocus();
}

void LayeredManageWidget::onDown()
{
    const int row = m_table->currentRow();
    moveLayer(row, row + 1);
    m_table->setFocus();
}

void LayeredManageWidget::moveLayer(int from, int to)
{
    const LayerId moving = layerAt(from);
    if (!m_history || from == to || !moving || !layerAt(to))
        return;
    m_history->moveLayer(moving, to);
    m_shown = moving;
    emit selectionRequested({moving});
    m_table->selectionModel()->setCurrentIndex(m_table->model()->index(rowOf(moving), 0),
                                               QItemSelectionModel::NoUpdate);
}
