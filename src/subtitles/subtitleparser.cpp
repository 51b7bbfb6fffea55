#include "subtitles/subtitleparser.h"

#include "common/asslibrary.h"
#include "common/textencoding.h"
#include "subtitles/srtmarkup.h"
#include "subtitles/srtreader.h"

#include <QDebug>
#include <QSaveFile>
#include <QTextCodec>

#include <algorithm>
#include <charconv>
#include <functional>
#include <memory>

namespace {

// ---- ASS ------------------------------------------------------------------

using Track = std::unique_ptr<ASS_Track, decltype(&ass_free_track)>;

// libass takes the bytes as they are, so text behind a byte-order mark is made
// plain UTF-8 first. *hadBom tells that the file declared a Unicode encoding.
Track readTrack(const QString &path, bool *hadBom)
{
    Track none(nullptr, ass_free_track);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "Cannot open subtitle file" << path << file.errorString();
        return none;
    }
    *hadBom = TextEncoding::codecForBom(file.peek(4)) != nullptr;
    if (*hadBom) {
        QByteArray text = TextEncoding::decode(file.readAll()).toUtf8();
        return Track(ass_read_memory(assLibrary(), text.data(), size_t(text.size()), nullptr), ass_free_track);
    }
    file.close();
    QByteArray name = path.toUtf8();
    return Track(ass_read_file(assLibrary(), name.data(), nullptr), ass_free_track);
}

// libass keeps alignment in its legacy form (1-3 plus 4 for top, 8 for middle).
int keypadAlignment(int legacy)
{
    int horizontal = legacy & 3;
    if (horizontal == 0)
        horizontal = 2;
    if (legacy & VALIGN_TOP)
        return horizontal + 6;
    if (legacy & VALIGN_CENTER)
        return horizontal + 3;
    return horizontal;
}

// One encoding for every string of a track: UTF-8 when all of them are,
// otherwise the legacy encoding the failing strings point to.
class TrackTextDecoder
{
    static constexpr int kLegacySampleLimit = 1024 * 1024;

public:
    TrackTextDecoder(const ASS_Track *track, bool declaredUnicode)
    {
        if (declaredUnicode)
            return;
        QByteArray legacySample;
        const auto check = [&](const char *text) {
            const QByteArray bytes = QByteArray::fromRawData(text ? text : "", text ? int(qstrlen(text)) : 0);
            if (legacySample.size() < kLegacySampleLimit && !TextEncoding::isUtf8(bytes))
                legacySample.append(bytes).append('\n');
        };
        for (int i = 1; i < track->n_styles; ++i) {
            check(track->styles[i].Name);
            check(track->styles[i].FontName);
        }
        for (int i = 0; i < track->n_events; ++i) {
            check(track->events[i].Name);
            check(track->events[i].Effect);
            check(track->events[i].Text);
        }
        if (!legacySample.isEmpty())
            m_legacy = TextEncoding::legacyCodec(legacySample);
    }

    bool isUtf8() const { return !m_legacy; }

    QString operator()(const char *text) const
    {
        if (!text)
            return QString();
        return m_legacy ? m_legacy->toUnicode(text) : QString::fromUtf8(text);
    }

private:
    QTextCodec *m_legacy = nullptr;
};

SubtitleStyle styleFrom(const ASS_Style &from, const TrackTextDecoder &decode)
{
    SubtitleStyle style;
    style.Name = decode(from.Name);
    style.FontName = decode(from.FontName);
    style.FontSize = from.FontSize;
    style.PrimaryColour = from.PrimaryColour;
    style.SecondaryColour = from.SecondaryColour;
    style.OutlineColour = from.OutlineColour;
    style.BackColour = from.BackColour;
    style.Bold = from.Bold;
    style.Italic = from.Italic;
    style.Underline = from.Underline;
    style.StrikeOut = from.StrikeOut;
    style.ScaleX = from.ScaleX;
    style.ScaleY = from.ScaleY;
    style.Spacing = from.Spacing;
    style.Angle = from.Angle;
    style.BorderStyle = from.BorderStyle;
    style.Outline = from.Outline;
    style.Shadow = from.Shadow;
    style.Alignment = keypadAlignment(from.Alignment);
    style.MarginL = from.MarginL;
    style.MarginR = from.MarginR;
    style.MarginV = from.MarginV;
    style.Encoding = from.Encoding;
    return style;
}

