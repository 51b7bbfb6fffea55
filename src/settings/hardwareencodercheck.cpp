#include "settings/hardwareencodercheck.h"

#include "settings/configsystem.h"
#include "settings/hardwarechoice.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

namespace {
constexpr int kStartTimeoutMs = 2000;
constexpr int kFinishTimeoutMs = 4000;

struct ProbedEncoder
{
    const char *name;
    bool ConfigSystem::*flag;
};

const ProbedEncoder kProbed[] = {
    {"h264_nvenc", &ConfigSystem::h264NV},
    {"hevc_nvenc", &ConfigSystem::h265NV},
    {"h264_amf", &ConfigSystem::h264AMF},
    {"hevc_amf", &ConfigSystem::h265AMF},
    {"h264_qsv", &ConfigSystem::h264QSV},
    {"hevc_qsv", &ConfigSystem::h265QSV},
};

bool encoderWorks(const QString &enginePath, const QString &encoder)
{
    const QStringList arguments = HardwareEncoderCheck::probeArguments(encoder);
    qDebug().noquote() << enginePath << arguments.join(QLatin1Char(' '));

    QProcess engine;
    engine.setStandardOutputFile(QProcess::nullDevice());
    engine.start(enginePath, arguments);
    const bool started = engine.waitForStarted(kStartTimeoutMs);
    QCoreApplication::processEvents();
    if (started) {
        engine.waitForFinished(kFinishTimeoutMs);
        QCoreApplication::processEvents();
    }
    if (started && engine.state() == QProcess::NotRunning && engine.exitStatus() == QProcess::NormalExit
        && engine.exitCode() == 0)
        return true;

    const QString errors = QString::fromLocal8Bit(engine.readAllStandardError());
    const QStringList lines = errors.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        qDebug().noquote() << line;
    if (engine.state() != QProcess::NotRunning) {
        engine.kill();
        engine.waitForFinished(kStartTimeoutMs);
    }
    return false;
}
}

QString HardwareEncoderCheck::defaultEngine()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("TesselEngine"));
}

QStringList HardwareEncoderCheck::probeArguments(const QString &encoder)
{
    QStringList arguments{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                          QStringLiteral("color=s=640x360"), QStringLiteral("-frames"), QStringLiteral("1"),
                          QStringLiteral("-an")};
    if (encoder == QLatin1String("hevc_qsv"))
        arguments << QStringLiteral("-load_plugin") << QStringLiteral("hevc_hw");
    arguments << QStringLiteral("-c:v") << encoder << QStringLiteral("-f") << QStringLiteral("rawvideo")
              << QStringLiteral("pipe:");
    return arguments;
}

void HardwareEncoderCheck::run(ConfigSystem &settings, const QString &enginePath)
{
    // The priority is a place in the list of families found: a family found for the first
    // time must not move the preferred one.
    const std::optional<HardwareFamily> preferred = HardwareChoice::from(settings).preferredFamily();
    for (const ProbedEncoder &probed : kProbed) {
        const QString encoder = QLatin1String(probed.name);
        qDebug().noquote() << "checking for" << encoder;
        if (encoderWorks(enginePath, encoder))
            settings.*probed.flag = true;
    }
    if (preferred)
        settings.priorityUse = qMax(0, HardwareChoice::from(settings).foundFamilies().indexOf(*preferred));
}
