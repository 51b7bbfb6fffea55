#pragma once

#include "text/cwordartinfo.h"

#include <QDialog>

class QPushButton;
class QTabWidget;
class QTimer;
class VFuncTextEffectPage;
class VFuncTextPage;
class VWordArtPreview;

// "Text Options": edits one word-art record on a "Text" and a "Text Effect" page with a
// live preview. The caller reads the record back after an accepted close.
class VTextPropSheetDialog : public QDialog
{
    Q_OBJECT
public:
    // Starts from the dialog's default record (a new text).
    explicit VTextPropSheetDialog(QWidget *parent = nullptr);
    // Starts from a copy of an existing text's record.
    explicit VTextPropSheetDialog(const CWordArtInfo &info, QWidget *parent = nullptr);

    // The default record: Arial Black at 40 pixels with an inviting text.
    static CWordArtInfo defaultWordArt();

    // The edited record.
    const CWordArtInfo &wordArtInfo() const { return m_info; }
    // Replaces the edited record and shows it in every control.
    void setWordArtInfo(const CWordArtInfo &info);
    // Puts a text into the text page's field.
    void setText(const QString &text);

    VFuncTextPage *textPage() const { return m_textPage; }
    VFuncTextEffectPage *effectPage() const { return m_effectPage; }
    VWordArtPreview *preview() const { return m_preview; }

signals:
    void sigUpdateText(CWordArtInfo *info);

private:
    void build();
    void updatePreview();
    void onEdited();

    CWordArtInfo m_info;
    QTabWidget *m_tabs = nullptr;
    VFuncTextPage *m_textPage = nullptr;
    VFuncTextEffectPage *m_effectPage = nullptr;
    VWordArtPreview *m_preview = nullptr;
    QTimer *m_previewTimer = nullptr;
    QPushButton *m_ok = nullptr;
};