SubtitleEvent eventFrom(const ASS_Event &from, const TrackTextDecoder &decode)
{
    SubtitleEvent event;
    event.Start = from.Start;
    event.End = from.Start + from.Duration;
    event.ReadOrder = from.ReadOrder;
    event.Layer = from.Layer;
    event.Style = from.Style;
    event.Name = decode(from.Name);
    event.MarginL = from.MarginL;
    event.MarginR = from.MarginR;
    event.MarginV = from.MarginV;
    event.Effect = decode(from.Effect);
    event.Text = decode(from.Text);
    return event;
}

// ---- writing --------------------------------------------------------------

// The maker's web address, written as a comment into every ASS file.
const char kMakerAddress[] = "https://brindle.example.org";

const char kStyleFormat[] =
    "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, Italic, "
    "Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, "
    "MarginR, MarginV, Encoding\n";

enum class TimeForm { Ass, Srt };

// "0:01:02.05" or "00:01:02,050". Subtitle files cannot say "before the
// start", so earlier times are written as 0.
void appendTime(QByteArray &out, qint64 microseconds, TimeForm form)
{
    const qint64 us = qMax<qint64>(microseconds, 0);
    const auto twoDigits = [&out](qint64 value) {
        out.append(char('0' + value / 10)).append(char('0' + value % 10));
    };
    const qint64 hours = us / 3600000000LL;
    if (form == TimeForm::Srt && hours < 10)
        out.append('0');
    char digits[24];
    out.append(digits, int(std::to_chars(std::begin(digits), std::end(digits), hours).ptr - digits));
    out.append(':');
    twoDigits(us / 60000000 % 60);
    out.append(':');
    twoDigits(us / 1000000 % 60);
    if (form == TimeForm::Ass) {
        out.append('.');
        twoDigits(us / 10000 % 100);
    } else {
        const qint64 milliseconds = us / 1000 % 1000;
        out.append(',').append(char('0' + milliseconds / 100));
        twoDigits(milliseconds % 100);
    }
}

struct TimeText {
    qint64 microseconds;
    TimeForm form;
};

// An event margin of 0 or less is written "0000": the style's.
struct EventMargin {
    int margin;
};

// UTF-8 text into a file, without a byte-order mark, through a save file, so
// that a failed write never leaves half a file in place of a good one.
class SubtitleFileWriter
{
    static constexpr int kFlushBytes = 16 * 1024;

public:
    explicit SubtitleFileWriter(const QString &path) : m_file(path)
    {
        m_file.setDirectWriteFallback(true);
        m_buffer.reserve(kFlushBytes + 4096);
    }

    bool open()
    {
        if (m_file.open(QIODevice::WriteOnly | QIODevice::Text))
            return true;
        qWarning().noquote() << "Cannot write subtitle file" << m_file.fileName() << m_file.errorString();
        return false;
    }

