#include "text/vtextpropsheetdialog.h"

#include "text/vfunctexteffectpage.h"
#include "text/vfunctextpage.h"
#include "text/vwordartpreview.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Edits come in bursts while a slider moves; the preview draws once they pause.
constexpr int kPreviewDelayMs = 40;

}

VTextPropSheetDialog::VTextPropSheetDialog(QWidget *parent)
    : QDialog(parent)
    , m_info(defaultWordArt())
{
    build();
    // The inviting text is there to be typed over.
    m_textPage->focusText(VFuncTextPage::TextFocus::SelectAll);
}

VTextPropSheetDialog::VTextPropSheetDialog(const CWordArtInfo &info, QWidget *parent)
    : QDialog(parent)
    , m_info(info)
{
    build();
    // A text opened again is there to be changed, not replaced.
    m_textPage->focusText(VFuncTextPage::TextFocus::AtEnd);
}

CWordArtInfo VTextPropSheetDialog::defaultWordArt()
{
    CWordArtInfo info;
    info.Font = QFont(QStringLiteral("Arial Black"));
    info.Font.setPixelSize(40);
    info.FontSize = 40;
    info.Text = tr("Enter your own content here");
    return info;
}

void VTextPropSheetDialog::build()
{
    setWindowTitle(tr("Text Options"));
    resize(640, 480);

    m_tabs = new QTabWidget(this);
    m_tabs->setStyleSheet(QStringLiteral("QTabBar::tab:disabled {width: 0; color: transparent;}"));
    m_textPage = new VFuncTextPage(&m_info, m_tabs);
    m_effectPage = new VFuncTextEffectPage(&m_info, m_tabs);
    m_tabs->addTab(m_textPage, tr("Text"));
    m_tabs->addTab(m_effectPage, tr("Text Effect"));
    m_preview = new VWordArtPreview(this);
    m_preview->setObjectName(QStringLiteral("preview"));

    m_ok = new QPushButton(QIcon(QStringLiteral(":/res/Icon/OK.png")), tr("Ok"), this);
    m_ok->setObjectName(QStringLiteral("buttonOk"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("buttonCancel"));
    for (QPushButton *button : {m_ok, cancel})
        button->setFixedSize(100, 30);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 3);
    layout->addWidget(m_preview, 2);
    layout->addLayout(buttons);

    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(kPreviewDelayMs);
    connect(m_previewTimer, &QTimer::timeout, this, &VTextPropSheetDialog::updatePreview);
    for (CFQWidget *page : {static_cast<CFQWidget *>(m_textPage), static_cast<CFQWidget *>(m_effectPage)}) {
        connect(page, &CFQWidget::sigUpdateText, this, &VTextPropSheetDialog::sigUpdateText);
        connect(page, &CFQWidget::sigEdited, this, &VTextPropSheetDialog::onEdited);
    }
    m_effectPage->refresh();
    onEdited();
    updatePreview();
}

void VTextPropSheetDialog::setWordArtInfo(const CWordArtInfo &info)
{
    m_info = info;
    m_textPage->refresh();
    m_effectPage->refresh();
    onEdited();
    updatePreview();
}

void VTextPropSheetDialog::setText(const QString &text)
{
    m_textPage->setText(text);
}

void VTextPropSheetDialog::onEdited()
{
    // A text layer without text would draw nothing and could not be picked on the canvas.
    m_ok->setEnabled(!m_info.Text.trimmed().isEmpty());
    m_previewTimer->start();
}

void VTextPropSheetDialog::updatePreview()
{
    m_previewTimer->stop();
    m_preview->showWordArt(m_info);
}
