#include "text/vfunctextpage.h"

#include "text/cwordartinfo.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// The field shows the real family and style; very large sizes are left to the preview.
constexpr int kLargestEditorPixelSize = 48;

QPushButton *styleButton(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setCheckable(true);
    button->setMinimumHeight(30);
    return button;
}

}

VFuncTextPage::VFuncTextPage(CWordArtInfo *info, QWidget *parent)
    : CFQWidget(info, parent)
    , m_family(new QFontComboBox(this))
    , m_size(new QComboBox(this))
    , m_bold(styleButton(tr("Bold"), QStringLiteral("buttonBold"), this))
    , m_italic(styleButton(tr("Italic"), QStringLiteral("buttonItalic"), this))
    , m_underline(styleButton(tr("Underline"), QStringLiteral("buttonUnderline"), this))
    , m_edit(new QTextEdit(this))
{
    m_family->setObjectName(QStringLiteral("fontComboBox"));
    m_family->setMinimumHeight(30);
    m_size->setObjectName(QStringLiteral("comboBoxSize"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    m_size->setFixedSize(90, 30);
    for (int size : QFontDatabase::standardSizes())
        m_size->addItem(QString::number(size));
    m_size->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[1-9][0-9]*$")), m_size));
    m_edit->setObjectName(QStringLiteral("textEdit"));
    m_edit->setAcceptRichText(false);

    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(new QLabel(tr("Font"), this));
    fontRow->addWidget(m_family, 1);
    fontRow->addSpacing(8);
    fontRow->addWidget(new QLabel(tr("Size"), this));
    fontRow->addWidget(m_size);
    auto *styleRow = new QHBoxLayout;
    styleRow->addWidget(m_bold);
    styleRow->addWidget(m_italic);
    styleRow->addWidget(m_underline);
    styleRow->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fontRow);
    layout->addLayout(styleRow);
    layout->addWidget(m_edit, 1);

    connect(m_family, &QFontComboBox::currentFontChanged, this, &VFuncTextPage::onFamilyChanged);
    connect(m_size, &QComboBox::currentTextChanged, this, &VFuncTextPage::onSizeChanged);
    connect(m_bold, &QPushButton::clicked, this, &VFuncTextPage::onBold);
    connect(m_italic, &QPushButton::clicked, this, &VFuncTextPage::onItalic);
    connect(m_underline, &QPushButton::clicked, this, &VFuncTextPage::onUnderline);
    connect(m_edit, &QTextEdit::textChanged, this, &VFuncTextPage::onTextEdited);
    refresh();
}

void VFuncTextPage::setText(const QString &text)
{
    m_edit->setPlainText(text);
}

void VFuncTextPage::focusText(TextFocus focus)
{
    if (focus == TextFocus::SelectAll)
        m_edit->selectAll();
    else
        m_edit->moveCursor(QTextCursor::End);
    m_edit->setFocus();
}

void VFuncTextPage::fillControls()
{
    const CWordArtInfo &info = *wordArtInfo();
    m_family->setCurrentFont(info.Font);
    m_size->setEditText(QString::number(info.Font.pixelSize() > 0 ? info.Font.pixelSize() : info.FontSize));
    m_bold->setChecked(info.Font.bold());
    m_italic->setChecked(info.Font.italic());
    m_underline->setChecked(info.Font.underline());
    if (m_edit->toPlainText() != info.Text)
        m_edit->setPlainText(info.Text);
    restyleEditor();
}

void VFuncTextPage::restyleEditor()
{
    QFont font = wordArtInfo()->Font;
    font.setPixelSize(qMin(qMax(font.pixelSize(), 1), kLargestEditorPixelSize));
    m_edit->setFont(font);
}

void VFuncTextPage::onFamilyChanged(const QFont &font)
{
    if (isFilling())
        return;
    wordArtInfo()->Font.setFamily(font.family());
    restyleEditor();
    updateNow();
}

void VFuncTextPage::onSizeChanged(const QString &text)
{
    bool ok = false;
    const int size = text.toInt(&ok);
    if (isFilling() || !ok || size <= 0)
        return;
    wordArtInfo()->FontSize = size;
    wordArtInfo()->Font.setPixelSize(size);
    restyleEditor();
    updateNow();
}

void VFuncTextPage::onBold()
{
    QFont &font = wordArtInfo()->Font;
    font.setWeight(font.weight() < 58 ? QFont::Bold : QFont::Normal);
    m_bold->setChecked(font.bold());
    restyleEditor();
    updateNow();
}

void VFuncTextPage::onItalic()
{
    QFont &font = wordArtInfo()->Font;
    font.setItalic(!font.italic());
    m_italic->setChecked(font.italic());
    restyleEditor();
    updateNow();
}

void VFuncTextPage::onUnderline()
{
    QFont &font = wordArtInfo()->Font;
    font.setUnderline(!font.underline());
    m_underline->setChecked(font.underline());
    restyleEditor();
    updateNow();
}

void VFuncTextPage::onTextEdited()
{
    if (isFilling())
        return;
    wordArtInfo()->Text = m_edit->toPlainText();
    markChanged();
}
