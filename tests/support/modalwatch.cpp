#include "modalwatch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {
QByteArray currentTestFunction()
{
    const char *name = QTest::currentTestFunction();
    return name ? QByteArray(name) : QByteArray();
}
}

ModalWatch::ModalWatch(QList<Answer> answers, int limitMs)
    : m_answers(std::move(answers))
    , m_testFunction(currentTestFunction())
    , m_deadline(QDateTime::currentMSecsSinceEpoch() + limitMs)
    , m_expected(m_answers.size())
{
    connect(&m_poll, &QTimer::timeout, this, &ModalWatch::poll);
    m_poll.start(10);
}

ModalWatch::~ModalWatch()
{
    m_poll.stop();
    if (!m_answers.isEmpty() && !QTest::currentTestFailed() && currentTestFunction() == m_testFunction) {
        const QString what = QStringLiteral("%1 of %2 awaited modal windows never appeared")
                                 .arg(m_answers.size()).arg(m_expected);
        QTest::qFail(qPrintable(what), __FILE__, __LINE__);
    }
}

bool ModalWatch::waitAnswered()
{
    while (!m_answers.isEmpty() && m_poll.isActive())
        QTest::qWait(10);
    return m_answers.isEmpty();
}

void ModalWatch::poll()
{
    if (currentTestFunction() != m_testFunction || QDateTime::currentMSecsSinceEpoch() > m_deadline) {
        m_poll.stop();
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_last || m_answers.isEmpty())
        return;
    m_last = modal;
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        m_messages << box->text();
    if (auto *input = qobject_cast<QInputDialog *>(modal))
        m_messages << input->textValue();
    const Answer answer = m_answers.takeFirst();
    if (m_answers.isEmpty())
        m_poll.stop();
    answer(modal);
}

ModalWatch::Answer ModalWatch::press(QMessageBox::StandardButton button)
{
    return [button](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        QVERIFY2(box && box->button(button), "the modal window is no message box with that button");
        box->button(button)->click();
    };
}

ModalWatch::Answer ModalWatch::typeName(const QString &name)
{
    return [name](QWidget *widget) {
        auto *input = qobject_cast<QInputDialog *>(widget);
        QVERIFY2(input, "the modal window is no input dialog");
        input->setTextValue(name);
        input->accept();
    };
}

ModalWatch::Answer ModalWatch::cancelInput()
{
    return reject();
}

ModalWatch::Answer ModalWatch::chooseFile(const QString &path)
{
    return [path](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        QVERIFY2(dialog, "the modal window is no file dialog");
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    };
}

ModalWatch::Answer ModalWatch::reject()
{
    return [](QWidget *widget) {
        if (auto *dialog = qobject_cast<QDialog *>(widget))
            dialog->reject();
        else
            widget->close();
    };
}

void whenModalShows(ModalWatch::Answer act)
{
    // The watch outlives the call that asked; it goes once it answered. A window that never
    // came fails the asking test at the time limit, or, when that test ended first, the test
    // that runs next, naming the one that waited.
    auto *watch = new ModalWatch({std::move(act)});
    watch->setParent(QCoreApplication::instance());
    const QByteArray owner = currentTestFunction();
    auto *reaper = new QTimer(watch);
    QObject::connect(reaper, &QTimer::timeout, watch, [watch, owner] {
        if (watch->allAnswered()) {
            watch->deleteLater();
            return;
        }
        if (currentTestFunction() == owner && watch->isWaiting())
            return;
        watch->release();
        watch->deleteLater();
        QTest::qFail(qPrintable(QStringLiteral("a modal window awaited by %1 never appeared")
                                    .arg(QString::fromLatin1(owner))),
                     __FILE__, __LINE__);
    });
    reaper->start(50);
}

void whenFileDialogShows(const QString &path)
{
    whenModalShows(ModalWatch::chooseFile(path));
}

void whenMenuShows(std::function<void(QMenu *)> act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            poll->stop();
            poll->deleteLater();
            act(menu);
        }
    });
    poll->start(10);
}
