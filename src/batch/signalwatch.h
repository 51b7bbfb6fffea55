#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal on the event loop, where it is safe to act on.
// One per process.
class SignalWatch : public QObject
{
    Q_OBJECT
public:
    explicit SignalWatch(QObject *parent = nullptr);
    ~SignalWatch() override;

    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void caught(int signalNumber);

private:
    void onReadable();

    QSocketNotifier *m_notifier = nullptr;
};
