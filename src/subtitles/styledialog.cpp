#include "subtitles/styledialog.h"

#include "common/qcolorcombox.h"
#include "subtitles/subtitleparser.h"
#include "ui_styledialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

QColor opaqueColour(quint32 packed)
{
    return QColor((packed >> 24) & 0xff, (packed >> 16) & 0xff, (packed >> 8) & 0xff);
}

quint32 withTransparency(const QColor &color, quint32 transparency)
{
    return (quint32(color.red()) << 24) | (quint32(color.green()) << 16) | (quint32(color.blue()) << 8)
           | (transparency & 0xff);
}

int isOn(int state)
{
    return state == Qt::Unchecked ? 0 : 1;
}

}

StyleDialog::StyleDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::StyleDialog)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ui->comboBoxSize->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[1-9][0-9]*$")), ui->comboBoxSize));
    connect(ui->colorPrimary, &QColorCombox::sigColorChanged, this, &StyleDialog::onPrimaryColorChanged);
    connect(ui->colorSecondary, &QColorCombox::sigColorChanged, this, &StyleDialog::onSecondaryColorChanged);
    connect(ui->colorOutline, &QColorCombox::sigColorChanged, this, &StyleDialog::onOutlineColorChanged);
    connect(ui->colorShadow, &QColorCombox::sigColorChanged, this, &StyleDialog::onShadeColorChanged);
    setStyles({SubtitleStyle()});
}

StyleDialog::~StyleDialog()
{
    delete ui;
}

int StyleDialog::opacityFromTransparency(int transparency)
{
    return 100 - (qBound(0, transparency, 255) * 100 + 127) / 255;
}

int StyleDialog::transparencyFromOpacity(int opacity)
{
    // Integer arithmetic: 100 % must give exactly 0.
    return 255 - qBound(0, opacity, 100) * 255 / 100;
}

void StyleDialog::setStyles(const QVector<SubtitleStyle> &styles)
{
    m_ready = false;
    m_styles = styles.isEmpty() ? QVector<SubtitleStyle>{SubtitleStyle()} : styles;
    ui->comboBoxSize->clear();
    for (int size : QFontDatabase::standardSizes())
        ui->comboBoxSize->addItem(QString::number(size));
    fillStyleBox(m_styles.size() - 1);
}

void StyleDialog::fillStyleBox(int selected)
{
    m_ready = false;
    ui->comboBoxStyle->clear();
    for (const SubtitleStyle &style : qAsConst(m_styles))
        ui->comboBoxStyle->addItem(style.Name);
    ui->comboBoxStyle->setCurrentIndex(selected);
    fillControls();
}

SubtitleStyle *StyleDialog::current()
{
    const int index = ui->comboBoxStyle->currentIndex();
    return index >= 0 && index < m_styles.size() ? &m_styles[index] : nullptr;
}

template <typename Change>
void StyleDialog::edit(Change change)
{
    SubtitleStyle *style = m_ready ? current() : nullptr;
    if (!style)
        return;
    change(*style);
    ui->widgetPreview->showStyle(*style);
}

void StyleDialog::fillControls()
{
    m_ready = false;
    if (const SubtitleStyle *style = current()) {
        ui->fontComboBox->setCurrentFont(QFont(style->FontName));
        ui->comboBoxSize->setEditText(QString::number(style->FontSize, 'g', 6));
        ui->checkBoxBold->setChecked(style->Bold != 0);
        ui->checkBoxItalic->setChecked(style->Italic != 0);
        ui->checkBoxUnderline->setChecked(style->Underline != 0);
        ui->checkBoxStrikeout->setChecked(style->StrikeOut != 0);
        ui->colorPrimary->setColor(opaqueColour(style->PrimaryColour));
        ui->colorSecondary->setColor(opaqueColour(style->SecondaryColour));
        ui->colorOutline->setColor(opaqueColour(style->OutlineColour));
        ui->colorShadow->setColor(opaqueColour(style->BackColour));
        ui->spinBoxPA->setValue(opacityFromTransparency(style->PrimaryColour & 0xff));
        ui->spinBoxSA->setValue(opacityFromTransparency(style->SecondaryColour & 0xff));
        ui->spinBoxOA->setValue(opacityFromTransparency(style->OutlineColour & 0xff));
        ui->spinBoxSA_2->setValue(opacityFromTransparency(style->BackColour & 0xff));
        ui->spinBoxOutline->setValue(int(style->Outline));
        ui->spinBoxBack->setValue(int(style->Shadow));
        ui->spinBoxLeft->setValue(style->MarginL);
        ui->spinBoxRight->setValue(style->MarginR);
        ui->spinBoxVertical->setValue(style->MarginV);
        const QList<QRadioButton *> keys{ui->radioButton1, ui->radioButton2, ui->radioButton3,
                                         ui->radioButton4, ui->radioButton5, ui->radioButton6,
                                         ui->radioButton7, ui->radioButton8, ui->radioButton9};
        for (int i = 0; i < keys.size(); ++i)
            keys[i]->setChecked(style->Alignment == i + 1);
        ui->widgetPreview->showStyle(*style);
    }
    m_ready = true;
}

