#include "app/middleelision.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
// QLineEdit keeps this much space between its frame and its text.
constexpr int kTextMargin = 2;

QStyleOptionFrame frameOption(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (edit->isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    return option;
}
}

MiddleElision::MiddleElision(QLineEdit *edit)
    : QObject(edit)
    , m_edit(edit)
{
    m_edit->setToolTip(m_edit->text());
    connect(m_edit, &QLineEdit::textChanged, m_edit, &QLineEdit::setToolTip);
    m_edit->installEventFilter(this);
}

QRect MiddleElision::textArea() const
{
    const QStyleOptionFrame option = frameOption(m_edit);
    QRect area = m_edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, m_edit);
    area = area.marginsRemoved(m_edit->textMargins());
    return area.adjusted(kTextMargin, 0, -kTextMargin, 0);
}

QString MiddleElision::shownText() const
{
    if (m_edit->hasFocus())
        return m_edit->text();
    return m_edit->fontMetrics().elidedText(m_edit->text(), Qt::ElideMiddle, textArea().width());
}

bool MiddleElision::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || event->type() != QEvent::Paint || m_edit->hasFocus()
        || shownText() == m_edit->text())
        return QObject::eventFilter(watched, event);
    paintElided();
    return true;
}

void MiddleElision::paintElided()
{
    QPainter painter(m_edit);
    const QStyleOptionFrame option = frameOption(m_edit);
    m_edit->style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, m_edit);
    painter.setPen(m_edit->palette().color(m_edit->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                           QPalette::Text));
    painter.drawText(textArea(), Qt::AlignLeft | Qt::AlignVCenter, shownText());
}
