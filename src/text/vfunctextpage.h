#pragma once

#include "text/cfqwidget.h"

class QComboBox;
class QFontComboBox;
class QPushButton;
class QTextEdit;

// The "Text" page: the text itself, its font family and pixel size, bold, italic, underline.
class VFuncTextPage : public CFQWidget
{
    Q_OBJECT
public:
    explicit VFuncTextPage(CWordArtInfo *info, QWidget *parent = nullptr);

    // Puts a text into the field (and so into the record).
    void setText(const QString &text);
    // Takes the keyboard with the whole text selected (typing replaces it) or the cursor after it.
    enum class TextFocus { SelectAll, AtEnd };
    void focusText(TextFocus focus);

protected:
    void fillControls() override;

private slots:
    void onFamilyChanged(const QFont &font);
    void onSizeChanged(const QString &text);
    void onBold();
    void onItalic();
    void onUnderline();
    void onTextEdited();

private:
    void restyleEditor();

    QFontComboBox *m_family;
    QComboBox *m_size;
    QPushButton *m_bold;
    QPushButton *m_italic;
    QPushButton *m_underline;
    QTextEdit *m_edit;
};