void StyleDialog::say(const QString &message)
{
    ui->labelStatus->setText(message);
}

void StyleDialog::on_comboBoxStyle_currentIndexChanged(int)
{
    if (m_ready)
        fillControls();
}

void StyleDialog::on_fontComboBox_currentFontChanged(const QFont &font)
{
    edit([&](SubtitleStyle &style) { style.FontName = font.family(); });
}

void StyleDialog::on_comboBoxSize_currentTextChanged(const QString &text)
{
    bool ok = false;
    const int size = text.toInt(&ok);
    if (ok && size > 0)
        edit([&](SubtitleStyle &style) { style.FontSize = size; });
}

void StyleDialog::on_checkBoxBold_stateChanged(int state)
{
    edit([&](SubtitleStyle &style) { style.Bold = isOn(state); });
}

void StyleDialog::on_checkBoxItalic_stateChanged(int state)
{
    edit([&](SubtitleStyle &style) { style.Italic = isOn(state); });
}

void StyleDialog::on_checkBoxUnderline_stateChanged(int state)
{
    edit([&](SubtitleStyle &style) { style.Underline = isOn(state); });
}

void StyleDialog::on_checkBoxStrikeout_stateChanged(int state)
{
    edit([&](SubtitleStyle &style) { style.StrikeOut = isOn(state); });
}

void StyleDialog::setColour(quint32 SubtitleStyle::*field, const QColor &color)
{
    edit([&](SubtitleStyle &style) { style.*field = withTransparency(color, style.*field); });
}

void StyleDialog::setOpacity(quint32 SubtitleStyle::*field, int opacity)
{
    edit([&](SubtitleStyle &style) {
        style.*field = (style.*field & 0xffffff00u) | quint32(transparencyFromOpacity(opacity));
    });
}

void StyleDialog::onPrimaryColorChanged(const QColor &color)
{
    setColour(&SubtitleStyle::PrimaryColour, color);
}

void StyleDialog::onSecondaryColorChanged(const QColor &color)
{
    setColour(&SubtitleStyle::SecondaryColour, color);
}

void StyleDialog::onOutlineColorChanged(const QColor &color)
{
    setColour(&SubtitleStyle::OutlineColour, color);
}

void StyleDialog::onShadeColorChanged(const QColor &color)
{
    setColour(&SubtitleStyle::BackColour, color);
}

void StyleDialog::on_spinBoxPA_valueChanged(int value)
{
    setOpacity(&SubtitleStyle::PrimaryColour, value);
}

void StyleDialog::on_spinBoxSA_valueChanged(int value)
{
    setOpacity(&SubtitleStyle::SecondaryColour, value);
}

void StyleDialog::on_spinBoxOA_valueChanged(int value)
{
    setOpacity(&SubtitleStyle::OutlineColour, value);
}

void StyleDialog::on_spinBoxSA_2_valueChanged(int value)
{
    setOpacity(&SubtitleStyle::BackColour, value);
}

void StyleDialog::on_spinBoxOutline_valueChanged(int value)
{
    edit([&](SubtitleStyle &style) { style.Outline = value; });
}

void StyleDialog::on_spinBoxBack_valueChanged(int value)
{
    edit([&](SubtitleStyle &style) { style.Shadow = value; });
}

void StyleDialog::on_spinBoxLeft_valueChanged(int value)
{
    edit([&](SubtitleStyle &style) { style.MarginL = value; });
}

void StyleDialog::on_spinBoxRight_valueChanged(int value)
{
    edit([&](SubtitleStyle &style) { style.MarginR = value; });
}

