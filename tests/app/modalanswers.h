#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers the modal dialogs that a call opens, one answer per dialog in the order they
// appear, and keeps the texts of the message boxes it answered.
class ModalAnswers : public QObject
{
public:
    using Answer = std::function<void(QWidget *)>;

    explicit ModalAnswers(QList<Answer> answers)
        : m_answers(std::move(answers))
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalAnswers::poll);
        m_poll.start(10);
    }

    bool allAnswered() const { return m_answers.isEmpty(); }
    const QStringList &messages() const { return m_messages; }

    static Answer typeName(const QString &name)
    {
        return [name](QWidget *widget) {
            auto *input = qobject_cast<QInputDialog *>(widget);
            if (!input)
                return;
            input->setTextValue(name);
            input->accept();
        };
    }
    static Answer cancelInput()
    {
        return [](QWidget *widget) {
            if (auto *input = qobject_cast<QInputDialog *>(widget))
                input->reject();
        };
    }
    static Answer press(QMessageBox::StandardButton button)
    {
        return [button](QWidget *widget) {
            if (auto *box = qobject_cast<QMessageBox *>(widget))
                box->button(button)->click();
        };
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last || m_answers.isEmpty())
            return;
        m_last = modal;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            m_messages << box->text();
        if (auto *input = qobject_cast<QInputDialog *>(modal))
            m_messages << input->textValue();
        m_answers.takeFirst()(modal);
    }

    QList<Answer> m_answers;
    QStringList m_messages;
    QTimer m_poll;
    QPointer<QWidget> m_last;
};
