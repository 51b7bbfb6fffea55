#pragma once

#include <QWidget>

class QCheckBox;

class CWordArtInfo;
class QColor;
class QColorCombox;
class QTimer;
class VSliderSpinBox;

// The base of the text dialog's pages and menu widgets: they edit one shared record,
// announce immediate changes at once and batch the rest behind a repeating timer.
class CFQWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBatchIntervalMs = 3000;

    explicit CFQWidget(CWordArtInfo *info, QWidget *parent = nullptr);

    CWordArtInfo *wordArtInfo() const { return m_info; }
    bool isChanged() const { return m_changed; }
    // Shows the record's values in the controls without writing them back.
    void refresh();

    // Alphas appear in percent: stored = round(percent × 2.55), shown = round(stored / 2.55).
    static int alphaFromPercent(int percent);
    static int percentFromAlpha(int alpha);

signals:
    void sigUpdateText(CWordArtInfo *info);
    // Any edit of the record, batched or not; the dialog's preview follows it.
    void sigEdited();

protected:
    // Fills the controls from the record; called by refresh() with edits ignored.
    virtual void fillControls() {}
    // True while controls are being filled, so their signals do not count as edits.
    bool isFilling() const { return m_filling; }
    // The record was edited; it is announced at the next tick.
    void markChanged();
    // The record was edited and is announced now.
    void updateNow();
    // A slider writes an int field and is batched; a percent slider stores an alpha.
    void bindSlider(VSliderSpinBox *control, int CWordArtInfo::*field, bool percent = false);
    // A colour box writes a colour field, announced at once.
    void bindColor(QColorCombox *control, QColor CWordArtInfo::*field);
    // Lays out a menu whose box switches an effect on and off; the other controls follow it.
    void layOutSwitchedControls(QCheckBox *enable, QWidget *controls, bool CWordArtInfo::*flag);

private slots:
    void onTick();

private:
    CWordArtInfo *m_info;
    QTimer *m_timer;
    bool m_changed = false;
    bool m_filling = false;
};
