#pragma once

#include "text/cfqwidget.h"
#include "text/cwordartinfo.h"

#include <QList>

class QCheckBox;
class QColorCombox;
class QComboBox;
class QListWidget;
class QPushButton;
class VBackgroundMenuWidget;
class VOutlineMenuWidget;
class VShadowMenuWidget;

// The "Text Effect" page: presets, the effect, the text colour or gradient, and the
// outline, shadow and background menus.
class VFuncTextEffectPage : public CFQWidget
{
    Q_OBJECT
public:
    explicit VFuncTextEffectPage(CWordArtInfo *info, QWidget *parent = nullptr);

    // Replaces the preset list with the presets of a file and draws their thumbnails.
    void loadPresets(const QString &path);
    int presetCount() const { return m_presets.size(); }

    // The effect list shows the effects in another order than their codes.
    static int effectForItem(int item);
    // -1 for codes without an item.
    static int itemForEffect(int effect);
    // The preset drawn as a 64 × 64 thumbnail: its "A" in a large heavy font, cut and scaled.
    static QImage presetThumbnail(const CWordArtInfo &preset);

public slots:
    void applyPreset(int index);

protected:
    void fillControls() override;

private slots:
    void onEffectChosen(int item);
    void onTextColorChanged(const QColor &color);
    void onGradientToggled(bool on);
    void onGradientColorChanged(const QColor &color);

private:
    QPushButton *menuButton(const QString &text, const QString &objectName, CFQWidget *menuWidget);
    void forward(CFQWidget *widget);

    QList<CWordArtInfo> m_presets;
    QListWidget *m_presetList;
    QComboBox *m_effect;
    QColorCombox *m_textColor;
    QCheckBox *m_gradient;
    QColorCombox *m_gradientColor;
    VOutlineMenuWidget *m_outlineMenu;
    VShadowMenuWidget *m_shadowMenu;
    VBackgroundMenuWidget *m_backgroundMenu;
    QPushButton *m_outlineButton;
};
