#include "editor/layeredmanagewidget.h"

#include "common/timeconv.h"
#include "editor/qwatermarkbase.h"
#include "player/timelabel.h"

#include <QComboBox>
#include <QGraphicsScene>
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

QTimeEdit *newTimeEdit(qint64 us)
{
    auto *edit = new QTimeEdit;
    edit->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    const QTime time = TimeConv::toTime(us);
    edit->setTime(time.isValid() ? time : QTime(0, 0));
    return edit;
}

QPixmap previewOf(QWatermarkBase *item)
{
    const QImage image = item->layerImage();
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

    connect(m_opacitySpin, QOverload<int>::of(&QSpinBox::valueChanged), this, &LayeredManageWidget::onOpacity);
    connect(m_speedSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, &LayeredManageWidget::onSpeed);
    connect(m_animationCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &LayeredManageWidget::onAnimation);
    connect(m_fadeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &LayeredManageWidget::onFade);
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
    connect(m_table, &QTableWidget::cellClicked, this,
            QOverload<int, int>::of(&LayeredManageWidget::onCellClicked));
}

int LayeredManageWidget::rowOf(QWatermarkBase *item) const
{
    return m_rows.value(item, -1);
}

QWatermarkBase *LayeredManageWidget::layerAt(int row) const
{
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        if (it.value() == row)
            return it.key();
    }
    return nullptr;
}

void LayeredManageWidget::onAddLayer(QWatermarkBase *item)
{
    if (!item || m_rows.contains(item))
        return;
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    m_table->setRowHeight(row, kRowHeight);
    auto *preview = new QLabel;
    preview->setAlignment(Qt::AlignCenter);
    auto *start = newTimeEdit(0);
    auto *end = newTimeEdit(0);
    auto *duration = new TimeLabel;
    m_table->setCellWidget(row, PreviewColumn, preview);
    m_table->setCellWidget(row, StartColumn, start);
    m_table->setCellWidget(row, EndColumn, end);
    m_table->setCellWidget(row, DurationColumn, duration);
    m_rows.insert(item, row);
    writeRow(row, item);
    connect(start, &QTimeEdit::timeChanged, duration, &TimeLabel::onStartTime);
    connect(end, &QTimeEdit::timeChanged, duration, &TimeLabel::onEndTime);
    connect(start, &QTimeEdit::timeChanged, this, &LayeredManageWidget::onStartTime);
    connect(end, &QTimeEdit::timeChanged, this, &LayeredManageWidget::onEndTime);
    selectRows({row});
    loadControls(item);
}

void LayeredManageWidget::onRemoveLayer(QWatermarkBase *item)
{
    const int row = m_rows.value(item, -1);
    if (row < 0)
        return;
    m_rows.remove(item);
    for (auto it = m_rows.begin(); it != m_rows.end(); ++it) {
        if (it.value() > row)
            --it.value();
    }
    m_table->removeRow(row);
}

void LayeredManageWidget::writeRow(int row, QWatermarkBase *item)
{
    const CLayerInfo &info = item->layerInfo();
    if (auto *preview = qobject_cast<QLabel *>(m_table->cellWidget(row, PreviewColumn)))
        preview->setPixmap(previewOf(item));
    auto *start = qobject_cast<QTimeEdit *>(m_table->cellWidget(row, StartColumn));
    auto *end = qobject_cast<QTimeEdit *>(m_table->cellWidget(row, EndColumn));
    auto *duration = qobject_cast<TimeLabel *>(m_table->cellWidget(row, DurationColumn));
    const QSignalBlocker blockStart(start);
    const QSignalBlocker blockEnd(end);
    start->setTime(TimeConv::toTime(info.StartTime));
    end->setTime(TimeConv::toTime(info.EndTime));
    duration->onStartTime(start->time());
    duration->onEndTime(end->time());
}

