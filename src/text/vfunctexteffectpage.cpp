#include "text/vfunctexteffectpage.h"

#include "common/qcolorcombox.h"
#include "text/vbackgroundmenuwidget.h"
#include "text/voutlinemenuwidget.h"
#include "text/vshadowmenuwidget.h"
#include "text/wordartpresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <iterator>

namespace {

constexpr int kThumbnailSide = 64;
constexpr int kThumbnailFontPixels = 96;
// Item i of the effect list stands for code kEffectOfItem[i].
constexpr int kEffectOfItem[] = {CWordArtInfo::TextGlow,        CWordArtInfo::NoOutline,
                                 CWordArtInfo::SingleOutline,   CWordArtInfo::DoubleOutline,
                                 CWordArtInfo::GradientOutline, CWordArtInfo::OutlineOnly,
                                 CWordArtInfo::DoubleGlow};
constexpr int kListedEffects = 5;

const char *const kPresetListStyle =
    "QListWidget::Item{padding-top:4px; padding-bottom:4px; }"
    "QListWidget::Item:hover{background:#1D9FE4; }"
    "QListWidget::item:selected{background:lightgray; color:red; }"
    "QListWidget::item:selected:!active{border-width:0px; background:lightgreen; }";

}

VFuncTextEffectPage::VFuncTextEffectPage(CWordArtInfo *info, QWidget *parent)
    : CFQWidget(info, parent)
    , m_presetList(new QListWidget(this))
    , m_effect(new QComboBox(this))
    , m_textColor(new QColorCombox(this))
    , m_gradient(new QCheckBox(tr("Gradient Text"), this))
    , m_gradientColor(new QColorCombox(this))
    , m_outlineMenu(new VOutlineMenuWidget(info))
    , m_shadowMenu(new VShadowMenuWidget(info))
    , m_backgroundMenu(new VBackgroundMenuWidget(info))
{
    m_presetList->setObjectName(QStringLiteral("listWidgetPresets"));
    m_presetList->setViewMode(QListView::IconMode);
    m_presetList->setResizeMode(QListView::Adjust);
    m_presetList->setMovement(QListView::Static);
    m_presetList->setIconSize(QSize(kThumbnailSide, kThumbnailSide));
    m_presetList->setSpacing(4);
    m_presetList->setStyleSheet(QLatin1String(kPresetListStyle));
    m_effect->setObjectName(QStringLiteral("comboBoxEffect"));
    m_effect->addItems({tr("Text Glow"), tr("No Outline"), tr("Single Outline"), tr("Double Outline"),
                        tr("Gradient Outline")});
    m_textColor->setObjectName(QStringLiteral("textColor"));
    m_gradient->setObjectName(QStringLiteral("checkBoxGradient"));
    m_gradientColor->setObjectName(QStringLiteral("gradientColor"));
    for (QColorCombox *color : {m_textColor, m_gradientColor})
        color->setMinimumSize(100, 30);
    m_effect->setMinimumHeight(30);

    m_outlineButton = menuButton(tr("Outline"), QStringLiteral("buttonOutline"), m_outlineMenu);
    QPushButton *shadowButton = menuButton(tr("Shadow"), QStringLiteral("buttonShadow"), m_shadowMenu);
    QPushButton *backgroundButton =
        menuButton(tr("Background"), QStringLiteral("buttonBackground"), m_backgroundMenu);

    auto *form = new QGridLayout;
    form->setVerticalSpacing(10);
    form->addWidget(new QLabel(tr("Text Effect"), this), 0, 0);
    form->addWidget(m_effect, 0, 1);
    form->addWidget(new QLabel(tr("Text Color"), this), 1, 0);
    form->addWidget(m_textColor, 1, 1);
    form->addWidget(m_gradient, 2, 0);
    form->addWidget(m_gradientColor, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_outlineButton);
    buttons->addWidget(shadowButton);
    buttons->addWidget(backgroundButton);
    auto *controls = new QVBoxLayout;
    controls->addLayout(form);
    controls->addSpacing(8);
    controls->addLayout(buttons);
    controls->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_presetList, 1);
    layout->addLayout(controls);

    for (CFQWidget *menu : {static_cast<CFQWidget *>(m_outlineMenu), static_cast<CFQWidget *>(m_shadowMenu),
                            static_cast<CFQWidget *>(m_backgroundMenu)})
        forward(menu);
    connect(m_effect, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VFuncTextEffectPage::onEffectChosen);
    connect(m_textColor, &QColorCombox::sigColorChanged, this, &VFuncTextEffectPage::onTextColorChanged);
    connect(m_gradient, &QCheckBox::toggled, this, &VFuncTextEffectPage::onGradientToggled);
    connect(m_gradientColor, &QColorCombox::sigColorChanged, this, &VFuncTextEffectPage::onGradientColorChanged);
    connect(m_presetList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { applyPreset(m_presetList->row(item)); });
    connect(m_presetList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { applyPreset(m_presetList->row(item)); });

    loadPresets(wordArtPresetsPath());
    refresh();
}