    SubtitleFileWriter &operator<<(const char *text)
    {
        m_buffer.append(text);
        return flushWhenFull();
    }
    SubtitleFileWriter &operator<<(char c)
    {
        m_buffer.append(c);
        return flushWhenFull();
    }
    SubtitleFileWriter &operator<<(qint64 number)
    {
        char digits[24];
        const auto result = std::to_chars(std::begin(digits), std::end(digits), number);
        m_buffer.append(digits, int(result.ptr - digits));
        return flushWhenFull();
    }
    SubtitleFileWriter &operator<<(int number) { return *this << qint64(number); }
    SubtitleFileWriter &operator<<(const QString &text)
    {
        m_buffer.append(text.toUtf8());
        return flushWhenFull();
    }
    SubtitleFileWriter &operator<<(const QByteArray &utf8)
    {
        m_buffer.append(utf8);
        return flushWhenFull();
    }
    SubtitleFileWriter &operator<<(TimeText time)
    {
        appendTime(m_buffer, time.microseconds, time.form);
        return flushWhenFull();
    }
    SubtitleFileWriter &operator<<(EventMargin margin)
    {
        return margin.margin > 0 ? *this << margin.margin : *this << "0000";
    }

    bool commit()
    {
        flush();
        if (m_failed)
            m_file.cancelWriting();
        if (!m_file.commit()) {
            qWarning().noquote() << "Cannot write subtitle file" << m_file.fileName() << m_file.errorString();
            return false;
        }
        return true;
    }

private:
    SubtitleFileWriter &flushWhenFull()
    {
        if (m_buffer.size() >= kFlushBytes)
            flush();
        return *this;
    }

    void flush()
    {
        if (!m_failed && m_file.write(m_buffer) != m_buffer.size())
            m_failed = true;
        m_buffer.resize(0);
    }

    QSaveFile m_file;
    QByteArray m_buffer;
    bool m_failed = false;
};

bool writeText(const QString &path, const std::function<void(SubtitleFileWriter &)> &body)
{
    SubtitleFileWriter out(path);
    if (!out.open())
        return false;
    body(out);
    return out.commit();
}

QString decimal(double value)
{
    return QString::number(value, 'g', 6);
}

// 0xRRGGBBAA is written as &HAABBGGRR.
QString assColour(quint32 rgba)
{
    const quint32 abgr = (rgba & 0xffu) << 24 | ((rgba >> 8) & 0xffu) << 16 | ((rgba >> 16) & 0xffu) << 8 | rgba >> 24;
    return QStringLiteral("&H%1").arg(abgr, 8, 16, QLatin1Char('0'));
}

bool breaksAssLine(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c.isNull();
}

// An ASS line ends at a line feed or carriage return and libass stops reading
// at a NUL, so typed line breaks become "\N" and NULs are dropped.
QString assText(const QString &text)
{
    if (std::none_of(text.begin(), text.end(), breaksAssLine))
        return text;
    QString result;
    result.reserve(text.size() + 8);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool crlf = c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
        if (c.isNull() || crlf)
            continue;
        if (breaksAssLine(c))
            result += QLatin1String("\\N");
        else
            result += c;
    }
    return result;
}

// A field before the text: a comma would shift every later field, so it
// becomes a semicolon, and nothing may end the line.
QString assField(const QString &field)
{
    if (!field.contains(QLatin1Char(',')) && std::none_of(field.begin(), field.end(), breaksAssLine))
        return field;
    QString result = field;
    result.replace(QLatin1Char(','), QLatin1Char(';'));
    result.remove(QLatin1Char('\r'));
    result.remove(QLatin1Char('\n'));
    result.remove(QChar());
    return result;
}

void writeStyleSection(SubtitleFileWriter &out, const QVector<SubtitleStyle> &styles)
{
    out << "[V4+ Styles]\n";
    for (const SubtitleStyle &s : styles) {
        out << kStyleFormat;
        out << "Style: " << assField(s.Name) << ',' << assField(s.FontName) << ',' << decimal(s.FontSize) << ','
            << assColour(s.PrimaryColour) << ',' << assColour(s.SecondaryColour) << ','
            << assColour(s.OutlineColour) << ',' << assColour(s.BackColour) << ',' << s.Bold << ',' << s.Italic
            << ',' << s.Underline << ',' << s.StrikeOut << ',' << decimal(s.ScaleX * 100) << ','
            << decimal(s.ScaleY * 100) << ',' << decimal(s.Spacing) << ',' << decimal(s.Angle) << ','
            << s.BorderStyle << ',' << decimal(s.Outline) << ',' << decimal(s.Shadow) << ',' << s.Alignment << ','
            << s.MarginL << ',' << s.MarginR << ',' << s.MarginV << ',' << s.Encoding << '\n';
    }
}

