#pragma once

#include <QObject>

// Runs engine jobs, at most limit() at a time.
class JobsManage : public QObject
{
    Q_OBJECT
public:
    explicit JobsManage(QObject *parent = nullptr);

    void setLimit(int limit);
    int limit() const { return m_limit; }

signals:
    void sigAllCompleted();

private:
    int m_limit = 1;
};
