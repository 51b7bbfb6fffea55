#pragma once

#include <QObject>

class QLineEdit;

// Shows a line edit's text with its middle left out when it does not fit, so a long
// folder keeps both its start and its last folder in view. The full text stays the
// edit's text and its tool tip; while the edit has the focus it reads and edits as usual.
class MiddleElision : public QObject
{
    Q_OBJECT
public:
    explicit MiddleElision(QLineEdit *edit);

    // What the edit shows while it does not have the focus.
    QString shownText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRect textArea() const;
    void paintElided();

    QLineEdit *m_edit;
};
