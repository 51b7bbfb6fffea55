#pragma once

#include "layers/watermarkdocument.h"

#include <QList>
#include <QTime>
#include <QWidget>

#include <functional>

class CanvasHistory;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class QTimeEdit;
class QToolButton;

// The layer list beside the canvas, a view of the watermark document: one row per layer,
// lowest first, with its preview and times, and the animation, fade, speed and opacity
// controls that act on every selected row. Every change it makes is a command of the
// history; it shows the document again whenever that changes, whoever changed it.
class LayeredManageWidget : public QWidget
{
    Q_OBJECT
public:
    enum Column { PreviewColumn, StartColumn, EndColumn, DurationColumn };

    explicit LayeredManageWidget(QWidget *parent = nullptr);

    // Shows the history's document and edits it through the history.
    void setHistory(CanvasHistory *history);

    QSize sizeHint() const override;

    // The row that shows a layer, or -1.
    int rowOf(LayerId id) const { return m_rows.indexOf(id); }
    // The layer shown in a row, or 0.
    LayerId layerAt(int row) const { return m_rows.value(row); }
    QTableWidget *table() const { return m_table; }

public slots:
    // The layers selected on the canvas: their rows are selected, and the controls show one
    // of them (reset when there is none).
    void showSelection(const QList<LayerId> &ids);
    void onCellClicked(int row, int column);
    void onUp();
    void onDown();

signals:
    // The user chose rows: the canvas is to select their layers.
    void selectionRequested(const QList<LayerId> &ids);

private:
    void buildControls();
    void buildTable();
    void showRows();
    void writeRow(int row, bool withPreview);
    void loadControls(LayerId id);
    void resetControls();
    void onLayerChanged(LayerId id, LayerFields fields);
    void onTableSelectionChanged();
    void moveLayer(int from, int to);
    QList<LayerId> selectedLayers() const;
    // The layers a change made in a row's time edit applies to.
    QList<LayerId> timeTargets(QObject *edit) const;
    void applyTime(QObject *edit, bool start, const QTime &time);
    void selectRows(const QList<int> &rows);
    void editSelected(const std::function<void(CLayerInfo &)> &edit, LayerFields fields, const QString &text);
    void enableSpeed(bool enabled);

    CanvasHistory *m_history = nullptr;
    const WatermarkDocument *m_document = nullptr;
    QToolButton *m_upButton;
    QToolButton *m_downButton;
    QComboBox *m_animationCombo;
    QLabel *m_speedLabel;
    QSpinBox *m_speedSpin;
    QComboBox *m_fadeCombo;
    QSpinBox *m_opacitySpin;
    QTableWidget *m_table;
    QList<LayerId> m_rows;     // the layer of each row
    QList<LayerId> m_selected; // as the canvas selects them
    LayerId m_shown = 0;       // the layer whose values the controls show
    bool m_mirroring = false;  // set while the rows follow the canvas's selection
};
