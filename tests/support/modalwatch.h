#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QMenu;

// Answers the modal windows a call is about to open, one answer per window in the order they
// appear, within a time limit. A watch serves only the test function that made it: when that
// function ends or the limit passes it stops, so a late answer never reaches another test's
// dialog. A watch whose windows did not all appear fails its test when it is destroyed.
class ModalWatch : public QObject
{
public:
    using Answer = std::function<void(QWidget *)>;

    explicit ModalWatch(QList<Answer> answers, int limitMs = 20000);
    ~ModalWatch() override;

    // Waits until every answer was given or the limit passed; whether all were given.
    bool waitAnswered();
    bool allAnswered() const { return m_answers.isEmpty(); }
    // Whether it still looks out for its windows (before the limit, within its test).
    bool isWaiting() const { return m_poll.isActive(); }
    // The texts of the message boxes and input dialogs answered, in order.
    const QStringList &messages() const { return m_messages; }
    // Leaves a window that should not appear unanswered without failing the test.
    void release() { m_answers.clear(); }

    static Answer press(QMessageBox::StandardButton button);
    static Answer typeName(const QString &name);
    static Answer cancelInput();
    static Answer chooseFile(const QString &path);
    static Answer reject();

private:
    void poll();

    QList<Answer> m_answers;
    QStringList m_messages;
    QTimer m_poll;
    QPointer<QWidget> m_last;
    QByteArray m_testFunction;
    qint64 m_deadline = 0;
    int m_expected = 0;
};

// Acts once on the next modal window within the current test function; the watch lives until
// that function ends, and a window that never comes fails the test.
void whenModalShows(ModalWatch::Answer act);
// Answers the next file dialog with a path.
void whenFileDialogShows(const QString &path);
// Acts on the next pop-up menu as soon as it is shown, such as a button's menu.
void whenMenuShows(std::function<void(QMenu *)> act);
