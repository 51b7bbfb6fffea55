#pragma once

#include <QHash>
#include <QList>
#include <QTime>
#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class QTimeEdit;
class QToolButton;
class QWatermarkBase;

// The layer list beside the canvas: one row per layer with its preview and times, and
// the animation, fade, speed and opacity controls that act on every selected row.
class LayeredManageWidget : public QWidget
{
    Q_OBJECT
public:
    enum Column { PreviewColumn, StartColumn, EndColumn, DurationColumn };

    explicit LayeredManageWidget(QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // The row that shows the layer, or -1.
    int rowOf(QWatermarkBase *item) const;
    // The layer shown in a row, or null.
    QWatermarkBase *layerAt(int row) const;
    QTableWidget *table() const { return m_table; }

public slots:
    void onAddLayer(QWatermarkBase *item);
    void onRemoveLayer(QWatermarkBase *item);
    void onCellClicked(int row, int column);
    // A press on the canvas: null when it hit no layer.
    void onCellClicked(QWatermarkBase *item);
    void onStartTime(QTime time);
    void onEndTime(QTime time);
    void onUp();
    void onDown();

private:
    void buildControls();
    void buildTable();
    void writeRow(int row, QWatermarkBase *item);
    void loadControls(QWatermarkBase *item);
    void resetControls();
    void moveLayer(int from, int to);
    QList<QWatermarkBase *> selectedLayers() const;
    // The layers a change made in a row's time edit applies to.
    QList<QWatermarkBase *> timeTargets(QObject *edit, int *editRow) const;
    void applyTime(QObject *edit, bool start, const QTime &time);
    void selectRows(const QList<int> &rows);
    void onOpacity(int value);
    void onSpeed(int value);
    void onAnimation(int index);
    void onFade(int index);
    void enableSpeed(bool enabled);

    QToolButton *m_upButton;
    QToolButton *m_downButton;
    QComboBox *m_animationCombo;
    QLabel *m_speedLabel;
    QSpinBox *m_speedSpin;
    QComboBox *m_fadeCombo;
    QSpinBox *m_opacitySpin;
    QTableWidget *m_table;
    QHash<QWatermarkBase *, int> m_rows;
};
