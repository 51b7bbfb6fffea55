#include "batch/batchreport.h"

#include "common/timeconv.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include <sys/ioctl.h>

namespace {

// Arguments as a shell would need them typed.
QString shellQuoted(const QString &argument)
{
    static const QString plain = QStringLiteral("-_./:=+,@%");
    const bool safe = !argument.isEmpty() && std::all_of(argument.cbegin(), argument.cend(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || plain.contains(c);
    });
    if (safe)
        return argument;
    return QLatin1Char('\'') + QString(argument).replace(QLatin1Char('\''), QStringLiteral("'\\''"))
           + QLatin1Char('\'');
}

}

BatchReport::BatchReport(Style style, std::FILE *out)
    : m_style(style)
    , m_out(out)
{
}

void BatchReport::clearRunning()
{
    // Back to the first live line, and clear from there down.
    if (m_drawnLines > 0)
        std::fprintf(m_out, "\x1b[%dF\x1b[J", m_drawnLines);
    m_drawnLines = 0;
}

void BatchReport::emitLine(const QString &line)
{
    if (m_style == Style::Terminal)
        clearRunning();
    std::fprintf(m_out, "%s\n", line.toUtf8().constData());
    if (m_style == Style::Terminal)
        redrawRunning();
    std::fflush(m_out);
}

void BatchReport::emitJson(const QVariantMap &object)
{
    std::fprintf(m_out, "%s\n", QJsonDocument(QJsonObject::fromVariantMap(object)).toJson(QJsonDocument::Compact).constData());
    std::fflush(m_out);
}

QString BatchReport::runningLine(const QString &source, const Running &state) const
{
    const QString left = state.msLeft < 0 ? QStringLiteral("--:--:--") : TimeConv::toDurationText(state.msLeft * 1000);
    return tr("%1: %2% (%3 left)").arg(QFileInfo(source).fileName()).arg(state.percent, 3).arg(left);
}

void BatchReport::redrawRunning()
{
    // A live line that wrapped would take two rows, and the block could no longer be cleared.
    winsize size = {};
    const int columns = ::ioctl(::fileno(m_out), TIOCGWINSZ, &size) == 0 && size.ws_col > 1 ? size.ws_col : 80;
    for (auto it = m_running.cbegin(); it != m_running.cend(); ++it) {
        QString line = runningLine(it.key(), it.value());
        if (line.size() >= columns)
            line = QStringLiteral("...") + line.right(columns - 4);
        std::fprintf(m_out, "%s\n", line.toUtf8().constData());
    }
    m_drawnLines = m_running.size();
}

void BatchReport::finishRunning(const QString &source)
{
    m_running.remove(source);
}

void BatchReport::started(int files)
{
    if (m_style == Style::Json)
        emitJson({{"event", "start"}, {"files", files}});
}

void BatchReport::planned(const QString &source, const QString &output, const QStringList &command)
{
    ++m_planned;
    if (m_style == Style::Json) {
        emitJson({{"event", "plan"}, {"file", source}, {"output", output}, {"command", command}});
        return;
    }
    QStringList quoted;
    for (const QString &argument : command)
        quoted << shellQuoted(argument);
    emitLine(quoted.join(QLatin1Char(' ')));
}

void BatchReport::progress(const QString &source, int percent, qint64 msLeft)
{
    Running &state = m_running[source];
    const int previous = state.percent;
    state.percent = percent;
    state.msLeft = msLeft;
    switch (m_style) {
    case Style::Json:
        emitJson({{"event", "progress"}, {"file", source}, {"percent", percent}, {"msLeft", msLeft}});
        break;
    case Style::Plain:
        // Every tenth is enough for a log file.
        if (percent / 10 != previous / 10)
            emitLine(runningLine(source, state));
        break;
    case Style::Terminal:
        clearRunning();
        redrawRunning();
        std::fflush(m_out);
        break;
    }
}

void BatchReport::converted(const QString &source, const QString &output)
{
    ++m_converted;
    finishRunning(source);
    if (m_style == Style::Json)
        emitJson({{"event", "result"}, {"file", source}, {"status", "converted"}, {"output", output}});
    else
        emitLine(tr("Converted %1 to %2").arg(source, output));
}

void BatchReport::skipped(const QString &source, const QString &output, const QString &reason)
{
    ++m_skipped;
    finishRunning(source);
    if (m_style == Style::Json)
        emitJson({{"event", "result"}, {"file", source}, {"status", "skipped"}, {"output", output}, {"reason", reason}});
    else
        emitLine(tr("Skipped %1: %2").arg(source, reason));
}

void BatchReport::failed(const QString &source, const QString &reason)
{
    m_failed << source;
    finishRunning(source);
    if (m_style == Style::Json)
        emitJson({{"event", "result"}, {"file", source}, {"status", "failed"}, {"reason", reason}});
    else
        emitLine(tr("Failed %1: %2").arg(source, reason));
}

void BatchReport::stopped(const QString &source)
{
    ++m_stopped;
    finishRunning(source);
    if (m_style == Style::Json)
        emitJson({{"event", "result"}, {"file", source}, {"status", "stopped"}});
    else
        emitLine(tr("Stopped %1").arg(source));
}

void BatchReport::summary()
{
    if (m_style == Style::Json) {
        emitJson({{"event", "summary"},
                  {"converted", m_converted},
                  {"skipped", m_skipped},
                  {"failed", m_failed.size()},
                  {"stopped", m_stopped},
                  {"planned", m_planned},
                  {"failedFiles", m_failed}});
        return;
    }
    QString line = tr("Converted %1, skipped %2, failed %3").arg(m_converted).arg(m_skipped).arg(m_failed.size());
    if (m_planned > 0)
        line += tr(", planned %1").arg(m_planned);
    if (m_stopped > 0)
        line += tr(", stopped %1").arg(m_stopped);
    if (!m_failed.isEmpty())
        line += QStringLiteral(": ") + m_failed.join(QStringLiteral(", "));
    emitLine(line);
}
