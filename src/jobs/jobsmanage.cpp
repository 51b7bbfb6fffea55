#include "jobs/jobsmanage.h"

#include <algorithm>

JobsManage::JobsManage(QObject *parent)
    : QObject(parent)
{
}

void JobsManage::setLimit(int limit)
{
    m_limit = std::max(1, limit);
}
