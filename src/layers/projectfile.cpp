#include "layers/projectfile.h"

#include "common/timeconv.h"

#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <climits>
#include <cmath>
#include <functional>

namespace {

// The project's time text has two-digit hours: 23:59:59:999 is the last time it can hold.
constexpr qint64 latestStorableTime = 24LL * 3600 * 1000000 - 1000;
constexpr int boldWeight = 75;
constexpr int normalWeight = 50;
// Weights from DemiBold up are saved as bold.
constexpr int firstBoldWeight = 58;

// ---- Writing ------------------------------------------------------------------------

class ProjectWriter
{
public:
    explicit ProjectWriter(QStringList *notes) : m_notes(notes) {}

    QByteArray document(const ProjectData &data)
    {
        m_doc.appendChild(m_doc.createProcessingInstruction(QStringLiteral("xml"),
                                                            QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
        QDomElement root = m_doc.createElement(QStringLiteral("Layers"));
        m_doc.appendChild(root);
        for (int i = 0; i < data.layers.size(); ++i)
            root.appendChild(layer(data.layers.at(i), i + 1, data.canvasSize));
        return m_doc.toString(4).toUtf8();
    }

private:
    QDomElement layer(const CLayerInfo &info, int number, QSize canvas)
    {
        QDomElement e = m_doc.createElement(QStringLiteral("Layer"));
        add(e, "Type", QString::number(info.Type));
        add(e, "FileName", info.FileName);
        add(e, "x", QString::number(info.x));
        add(e, "y", QString::number(info.y));
        add(e, "Width", QString::number(info.Width));
        add(e, "Height", QString::number(info.Height));
        add(e, "Keep", flag(info.Keep));
        add(e, "Angle", QString::number(double(info.Angle), 'f', 4));
        add(e, "Transparent", QString::number(info.Transparent));
        add(e, "Animation", QString::number(info.Animation));
        add(e, "Speed", QString::number(info.Speed));
        add(e, "Direction", QString::number(info.Direction));
        add(e, "Loop", QString::number(info.Loop));
        add(e, "StartTime", time(info.StartTime, number, ProjectFile::tr("start time")));
        add(e, "EndTime", time(info.EndTime, number, ProjectFile::tr("end time")));
        add(e, "Fade", QString::number(info.fade));
        if (info.Type == CLayerInfo::Text)
            e.appendChild(wordArt(info.wordArt));
        if (canvas.isValid()) {
            add(e, "CanvasWidth", QString::number(canvas.width()));
            add(e, "CanvasHeight", QString::number(canvas.height()));
        }
        return e;
    }

    QDomElement wordArt(const CWordArtInfo &w)
    {
        QDomElement e = m_doc.createElement(QStringLiteral("WordArt"));
        add(e, "Text", w.Text);
        add(e, "FontName", w.Font.family());
        add(e, "FontSize", QString::number(w.Font.pixelSize() > 0 ? w.Font.pixelSize() : w.FontSize));
        add(e, "FontBold", flag(w.Font.weight() >= firstBoldWeight));
        add(e, "FontItalic", flag(w.Font.style() != QFont::StyleNormal));
        add(e, "FontUnderline", flag(w.Font.underline()));
        add(e, "TextEffect", QString::number(w.TextEffect));
        add(e, "ColorText1", colour(w.TextColor));
        add(e, "TextGradient", flag(w.EnableTextGradient));
        add(e, "ColorText2", colour(w.GradientColor));
        add(e, "ColorOutline1", colour(w.OutlineColor1));
        add(e, "OutlineThickness1", QString::number(w.OutlineThickness1));
        add(e, "OutlineAlpha1", QString::number(w.OutlineAlpha1));
        add(e, "ColorOutline2", colour(w.OutlineColor2));
        add(e, "OutlineThickness2", QString::number(w.OutlineThickness2));
        add(e, "OutlineAlpha2", QString::number(w.OutlineAlpha2));
        add(e, "EnableShadow", flag(w.EnableShadow));
        add(e, "ColorShadow", colour(w.ShadowColor));
        add(e, "ShadowX", QString::number(w.ShadowX));
        add(e, "ShadowY", QString::number(w.ShadowY));
        add(e, "ShadowThickness", QString::number(w.ShadowThickness));
        add(e, "ShadowAlpha", QString::number(w.ShadowAlpha));
        add(e, "EnableBackground", flag(w.EnableBackground));
        add(e, "ColorBackground", colour(w.BackgroundColor));
        add(e, "BackgroundRound", QString::number(w.BackgroundRound));
        add(e, "BackgroundThickness", QString::number(w.BackgroundThickness));
        add(e, "BackgroundAlpha", QString::number(w.BackgroundAlpha));
        // These change the drawing too; readers that do not know them skip them.
        add(e, "DiffusedShadow", flag(w.DiffusedShadow));
        add(e, "ExtrudedText", flag(w.ExtrudedText));
        add(e, "DrawText", flag(w.DrawText));
        return e;
    }

    void add(QDomElement &parent, const char *name, const QString &text)
    {
        QDomElement child = m_doc.createElement(QLatin1String(name));
        // Readers drop text that is only blanks; in a CDATA section it stays.
        const bool onlyBlanks = !text.isEmpty() && text.trimmed().isEmpty() && !text.contains(QLatin1Char('\r'));
        child.appendChild(onlyBlanks ? QDomNode(m_doc.createCDATASection(text)) : QDomNode(m_doc.createTextNode(text)));
        parent.appendChild(child);
    }

    QString time(qint64 us, int layerNumber, const QString &what)
    {
        if (us > latestStorableTime) {
            if (m_notes)
                m_notes->append(ProjectFile::tr("Layer %1: the %2 %3 is a day or longer, which a project "
                                                "cannot hold; it was saved as %4.")
                                    .arg(layerNumber)
                                    .arg(what, TimeConv::toText(us), TimeConv::toText(latestStorableTime)));
            us = latestStorableTime;
        }
        return TimeConv::toText(us);
    }

    static QString flag(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

    static QString colour(const QColor &c)
    {
        const auto hex = [](int v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')); };
        return QStringLiteral("%1%2%3%4").arg(hex(c.alpha()), hex(c.red()), hex(c.green()), hex(c.blue()));
    }

    QDomDocument m_doc;
    QStringList *m_notes;
};

// ---- Reading ------------------------------------------------------------------------

enum class Problem { None, NotWholeNumber, NotNumber, NotTime, NotColour, OutOfRange };

Problem wholeNumber(const QString &text, int *out, int min = INT_MIN, int max = INT_MAX)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return Problem::NotWholeNumber;
    if (value < min || value > max)
        return Problem::OutOfRange;
    *out = value;
    return Problem::None;
}

Problem flag(const QString &text, bool *out)
{
    int value = 0;
    const Problem problem = wholeNumber(text, &value);
    if (problem == Problem::None)
        *out = value != 0;
    return problem;
}

Problem decimal(const QString &text, float *out)
{
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value))
        return Problem::NotNumber;
    *out = value;
    return Problem::None;
}

Problem time(const QString &text, qint64 *out)
{
    bool ok = false;
    const qint64 value = TimeConv::fromText(text, &ok);
    if (!ok)
        return Problem::NotTime;
    *out = value;
    return Problem::None;
}

Problem colour(const QString &text, QColor *out)
{
    static const QRegularExpression form(QStringLiteral("^[0-9A-Fa-f]{1,8}$"));
    const QString trimmed = text.trimmed();
    if (!form.match(trimmed).hasMatch())
        return Problem::NotColour;
    const quint32 v = trimmed.toUInt(nullptr, 16);
    *out = QColor((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff, v >> 24);
    return Problem::None;
}

// One layer as it is read, with the canvas size it names, if any.
struct LayerRecord
{
    CLayerInfo info;
    int canvasWidth = 0;
    int canvasHeight = 0;
};

template<typename Record>
using Setter = std::function<Problem(Record &, const QString &)>;

const QHash<QString, Setter<LayerRecord>> &layerSetters()
{
    using R = LayerRecord;
    static const QHash<QString, Setter<R>> setters{
        {"Type", [](R &r, const QString &t) { return wholeNumber(t, &r.info.Type, CLayerInfo::Video, CLayerInfo::Text); }},
        {"FileName", [](R &r, const QString &t) { r.info.FileName = t; return Problem::None; }},
        {"x", [](R &r, const QString &t) { return wholeNumber(t, &r.info.x); }},
        {"y", [](R &r, const QString &t) { return wholeNumber(t, &r.info.y); }},
        {"Width", [](R &r, const QString &t) { return wholeNumber(t, &r.info.Width, 0); }},
        {"Height", [](R &r, const QString &t) { return wholeNumber(t, &r.info.Height, 0); }},
        {"Keep", [](R &r, const QString &t) { return flag(t, &r.info.Keep); }},
        {"Angle", [](R &r, const QString &t) { return decimal(t, &r.info.Angle); }},
        {"Transparent", [](R &r, const QString &t) { return wholeNumber(t, &r.info.Transparent, 0, 100); }},
        {"Animation",
         [](R &r, const QString &t) {
             return wholeNumber(t, &r.info.Animation, CLayerInfo::NoMotion, CLayerInfo::ScrollBottom);
         }},
        {"Speed", [](R &r, const QString &t) { return wholeNumber(t, &r.info.Speed); }},
        {"Direction", [](R &r, const QString &t) { return wholeNumber(t, &r.info.Direction); }},
        {"Loop", [](R &r, const QString &t) { return wholeNumber(t, &r.info.Loop, 0); }},
        {"StartTime", [](R &r, const QString &t) { return time(t, &r.info.StartTime); }},
        {"EndTime", [](R &r, const QString &t) { return time(t, &r.info.EndTime); }},
        {"Fade",
         [](R &r, const QString &t) { return wholeNumber(t, &r.info.fade, CLayerInfo::NoFade, CLayerInfo::FadeInOut); }},
        {"CanvasWidth", [](R &r, const QString &t) { return wholeNumber(t, &r.canvasWidth, 1); }},
        {"CanvasHeight", [](R &r, const QString &t) { return wholeNumber(t, &r.canvasHeight, 1); }},
    };
    return setters;
}

Problem fontSize(CWordArtInfo &w, const QString &text)
{
    int size = 0;
    const Problem problem = wholeNumber(text, &size, 1, 4096);
    if (problem == Problem::None) {
        w.Font.setPixelSize(size);
        w.FontSize = size;
    }
    return problem;
}

Problem fontFlag(CWordArtInfo &w, const QString &text, const std::function<void(QFont &, bool)> &apply)
{
    bool on = false;
    const Problem problem = flag(text, &on);
    if (problem == Problem::None)
        apply(w.Font, on);
    return problem;
}

const QHash<QString, Setter<CWordArtInfo>> &wordArtSetters()
{
    using W = CWordArtInfo;
    static const QHash<QString, Setter<W>> setters{
        {"Text", [](W &w, const QString &t) { w.Text = t; return Problem::None; }},
        {"FontName", [](W &w, const QString &t) { w.Font.setFamily(t); return Problem::None; }},
        {"FontSize", fontSize},
        {"FontBold",
         [](W &w, const QString &t) {
             return fontFlag(w, t, [](QFont &f, bool on) { f.setWeight(on ? boldWeight : normalWeight); });
         }},
        {"FontItalic",
         [](W &w, const QString &t) {
             return fontFlag(w, t, [](QFont &f, bool on) { f.setStyle(on ? QFont::StyleItalic : QFont::StyleNormal); });
         }},
        {"FontUnderline",
         [](W &w, const QString &t) { return fontFlag(w, t, [](QFont &f, bool on) { f.setUnderline(on); }); }},
        {"TextEffect",
         [](W &w, const QString &t) { return wholeNumber(t, &w.TextEffect, W::TextGlow, W::DoubleGlow); }},
        {"ColorText1", [](W &w, const QString &t) { return colour(t, &w.TextColor); }},
        {"TextGradient", [](W &w, const QString &t) { return flag(t, &w.EnableTextGradient); }},
        {"ColorText2", [](W &w, const QString &t) { return colour(t, &w.GradientColor); }},
        {"ColorOutline1", [](W &w, const QString &t) { return colour(t, &w.OutlineColor1); }},
        {"OutlineThickness1", [](W &w, const QString &t) { return wholeNumber(t, &w.OutlineThickness1, 0); }},
        {"OutlineAlpha1", [](W &w, const QString &t) { return wholeNumber(t, &w.OutlineAlpha1, 0, 255); }},
        {"ColorOutline2", [](W &w, const QString &t) { return colour(t, &w.OutlineColor2); }},
        {"OutlineThickness2", [](W &w, const QString &t) { return wholeNumber(t, &w.OutlineThickness2, 0); }},
        {"OutlineAlpha2", [](W &w, const QString &t) { return wholeNumber(t, &w.OutlineAlpha2, 0, 255); }},
        {"EnableShadow", [](W &w, const QString &t) { return flag(t, &w.EnableShadow); }},
        {"ColorShadow", [](W &w, const QString &t) { return colour(t, &w.ShadowColor); }},
        {"ShadowX", [](W &w, const QString &t) { return wholeNumber(t, &w.ShadowX); }},
        {"ShadowY", [](W &w, const QString &t) { return wholeNumber(t, &w.ShadowY); }},
        {"ShadowThickness", [](W &w, const QString &t) { return wholeNumber(t, &w.ShadowThickness, 0); }},
        {"ShadowAlpha", [](W &w, const QString &t) { return wholeNumber(t, &w.ShadowAlpha, 0, 255); }},
        {"EnableBackground", [](W &w, const QString &t) { return flag(t, &w.EnableBackground); }},
        {"ColorBackground", [](W &w, const QString &t) { return colour(t, &w.BackgroundColor); }},
        {"BackgroundRound", [](W &w, const QString &t) { return wholeNumber(t, &w.BackgroundRound, 0); }},
        {"BackgroundThickness", [](W &w, const QString &t) { return wholeNumber(t, &w.BackgroundThickness, 0); }},
        {"BackgroundAlpha", [](W &w, const QString &t) { return wholeNumber(t, &w.BackgroundAlpha, 0, 255); }},
        {"DiffusedShadow", [](W &w, const QString &t) { return flag(t, &w.DiffusedShadow); }},
        {"ExtrudedText", [](W &w, const QString &t) { return flag(t, &w.ExtrudedText); }},
        {"DrawText", [](W &w, const QString &t) { return flag(t, &w.DrawText); }},
    };
    return setters;
}

QString describe(Problem problem, int layerNumber, const QString &element, const QString &text)
{
    switch (problem) {
    case Problem::NotWholeNumber:
        return ProjectFile::tr("Layer %1: \"%2\" should be a whole number, not \"%3\".").arg(layerNumber).arg(element, text);
    case Problem::NotNumber:
        return ProjectFile::tr("Layer %1: \"%2\" should be a number, not \"%3\".").arg(layerNumber).arg(element, text);
    case Problem::NotTime:
        return ProjectFile::tr("Layer %1: \"%2\" should be a time of the form HH:mm:ss:zzz, not \"%3\".")
            .arg(layerNumber)
            .arg(element, text);
    case Problem::NotColour:
        return ProjectFile::tr("Layer %1: \"%2\" should be a colour of the form aarrggbb, not \"%3\".")
            .arg(layerNumber)
            .arg(element, text);
    case Problem::OutOfRange:
        return ProjectFile::tr("Layer %1: the value \"%3\" of \"%2\" is out of range.").arg(layerNumber).arg(element, text);
    case Problem::None:
        break;
    }
    return QString();
}

// Applies every known child element of parent to record; unknown names are skipped so that
// files of newer versions still open. Returns the names it saw.
template<typename Record>
bool readFields(const QDomElement &parent, const QHash<QString, Setter<Record>> &setters, Record &record,
                int layerNumber, QSet<QString> *seen, QString *error)
{
    for (QDomElement field = parent.firstChildElement(); !field.isNull(); field = field.nextSiblingElement()) {
        const auto setter = setters.constFind(field.tagName());
        if (setter == setters.constEnd())
            continue;
        const QString text = field.text();
        const Problem problem = (*setter)(record, text);
        if (problem != Problem::None) {
            *error = describe(problem, layerNumber, field.tagName(), text);
            return false;
        }
        seen->insert(field.tagName());
    }
    return true;
}

bool readLayer(const QDomElement &element, int number, LayerRecord *record, QString *error)
{
    QSet<QString> seen;
    if (!readFields(element, layerSetters(), *record, number, &seen, error))
        return false;
    for (const char *required : {"Type", "FileName"}) {
        if (!seen.contains(QLatin1String(required))) {
            *error = ProjectFile::tr("Layer %1 has no \"%2\" element.").arg(number).arg(QLatin1String(required));
            return false;
        }
    }
    if (seen.contains(QStringLiteral("CanvasWidth")) != seen.contains(QStringLiteral("CanvasHeight"))) {
        *error = ProjectFile::tr("Layer %1 gives only one side of its canvas size.").arg(number);
        return false;
    }
    const QDomElement wordArt = element.firstChildElement(QStringLiteral("WordArt"));
    if (record->info.Type == CLayerInfo::Text && wordArt.isNull()) {
        *error = ProjectFile::tr("Layer %1 has no \"%2\" element.").arg(number).arg(QStringLiteral("WordArt"));
        return false;
    }
    QSet<QString> wordArtSeen;
    return wordArt.isNull() || readFields(wordArt, wordArtSetters(), record->info.wordArt, number, &wordArtSeen, error);
}

}

bool ProjectFile::parse(const QByteArray &xml, ProjectData *out, QString *error)
{
    QString problem;
    QDomDocument doc;
    int line = 0;
    int column = 0;
    if (!doc.setContent(xml, &problem, &line, &column)) {
        *error = tr("The file is not a readable project (line %1, column %2): %3").arg(line).arg(column).arg(problem);
        return false;
    }
    const QDomElement root = doc.documentElement();
    if (root.tagName() != QLatin1String("Layers")) {
        *error = tr("This is not a Brindle project: its top element is \"%1\" instead of \"Layers\".")
                     .arg(root.tagName());
        return false;
    }
    ProjectData data;
    int number = 0;
    for (QDomElement element = root.firstChildElement(); !element.isNull(); element = element.nextSiblingElement()) {
        ++number;
        if (element.tagName() != QLatin1String("Layer")) {
            *error = tr("The project holds an element \"%1\" where a layer was expected.").arg(element.tagName());
            return false;
        }
        LayerRecord record;
        if (!readLayer(element, number, &record, error))
            return false;
        if (record.canvasWidth > 0) {
            const QSize canvas(record.canvasWidth, record.canvasHeight);
            if (data.canvasSize.isValid() && data.canvasSize != canvas) {
                *error = tr("Layer %1 names a canvas size different from the layers before it.").arg(number);
                return false;
            }
            data.canvasSize = canvas;
        }
        data.layers.append(record.info);
    }
    *out = data;
    error->clear();
    return true;
}

bool ProjectFile::read(const QString &path, ProjectData *out, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("The project %1 could not be opened: %2").arg(path, file.errorString());
        return false;
    }
    return parse(file.readAll(), out, error);
}

QByteArray ProjectFile::toXml(const ProjectData &data, QStringList *notes)
{
    return ProjectWriter(notes).document(data);
}

bool ProjectFile::write(const QString &path, const ProjectData &data, QString *error, QStringList *notes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = tr("The project could not be saved to %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray xml = toXml(data, notes);
    if (file.write(xml) != xml.size() || !file.commit()) {
        *error = tr("The project could not be saved to %1: %2").arg(path, file.errorString());
        return false;
    }
    error->clear();
    return true;
}
