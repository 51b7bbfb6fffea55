#include "engines/linerelay.h"

#include <utility>

LineRelay::LineRelay(LineObserver observer)
    : m_observer(std::move(observer))
{
}

void LineRelay::feed(const char *data, std::size_t size, std::string &out)
{
    for (std::size_t i = 0; i < size; ++i) {
        const char c = data[i];
        // A CR LF pair is one line end, also when the pair is split between two reads.
        if (c == '\n' && m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            continue;
        }
        m_afterCarriageReturn = c == '\r';
        if (c == '\r' || c == '\n') {
            out += '\n';
            if (m_observer)
                m_observer(m_line);
            m_line.clear();
        } else {
            out += c;
            m_line += c;
        }
    }
}

void LineRelay::finish()
{
    if (!m_line.empty() && m_observer)
        m_observer(m_line);
    m_line.clear();
}