QPushButton *VFuncTextEffectPage::menuButton(const QString &text, const QString &objectName, CFQWidget *menuWidget)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(objectName);
    // Wider only where a translation needs the room.
    button->setMinimumWidth(100);
    button->setFixedHeight(30);
    auto *menu = new QMenu(button);
    auto *action = new QWidgetAction(menu);
    action->setDefaultWidget(menuWidget);
    menu->addAction(action);
    button->setMenu(menu);
    return button;
}

void VFuncTextEffectPage::forward(CFQWidget *widget)
{
    connect(widget, &CFQWidget::sigUpdateText, this, &CFQWidget::sigUpdateText);
    connect(widget, &CFQWidget::sigEdited, this, &CFQWidget::sigEdited);
}

int VFuncTextEffectPage::effectForItem(int item)
{
    if (item < 0 || item >= int(std::size(kEffectOfItem)))
        return -1;
    return kEffectOfItem[item];
}

int VFuncTextEffectPage::itemForEffect(int effect)
{
    for (int item = 0; item < kListedEffects; ++item)
        if (kEffectOfItem[item] == effect)
            return item;
    return -1;
}

QImage VFuncTextEffectPage::presetThumbnail(const CWordArtInfo &preset)
{
    CWordArtInfo sample = preset;
    sample.Font = QFont(QStringLiteral("Arial Black"));
    sample.Font.setPixelSize(kThumbnailFontPixels);
    // Where the family is missing, a black weight keeps the letter as heavy as intended.
    sample.Font.setWeight(QFont::Black);
    sample.Text = QStringLiteral("A");
    QImage drawn;
    sample.render(drawn);
    QImage thumbnail(kThumbnailSide, kThumbnailSide, QImage::Format_ARGB32);
    thumbnail.fill(Qt::transparent);
    if (drawn.isNull())
        return thumbnail;
    const QImage scaled =
        drawn.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&thumbnail);
    painter.drawImage((kThumbnailSide - scaled.width()) / 2, (kThumbnailSide - scaled.height()) / 2, scaled);
    return thumbnail;
}

void VFuncTextEffectPage::loadPresets(const QString &path)
{
    m_presets = readWordArtPresets(path);
    m_presetList->clear();
    for (const CWordArtInfo &preset : qAsConst(m_presets)) {
        auto *item = new QListWidgetItem(QIcon(QPixmap::fromImage(presetThumbnail(preset))), QString());
        item->setToolTip(preset.Name);
        m_presetList->addItem(item);
    }
}

void VFuncTextEffectPage::applyPreset(int index)
{
    if (index < 0 || index >= m_presets.size())
        return;
    applyWordArtPreset(*wordArtInfo(), m_presets.at(index));
    refresh();
    updateNow();
}

void VFuncTextEffectPage::fillControls()
{
    const CWordArtInfo &info = *wordArtInfo();
    m_effect->setCurrentIndex(itemForEffect(info.TextEffect));
    m_outlineButton->setVisible(info.TextEffect != CWordArtInfo::NoOutline);
    const bool first = info.TextEffect == CWordArtInfo::TextGlow || info.TextEffect == CWordArtInfo::SingleOutline
                       || info.TextEffect == CWordArtInfo::OutlineOnly;
    const bool both = info.TextEffect == CWordArtInfo::DoubleOutline
                      || info.TextEffect == CWordArtInfo::GradientOutline
                      || info.TextEffect == CWordArtInfo::DoubleGlow;
    m_outlineMenu->setGroupsEnabled(first || both, both);
    m_textColor->setColor(info.TextColor);
    m_gradient->setChecked(info.EnableTextGradient);
    m_gradientColor->setEnabled(info.EnableTextGradient);
    m_gradientColor->setColor(info.GradientColor);
    m_outlineMenu->refresh();
    m_shadowMenu->refresh();
    m_backgroundMenu->refresh();
}

void VFuncTextEffectPage::onEffectChosen(int item)
{
    if (isFilling() || item < 0)
        return;
    wordArtInfo()->TextEffect = effectForItem(item);
    refresh();
    updateNow();
}

void VFuncTextEffectPage::onTextColorChanged(const QColor &color)
{
    if (isFilling())
        return;
    wordArtInfo()->TextColor = color;
    updateNow();
}

void VFuncTextEffectPage::onGradientToggled(bool on)
{
    m_gradientColor->setEnabled(on);
    if (isFilling())
        return;
    wordArtInfo()->EnableTextGradient = on;
    updateNow();
}

void VFuncTextEffectPage::onGradientColorChanged(const QColor &color)
{
    if (isFilling())
        return;
    wordArtInfo()->GradientColor = color;
    updateNow();
}
