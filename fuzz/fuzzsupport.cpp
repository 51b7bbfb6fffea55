#include "fuzzsupport.h"

#include "common/asslibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>

namespace {

void ignoreQtMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

void ignoreAssMessage(int, const char *, va_list, void *) {}

QString processFile(const QString &stem, const char *suffix)
{
    return QDir::temp().filePath(QStringLiteral("brindle-fuzz-%1-%2%3")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(stem, QString::fromLatin1(suffix)));
}

}

namespace FuzzSupport {

QString writeInput(const uint8_t *data, size_t size, const char *suffix)
{
    const QString path = processFile(QStringLiteral("input"), suffix);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    return path;
}

QString scratchPath(const char *suffix)
{
    return processFile(QStringLiteral("output"), suffix);
}

}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(ignoreQtMessage);
    ass_set_message_cb(assLibrary(), ignoreAssMessage, nullptr);
    return 0;
}
