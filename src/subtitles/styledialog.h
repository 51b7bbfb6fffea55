#pragma once

#include "subtitles/subtitlestyle.h"

#include <QDialog>
#include <QVector>

class QColor;
class QFont;
class SubtitleParser;

namespace Ui {
class StyleDialog;
}

// "Style Editor": edits a list of ASS styles. The caller hands in a copy of a document's
// styles and, after an accepted close, puts the edited list back with applyTo().
class StyleDialog : public QDialog
{
    Q_OBJECT
public:
    explicit StyleDialog(QWidget *parent = nullptr);
    ~StyleDialog() override;

    // Shows the list, the last style selected. An empty list starts with the default style.
    void setStyles(const QVector<SubtitleStyle> &styles);
    const QVector<SubtitleStyle> &styles() const { return m_styles; }
    // Gives the document the edited styles; every line keeps the style it had by name,
    // and lines whose style was deleted take the first style.
    void applyTo(SubtitleParser &document) const;
    static void replaceStyles(SubtitleParser &document, const QVector<SubtitleStyle> &styles);

    // Takes every style of a style, ASS or SSA file; false (and the list unchanged) when
    // the file cannot be read or holds no styles.
    bool openStyleFile(const QString &path);
    // Writes the list as a style file.
    bool saveStyleFile(const QString &path);

    // The transparency byte shown as an opacity in percent, and back.
    static int opacityFromTransparency(int transparency);
    static int transparencyFromOpacity(int opacity);

private slots:
    void on_comboBoxStyle_currentIndexChanged(int index);
    void on_fontComboBox_currentFontChanged(const QFont &font);
    void on_comboBoxSize_currentTextChanged(const QString &text);
    void on_checkBoxBold_stateChanged(int state);
    void on_checkBoxItalic_stateChanged(int state);
    void on_checkBoxUnderline_stateChanged(int state);
    void on_checkBoxStrikeout_stateChanged(int state);
    void onPrimaryColorChanged(const QColor &color);
    void onSecondaryColorChanged(const QColor &color);
    void onOutlineColorChanged(const QColor &color);
    void onShadeColorChanged(const QColor &color);
    void on_spinBoxPA_valueChanged(int value);
    void on_spinBoxSA_valueChanged(int value);
    void on_spinBoxOA_valueChanged(int value);
    void on_spinBoxSA_2_valueChanged(int value);
    void on_spinBoxOutline_valueChanged(int value);
    void on_spinBoxBack_valueChanged(int value);
    void on_spinBoxLeft_valueChanged(int value);
    void on_spinBoxRight_valueChanged(int value);
    void on_spinBoxVertical_valueChanged(int value);
    void on_radioButton1_clicked();
    void on_radioButton2_clicked();
    void on_radioButton3_clicked();
    void on_radioButton4_clicked();
    void on_radioButton5_clicked();
    void on_radioButton6_clicked();
    void on_radioButton7_clicked();
    void on_radioButton8_clicked();
    void on_radioButton9_clicked();
    void on_toolButtonAdd_clicked();
    void on_toolButtonDel_clicked();
    void on_toolButtonOpen_clicked();
    void on_toolButtonSave_clicked();

private:
    // The style the controls edit, or null while there is none.
    SubtitleStyle *current();
    void fillControls();
    // Applies a change to the current style, unless the controls are being filled.
    template <typename Change>
    void edit(Change change);
    void fillStyleBox(int selected);
    void setColour(quint32 SubtitleStyle::*field, const QColor &color);
    void setOpacity(quint32 SubtitleStyle::*field, int opacity);
    void setAlignment(int alignment);
    void say(const QString &message);

    Ui::StyleDialog *ui;
    QVector<SubtitleStyle> m_styles;
    bool m_ready = false;
};
