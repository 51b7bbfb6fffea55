#include "text/wordartpresets.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDomDocument>
#include <QFile>

#include <functional>

namespace {

int number(const QString &text)
{
    return text.trimmed().toInt();
}

bool flag(const QString &text)
{
    return number(text) != 0;
}

using FieldSetter = std::function<void(CWordArtInfo &, const QString &)>;

const QHash<QString, FieldSetter> &fieldSetters()
{
    static const QHash<QString, FieldSetter> setters{
        {QStringLiteral("Name"), [](CWordArtInfo &w, const QString &t) { w.Name = t; }},
        {QStringLiteral("TextEffect"), [](CWordArtInfo &w, const QString &t) { w.TextEffect = number(t); }},
        {QStringLiteral("TextColor"), [](CWordArtInfo &w, const QString &t) { w.TextColor = wordArtColorFromHex(t); }},
        {QStringLiteral("EnableTextGradient"),
         [](CWordArtInfo &w, const QString &t) { w.EnableTextGradient = flag(t); }},
        {QStringLiteral("GradientColor"),
         [](CWordArtInfo &w, const QString &t) { w.GradientColor = wordArtColorFromHex(t); }},
        {QStringLiteral("ExtrudedText"), [](CWordArtInfo &w, const QString &t) { w.ExtrudedText = flag(t); }},
        {QStringLiteral("OutlineColor1"),
         [](CWordArtInfo &w, const QString &t) { w.OutlineColor1 = wordArtColorFromHex(t); }},
        {QStringLiteral("OutlineThickness1"),
         [](CWordArtInfo &w, const QString &t) { w.OutlineThickness1 = number(t); }},
        {QStringLiteral("OutlineAlpha1"), [](CWordArtInfo &w, const QString &t) { w.OutlineAlpha1 = number(t); }},
        {QStringLiteral("OutlineColor2"),
         [](CWordArtInfo &w, const QString &t) { w.OutlineColor2 = wordArtColorFromHex(t); }},
        {QStringLiteral("OutlineThickness2"),
         [](CWordArtInfo &w, const QString &t) { w.OutlineThickness2 = number(t); }},
        {QStringLiteral("OutlineAlpha2"), [](CWordArtInfo &w, const QString &t) { w.OutlineAlpha2 = number(t); }},
        {QStringLiteral("EnableShadow"), [](CWordArtInfo &w, const QString &t) { w.EnableShadow = flag(t); }},
        {QStringLiteral("ShadowColor"),
         [](CWordArtInfo &w, const QString &t) { w.ShadowColor = wordArtColorFromHex(t); }},
        {QStringLiteral("ShadowThickness"),
         [](CWordArtInfo &w, const QString &t) { w.ShadowThickness = number(t); }},
        {QStringLiteral("ShadowAlpha"), [](CWordArtInfo &w, const QString &t) { w.ShadowAlpha = number(t); }},
        {QStringLiteral("ShadowX"), [](CWordArtInfo &w, const QString &t) { w.ShadowX = number(t); }},
        {QStringLiteral("ShadowY"), [](CWordArtInfo &w, const QString &t) { w.ShadowY = number(t); }},
        {QStringLiteral("EnableBackground"),
         [](CWordArtInfo &w, const QString &t) { w.EnableBackground = flag(t); }},
    };
    return setters;
}

CWordArtInfo presetFrom(const QDomElement &element)
{
    CWordArtInfo preset;
    for (QDomElement field = element.firstChildElement(); !field.isNull(); field = field.nextSiblingElement()) {
        const QString text = field.text();
        qDebug() << "WordArt preset field" << field.tagName() << text;
        const auto setter = fieldSetters().constFind(field.tagName());
        if (setter != fieldSetters().constEnd())
            (*setter)(preset, text);
    }
    return preset;
}

}

QString wordArtPresetsPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/opts/WordArt.xml");
}

QColor wordArtColorFromHex(const QString &text)
{
    bool ok = false;
    const quint32 value = text.trimmed().toUInt(&ok, 16);
    if (!ok)
        return QColor(0, 0, 0, 0);
    return QColor((value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff, (value >> 24) & 0xff);
}

QList<CWordArtInfo> readWordArtPresets(const QString &path)
{
    QList<CWordArtInfo> presets;
    QFile file(path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file)) {
        qDebug() << "No word-art presets read from" << path;
        return presets;
    }
    const QDomElement root = document.documentElement();
    const QDomNode first = root.firstChild();
    if (root.tagName() != QLatin1String("WordArts") || !first.isElement()
        || first.toElement().tagName() != QLatin1String("WordArt")) {
        qDebug() << "Not a word-art presets file:" << path;
        return presets;
    }
    for (QDomElement element = first.toElement(); !element.isNull(); element = element.nextSiblingElement())
        presets.append(presetFrom(element));
    return presets;
}

void applyWordArtPreset(CWordArtInfo &target, const CWordArtInfo &preset)
{
    CWordArtInfo styled = preset;
    styled.Text = target.Text;
    styled.Name = target.Name;
    styled.Font = target.Font;
    styled.FontSize = target.FontSize;
    styled.BackgroundColor = target.BackgroundColor;
    styled.BackgroundAlpha = target.BackgroundAlpha;
    styled.BackgroundThickness = target.BackgroundThickness;
    styled.BackgroundRound = target.BackgroundRound;
    styled.Origin = target.Origin;
    target = styled;
}