const char *matrixName(int code)
{
    static const char *const kNames[] = {"none", "tv.601", "pc.601", "tv.709", "pc.709",
                                         "tv.240m", "pc.240m", "tv.fcc", "pc.fcc"};
    return code >= 2 && code <= 10 ? kNames[code - 2] : nullptr;
}

// Everything before the first "Dialogue:" line.
void writeAssHead(SubtitleFileWriter &out, const SubtitleParser &document)
{
    out << "[Script Info]\n"
        << "; Script generated by Brindle 4.0\n"
        << "; " << kMakerAddress << '\n'
        << "Title: Default ASS file\n"
        << "ScriptType: v4.00+\n"
        << "WrapStyle: " << document.WrapStyle << '\n'
        << "ScaledBorderAndShadow: " << (document.ScaledBorderAndShadow == 1 ? "yes" : "no") << '\n';
    if (const char *matrix = matrixName(document.YCbCrMatrix))
        out << "YCbCr Matrix: " << matrix << '\n';
    if (document.PlayResX > 0)
        out << "PlayResX: " << document.PlayResX << '\n';
    if (document.PlayResY > 0)
        out << "PlayResY: " << document.PlayResY << '\n';
    writeStyleSection(out, document.styles);
    out << "[Events]\n"
        << "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";
}

// The "Dialogue:" lines of one document; its style names are looked up once.
class DialogueWriter
{
public:
    DialogueWriter(SubtitleFileWriter &out, const SubtitleParser &document, bool srtMarkup) :
        m_out(out), m_srtMarkup(srtMarkup)
    {
        for (const SubtitleStyle &style : document.styles)
            m_styleNames.append(assField(style.Name).toUtf8());
    }

    void operator()(const SubtitleEvent &e)
    {
        const QByteArray styleName = e.Style >= 1 && e.Style <= m_styleNames.size() ? m_styleNames[e.Style - 1]
                                                                                    : QByteArray();
        m_out << "Dialogue: " << e.Layer << ',' << TimeText{e.Start * 1000, TimeForm::Ass} << ','
              << TimeText{e.End * 1000, TimeForm::Ass} << ',' << styleName << ',' << assField(e.Name) << ','
              << EventMargin{e.MarginL} << ',' << EventMargin{e.MarginR} << ',' << EventMargin{e.MarginV} << ','
              << assField(e.Effect) << ',' << assText(m_srtMarkup ? SrtMarkup::toAss(e.Text) : e.Text) << '\n';
    }

private:
    SubtitleFileWriter &m_out;
    bool m_srtMarkup;
    QVector<QByteArray> m_styleNames;
};

// SRT has no "\N"; its line breaks are real ones.
QString srtText(const QString &text)
{
    if (!text.contains(QLatin1String("\\N")))
        return text;
    QString result = text;
    result.replace(QLatin1String("\\N"), QLatin1String("\n"));
    return result;
}

QString ending(const QString &path)
{
    return path.right(3).toLower();
}

}

SubtitleParser::SubtitleParser(QObject *parent) : QFile(parent), styles(1) {}

bool SubtitleParser::read(const QString &path)
{
    if (isOpen())
        close();
    setFileName(path);
    const QString kind = ending(path);
    if (kind == QLatin1String("srt"))
        return readSrt();
    if (kind == QLatin1String("ass") || kind == QLatin1String("ssa") || kind == QLatin1String("sty"))
        return readAss();
    qWarning().noquote() << "Not a subtitle file:" << path;
    return false;
}

