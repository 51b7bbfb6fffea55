#include "settings/formatpresets.h"

#include "settings/configformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace {
// Longest file name most Linux file systems take, in bytes, less the ".ini".
constexpr int kMaxNameBytes = 255 - 4;
constexpr int kMaxVolume = 600;

QString trPresets(const char *text)
{
    return QCoreApplication::translate("FormatPresets", text);
}

const char *const kKeys[] = {"Format/Format",    "Video/VSetMode",       "Video/VBitRate",   "Video/VCodec",
                             "Video/VKeepWH",    "Video/VSize",          "Video/VAspect",    "Video/VKeepFrameRate",
                             "Video/VFrameRate", "Audio/AKeepCodec",     "Audio/ABitRate",   "Audio/ACodec",
                             "Audio/AChannels",  "Audio/ASample",        "Audio/AVolume"};

bool isBoolText(const QString &text)
{
    return text == QLatin1String("true") || text == QLatin1String("false");
}

// What goes wrong with one value, as a key and the value, for the message.
QString badValue(const QString &key, const QString &value)
{
    return trPresets(QT_TRANSLATE_NOOP("FormatPresets", "The value \"%1\" of %2 is not valid.")).arg(value, key);
}

QString textOf(const QSettings &ini, const char *key)
{
    return ini.value(QLatin1String(key)).toString();
}
}

namespace FormatPresets {

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
           + QCoreApplication::applicationName() + QStringLiteral("/Formats");
}

QStringList names(const QString &folder)
{
    QStringList list;
    const QFileInfoList files = QDir(folder).entryInfoList(QStringList{QStringLiteral("*.ini")}, QDir::Files,
                                                           QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files)
        list << file.completeBaseName();
    return list;
}

QString pathOf(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name + QStringLiteral(".ini");
}

QString nameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return trPresets(QT_TRANSLATE_NOOP("FormatPresets", "Please enter a name for the format options."));
    if (name.startsWith(QLatin1Char('.')))
        return trPresets(QT_TRANSLATE_NOOP("FormatPresets", "A name must not begin with a dot."));
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return trPresets(QT_TRANSLATE_NOOP("FormatPresets",
                                               "A name must not contain slashes or control characters."));
    }
    if (name.toUtf8().size() > kMaxNameBytes)
        return trPresets(QT_TRANSLATE_NOOP("FormatPresets", "The name is too long."));
    return QString();
}

bool read(const QString &path, const HardwareChoice &found, ConfigFormat *format, QString *problem)
{
    const auto refuse = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return false;
    };
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return refuse(trPresets(QT_TRANSLATE_NOOP("FormatPresets", "The file cannot be read.")));
    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return refuse(trPresets(QT_TRANSLATE_NOOP("FormatPresets", "The file is not a format options file.")));
    for (const char *key : kKeys) {
        if (!ini.contains(QLatin1String(key)))
            return refuse(trPresets(QT_TRANSLATE_NOOP("FormatPresets", "The file lacks the setting %1."))
                              .arg(QLatin1String(key)));
    }

    const QString container = textOf(ini, "Format/Format");
    const int containerIndex = ConfigFormat::containerIndex(container);
    if (containerIndex < 0)
        return refuse(badValue(QStringLiteral("Format/Format"), container));
    for (const char *key : {"Video/VSetMode", "Video/VKeepWH", "Video/VKeepFrameRate", "Audio/AKeepCodec"}) {
        if (!isBoolText(textOf(ini, key)))
            return refuse(badValue(QLatin1String(key), textOf(ini, key)));
    }
    bool volumeOk = false;
    const int volume = textOf(ini, "Audio/AVolume").toInt(&volumeOk);
    if (!volumeOk || volume < 0 || volume > kMaxVolume)
        return refuse(badValue(QStringLiteral("Audio/AVolume"), textOf(ini, "Audio/AVolume")));

    // The two typed-in values only need the number the engine will be given.
    static const QRegularExpression size(QStringLiteral("^\\d{1,5}x\\d{1,5}( .*)?$"));
    if (!size.match(textOf(ini, "Video/VSize")).hasMatch())
        return refuse(badValue(QStringLiteral("Video/VSize"), textOf(ini, "Video/VSize")));
    const QString bitRate = textOf(ini, "Video/VBitRate");
    if (bitRate != QLatin1String("Auto") && (bitRate.isEmpty() || !bitRate.at(0).isDigit()))
        return refuse(badValue(QStringLiteral("Video/VBitRate"), bitRate));

    // Values from fixed lists must be ones the dialog offers, or they could not be shown.
    const QString audioCodec = textOf(ini, "Audio/ACodec");
    struct Listed
    {
        const char *key;
        Choices choices;
    };
    QList<Listed> listed = {
        {"Audio/ACodec", FormatLists::audioCodecs(containerIndex)},
        {"Audio/ABitRate", FormatLists::audioBitRates(audioCodec)},
        {"Audio/AChannels", FormatLists::audioChannels(audioCodec)},
        {"Audio/ASample", FormatLists::audioSampleRates(audioCodec, containerIndex)},
    };
    if (FormatLists::hasVideo(containerIndex)) {
        listed << Listed{"Video/VCodec", FormatLists::videoCodecs(containerIndex, found)}
               << Listed{"Video/VAspect", FormatLists::aspects()}
               << Listed{"Video/VFrameRate", FormatLists::frameRates(containerIndex)};
    }
    for (const Listed &entry : listed) {
        const QString value = textOf(ini, entry.key);
        if (!entry.choices.entries.contains(value))
            return refuse(badValue(QLatin1String(entry.key), value));
    }

    ConfigFormat loaded;
    loaded.settingsFile = path;
    loaded.load();
    format->copyFieldsFrom(loaded);
    return true;
}

bool write(const QString &path, const ConfigFormat &format)
{
    ConfigFormat preset;
    preset.copyFieldsFrom(format);
    preset.settingsFile = path;
    return preset.save();
}

bool remove(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!info.isFile() && !info.isSymLink())
        return false;
    QFile file(path);
    if (!info.isSymLink())
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    return file.remove();
}

}