void LayeredManageWidget::loadControls(QWatermarkBase *item)
{
    const CLayerInfo &info = item->layerInfo();
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

void LayeredManageWidget::onCellClicked(int row, int column)
{
    Q_UNUSED(column)
    QWatermarkBase *item = layerAt(row);
    if (!item)
        return;
    // The canvas shows the same selection as the table.
    const QList<QWatermarkBase *> selected = selectedLayers();
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
        it.key()->setSelected(selected.contains(it.key()) || it.key() == item);
    loadControls(item);
    writeRow(row, item);
}

void LayeredManageWidget::onCellClicked(QWatermarkBase *item)
{
    if (!item) {
        m_table->clearSelection();
        resetControls();
        return;
    }
    if (!m_rows.contains(item))
        return;
    QList<int> rows;
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        if (it.key() == item || it.key()->isSelected())
            rows << it.value();
    }
    selectRows(rows);
    loadControls(item);
}

void LayeredManageWidget::selectRows(const QList<int> &rows)
{
    QItemSelection selection;
    for (int row : rows)
        selection.select(m_table->model()->index(row, 0),
                         m_table->model()->index(row, m_table->columnCount() - 1));
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty())
        m_table->selectionModel()->setCurrentIndex(m_table->model()->index(rows.last(), 0),
                                                   QItemSelectionModel::NoUpdate);
}

QList<QWatermarkBase *> LayeredManageWidget::selectedLayers() const
{
    QList<QWatermarkBase *> layers;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows()) {
        if (QWatermarkBase *item = layerAt(index.row()))
            layers << item;
    }
    return layers;
}

void LayeredManageWidget::onOpacity(int value)
{
    for (QWatermarkBase *item : selectedLayers())
        item->info().Transparent = value;
}

void LayeredManageWidget::onSpeed(int value)
{
    for (QWatermarkBase *item : selectedLayers())
        item->info().Speed = value;
}

void LayeredManageWidget::onAnimation(int index)
{
    enableSpeed(index != CLayerInfo::NoMotion);
    for (QWatermarkBase *item : selectedLayers())
        item->info().Animation = index;
}

void LayeredManageWidget::onFade(int index)
{
    for (QWatermarkBase *item : selectedLayers())
        item->info().fade = index;
}

void LayeredManageWidget::onStartTime(QTime time)
{
    applyTime(sender(), true, time);
}

void LayeredManageWidget::onEndTime(QTime time)
{
    applyTime(sender(), false, time);
}

QList<QWatermarkBase *> LayeredManageWidget::timeTargets(QObject *edit, int *editRow) const
{
    *editRow = -1;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->cellWidget(row, StartColumn) == edit || m_table->cellWidget(row, EndColumn) == edit)
            *editRow = row;
    }
    QList<QWatermarkBase *> targets;
    if (QWatermarkBase *own = layerAt(*editRow))
        targets << own;
    // A row that is part of the selection carries the change to the whole selection.
    const QList<QWatermarkBase *> selected = selectedLayers();
    if (!targets.isEmpty() && selected.contains(targets.first())) {
        for (QWatermarkBase *item : selected) {
            if (!targets.contains(item))
                targets << item;
        }
    }
    return targets;
}

void LayeredManageWidget::applyTime(QObject *edit, bool start, const QTime &time)
{
    int editRow = -1;
    const qint64 us = TimeConv::fromTime(time);
    for (QWatermarkBase *item : timeTargets(edit, &editRow)) {
        CLayerInfo &info = item->info();
        (start ? info.StartTime : info.EndTime) = us;
        const int row = rowOf(item);
        if (row != editRow)
            writeRow(row, item);
    }
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
    const int count = m_table->rowCount();
    if (from == to || from < 0 || to < 0 || from >= count || to >= count)
        return;
    QWatermarkBase *moving = layerAt(from);
    QWatermarkBase *other = layerAt(to);
    if (!moving || !other)
        return;
    m_rows[moving] = to;
    m_rows[other] = from;
    const qreal z = moving->zValue();
    moving->setZValue(other->zValue());
    other->setZValue(z);
    writeRow(from, other);
    writeRow(to, moving);
    selectRows({to});
}