bool SubtitleParser::readAss()
{
    bool declaredUnicode = false;
    const Track track = readTrack(fileName(), &declaredUnicode);
    if (!track) {
        qWarning().noquote() << "libass cannot read" << fileName();
        return false;
    }
    const TrackTextDecoder decode(track.get(), declaredUnicode);

    // Index 0 is libass's own fallback style, so the file's styles keep their
    // 1-based numbers and events' style numbers need no translation.
    QVector<SubtitleStyle> readStyles;
    readStyles.reserve(qMax(0, track->n_styles - 1));
    for (int i = 1; i < track->n_styles; ++i)
        readStyles.append(styleFrom(track->styles[i], decode));
    QVector<SubtitleEvent> readEvents;
    readEvents.reserve(track->n_events);
    for (int i = 0; i < track->n_events; ++i)
        readEvents.append(eventFrom(track->events[i], decode));

    PlayResX = track->PlayResX;
    PlayResY = track->PlayResY;
    WrapStyle = track->WrapStyle;
    ScaledBorderAndShadow = track->ScaledBorderAndShadow;
    YCbCrMatrix = track->YCbCrMatrix;
    utf8 = decode.isUtf8();
    srtMarkup = false;
    styles = std::move(readStyles);
    events = std::move(readEvents);
    return true;
}

bool SubtitleParser::readSrt()
{
    const bool wasOpen = isOpen();
    if (!wasOpen && !open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "Cannot open subtitle file" << fileName() << errorString();
        return false;
    }
    if (!isReadable()) {
        qWarning().noquote() << "Subtitle file is not open for reading:" << fileName();
        return false;
    }
    // The reader takes line ends apart itself and needs the raw bytes.
    const bool textMode = isTextModeEnabled();
    setTextModeEnabled(false);
    seek(0);
    // The old lines go first, so that a big file never has two documents' worth in memory.
    events = QVector<SubtitleEvent>();
    utf8 = readSrtCues(this, [this](SubtitleEvent &&cue) { events.append(std::move(cue)); });
    srtMarkup = true;

    setTextModeEnabled(textMode);
    if (!wasOpen)
        close();
    return true;
}

bool SubtitleParser::write(const QString &path) const
{
    const QString kind = ending(path);
    if (kind == QLatin1String("srt"))
        return writeSrt(path);
    if (kind == QLatin1String("ass") || kind == QLatin1String("ssa"))
        return writeAss(path);
    qWarning().noquote() << "Not a subtitle file name:" << path;
    return false;
}

bool SubtitleParser::writeAss(const QString &path) const
{
    return writeText(path, [this](SubtitleFileWriter &out) {
        writeAssHead(out, *this);
        DialogueWriter dialogue(out, *this, srtMarkup);
        for (const SubtitleEvent &e : events)
            dialogue(e);
    });
}

bool SubtitleParser::writeAssFromSrt(const QString &srtPath, const QString &assPath) const
{
    QFile srt(srtPath);
    if (!srt.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "Cannot open subtitle file" << srtPath << srt.errorString();
        return false;
    }
    return writeText(assPath, [this, &srt](SubtitleFileWriter &out) {
        writeAssHead(out, *this);
        DialogueWriter dialogue(out, *this, true);
        readSrtCues(&srt, [&dialogue](SubtitleEvent &&cue) { dialogue(cue); });
    });
}

bool SubtitleParser::writeSrt(const QString &path) const
{
    return writeText(path, [this](SubtitleFileWriter &out) {
        int number = 0;
        for (const SubtitleEvent &e : events) {
            out << ++number << '\n'
                << TimeText{e.Start * 1000, TimeForm::Srt} << " --> " << TimeText{e.End * 1000, TimeForm::Srt}
                << '\n'
                << srtText(e.Text) << "\n\n";
        }
    });
}

bool SubtitleParser::writeStyles(const QString &path) const
{
    return writeText(path, [this](SubtitleFileWriter &out) { writeStyleSection(out, styles); });
}