void StyleDialog::on_spinBoxVertical_valueChanged(int value)
{
    edit([&](SubtitleStyle &style) { style.MarginV = value; });
}

void StyleDialog::setAlignment(int alignment)
{
    edit([&](SubtitleStyle &style) { style.Alignment = alignment; });
}

void StyleDialog::on_radioButton1_clicked() { setAlignment(1); }
void StyleDialog::on_radioButton2_clicked() { setAlignment(2); }
void StyleDialog::on_radioButton3_clicked() { setAlignment(3); }
void StyleDialog::on_radioButton4_clicked() { setAlignment(4); }
void StyleDialog::on_radioButton5_clicked() { setAlignment(5); }
void StyleDialog::on_radioButton6_clicked() { setAlignment(6); }
void StyleDialog::on_radioButton7_clicked() { setAlignment(7); }
void StyleDialog::on_radioButton8_clicked() { setAlignment(8); }
void StyleDialog::on_radioButton9_clicked() { setAlignment(9); }

void StyleDialog::on_toolButtonAdd_clicked()
{
    const QString name = ui->comboBoxStyle->currentText().trimmed();
    // A comma would split the name across two fields of the "Style:" line.
    if (name.isEmpty() || name.contains(QLatin1Char(','))) {
        say(tr("A style name must not be empty or contain a comma."));
        return;
    }
    for (const SubtitleStyle &style : qAsConst(m_styles)) {
        if (style.Name == name) {
            say(tr("A style named \"%1\" exists already.").arg(name));
            return;
        }
    }
    SubtitleStyle style;
    style.Name = name;
    style.BorderStyle = 1;
    m_styles.append(style);
    ui->comboBoxStyle->addItem(name);
    ui->comboBoxStyle->setCurrentIndex(m_styles.size() - 1);
    fillControls();
    say(QString());
}

void StyleDialog::on_toolButtonDel_clicked()
{
    if (m_styles.size() <= 1) {
        say(tr("The last style cannot be deleted."));
        return;
    }
    const QString name = ui->comboBoxStyle->currentText();
    int index = 0;
    for (int i = 0; i < m_styles.size(); ++i) {
        if (m_styles[i].Name == name) {
            index = i;
            break;
        }
    }
    // The list shrinks first, so the box's index change finds the style it names.
    m_styles.remove(index);
    ui->comboBoxStyle->removeItem(index);
    fillControls();
    say(QString());
}

void StyleDialog::on_toolButtonOpen_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open style file or ass file"), QString(),
                                                      tr("Style|ASS file(*.sty *.ass *.ssa)"));
    if (!path.isEmpty())
        openStyleFile(path);
}

void StyleDialog::on_toolButtonSave_clicked()
{
    QString path =
        QFileDialog::getSaveFileName(this, tr("Save style file"), QString(), tr("Style file(*.sty)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".sty");
    saveStyleFile(path);
}

bool StyleDialog::openStyleFile(const QString &path)
{
    SubtitleParser document;
    document.setFileName(path);
    const QString name = QFileInfo(path).fileName();
    if (!document.readAss()) {
        say(tr("\"%1\" could not be read; the styles are unchanged.").arg(name));
        return false;
    }
    if (document.styles.isEmpty()) {
        say(tr("\"%1\" holds no styles; the styles are unchanged.").arg(name));
        return false;
    }
    m_styles = document.styles;
    fillStyleBox(0);
    say(QString());
    return true;
}

bool StyleDialog::saveStyleFile(const QString &path)
{
    SubtitleParser document;
    document.styles = m_styles;
    if (!document.writeStyles(path)) {
        say(tr("\"%1\" could not be written.").arg(QFileInfo(path).fileName()));
        return false;
    }
    say(QString());
    return true;
}

void StyleDialog::applyTo(SubtitleParser &document) const
{
    replaceStyles(document, m_styles);
}

void StyleDialog::replaceStyles(SubtitleParser &document, const QVector<SubtitleStyle> &styles)
{
    for (SubtitleEvent &event : document.events) {
        if (event.Style < 1 || event.Style > document.styles.size())
            continue;
        const QString &name = document.styles[event.Style - 1].Name;
        int replacement = styles.isEmpty() ? 0 : 1;
        for (int i = 0; i < styles.size(); ++i) {
            if (styles[i].Name == name) {
                replacement = i + 1;
                break;
            }
        }
        event.Style = replacement;
    }
    document.styles = styles;
}
