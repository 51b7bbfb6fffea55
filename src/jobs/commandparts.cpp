#include "jobs/commandparts.h"

#include "common/timeconv.h"
#include "settings/configformat.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace CommandParts {

QString outputExtension(const ConfigFormat &format, const QString &input)
{
    if (!format.format.isEmpty())
        return format.format;
    const int dot = input.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : input.mid(dot + 1);
}

bool isAudioOnly(const QString &extension)
{
    const QString lower = extension.toLower();
    return lower == QLatin1String("mp3") || lower == QLatin1String("m4a") || lower == QLatin1String("wav");
}

bool isCopy(const QString &codec)
{
    return codec == QLatin1String("copy");
}

QString outputStem(const QString &outPath, const QString &input)
{
    return outPath + QLatin1Char('/') + QFileInfo(input).completeBaseName();
}

QStringList meltProducer(const QString &path, qint64 start, qint64 end)
{
    return {path, QStringLiteral("in='%1'").arg(TimeConv::toMeltText(start)),
            QStringLiteral("out='%1'").arg(TimeConv::toMeltText(end))};
}

int leadingInteger(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d+)"));
    const QRegularExpressionMatch match = digits.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString volumeFilter(int percent)
{
    if (percent == 100)
        return QString();
    return QStringLiteral("volume=") + QString::number(qMax(0, percent) / 100.0);
}

QString frameSizeOf(const QString &sizeSetting)
{
    static const QRegularExpression size(QStringLiteral("^\\s*(\\d+x\\d+)"));
    const QRegularExpressionMatch match = size.match(sizeSetting);
    return match.hasMatch() ? match.captured(1) : sizeSetting.trimmed();
}

}
