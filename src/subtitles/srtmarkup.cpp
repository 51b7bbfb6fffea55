#include "subtitles/srtmarkup.h"

#include <QColor>
#include <QVector>

#include <algorithm>
#include <functional>

namespace {

struct Tag {
    enum Kind { Italic, Bold, Underline, StrikeOut, Font };
    Kind kind = Italic;
    bool closing = false;
    // Of an opening font tag, as ASS override arguments; empty when not given.
    QString colour;
    QString face;
    QString size;
};

class TagScanner
{
public:
    TagScanner(const QChar *at, const QChar *end) : m_at(at), m_end(end) {}

    // Reads a tag that starts at the '<'; false when it is no tag of ours.
    bool scan(Tag *tag)
    {
        ++m_at;
        skipBlanks();
        tag->closing = take(QLatin1Char('/'));
        skipBlanks();
        const QString name = word().toLower();
        static const QString kNames[] = {QStringLiteral("i"), QStringLiteral("b"), QStringLiteral("u"),
                                         QStringLiteral("s"), QStringLiteral("font")};
        const QString *known = std::find(std::begin(kNames), std::end(kNames), name);
        if (known == std::end(kNames))
            return false;
        tag->kind = Tag::Kind(known - std::begin(kNames));
        if (tag->kind == Tag::Font && !tag->closing)
            return attributes(tag);
        skipBlanks();
        return take(QLatin1Char('>'));
    }

    const QChar *position() const { return m_at; }

private:
    bool attributes(Tag *tag)
    {
        for (;;) {
            const bool separated = skipBlanks();
            if (take(QLatin1Char('>')))
                return true;
            const QString name = word().toLower();
            if (name.isEmpty() || !separated)
                return false;
            skipBlanks();
            const QString value = take(QLatin1Char('=')) ? attributeValue() : QString();
            if (name == QLatin1String("color"))
                tag->colour = assColour(value);
            else if (name == QLatin1String("face"))
                tag->face = fontName(value);
            else if (name == QLatin1String("size"))
                tag->size = fontSize(value);
        }
    }

    QString attributeValue()
    {
        skipBlanks();
        const QChar *start = m_at;
        if (m_at < m_end && (*m_at == QLatin1Char('"') || *m_at == QLatin1Char('\''))) {
            const QChar quote = *m_at++;
            while (m_at < m_end && *m_at != quote)
                ++m_at;
            const QString value(start + 1, int(m_at - start - 1));
            take(quote);
            return value;
        }
        while (m_at < m_end && !m_at->isSpace() && *m_at != QLatin1Char('>'))
            ++m_at;
        return QString(start, int(m_at - start));
    }

    // "#00ff00", "00ff00" or a colour name, as "&HBBGGRR&".
    static QString assColour(const QString &value)
    {
        QString name = value.trimmed();
        if (!QColor::isValidColor(name) && QColor::isValidColor(QLatin1Char('#') + name))
            name.prepend(QLatin1Char('#'));
        if (!QColor::isValidColor(name))
            return QString();
        const QColor colour(name);
        const uint bgr = uint(colour.blue()) << 16 | uint(colour.green()) << 8 | uint(colour.red());
        return QStringLiteral("&H%1&").arg(bgr, 6, 16, QLatin1Char('0')).toUpper();
    }

    // Backslashes and braces would end the override block.
    static QString fontName(QString value)
    {
        value.remove(QLatin1Char('\\')).remove(QLatin1Char('{')).remove(QLatin1Char('}'));
        return value.trimmed();
    }

    static QString fontSize(const QString &value)
    {
        bool number = false;
        const double size = value.trimmed().toDouble(&number);
        return number && size > 0 ? QString::number(size) : QString();
    }

    bool skipBlanks()
    {
        const QChar *start = m_at;
        while (m_at < m_end && m_at->isSpace())
            ++m_at;
        return m_at != start;
    }

    bool take(QChar c)
    {
        if (m_at == m_end || *m_at != c)
            return false;
        ++m_at;
        return true;
    }

    QString word()
    {
        const QChar *start = m_at;
        while (m_at < m_end && (m_at->isLetter() || *m_at == QLatin1Char('-')))
            ++m_at;
        return QString(start, int(m_at - start));
    }

    const QChar *m_at;
    const QChar *m_end;
};

// The text with every tag of ours replaced by what "replacement" makes of it.
QString rewriteTags(const QString &text, const std::function<QString(const Tag &)> &replacement)
{
    if (!text.contains(QLatin1Char('<')))
        return text;
    QString result;
    result.reserve(text.size() + 16);
    const QChar *at = text.constData(), *end = at + text.size();
    while (at < end) {
        if (*at == QLatin1Char('{')) {
            // An override block is ASS already; a '<' inside it is not ours.
            const QChar *close = std::find(at, end, QLatin1Char('}'));
            if (close != end) {
                result.append(at, int(close + 1 - at));
                at = close + 1;
                continue;
            }
        } else if (*at == QLatin1Char('<')) {
            Tag tag;
            TagScanner scanner(at, end);
            if (scanner.scan(&tag)) {
                result += replacement(tag);
                at = scanner.position();
                continue;
            }
        }
        result += *at++;
    }
    return result;
}

// The ASS overrides of the tags read so far: switches count their nesting, and
// a closing font tag brings back what the enclosing one set, or the style's.
class AssOverrides
{
public:
    QString operator()(const Tag &tag)
    {
        if (tag.kind == Tag::Font)
            return tag.closing ? closeFont() : openFont(tag);
        static const char *const kSwitches[] = {"i", "b", "u", "s"};
        int &depth = m_depth[tag.kind];
        const QLatin1String name(kSwitches[tag.kind]);
        if (!tag.closing)
            return ++depth == 1 ? block(QLatin1Char('\\') + name + QLatin1Char('1')) : QString();
        if (depth == 0)
            return QString();
        return --depth == 0 ? block(QLatin1Char('\\') + name + QLatin1Char('0')) : QString();
    }

private:
    using Property = QString Tag::*;

    QString openFont(const Tag &tag)
    {
        m_fonts.append(tag);
        QString overrides;
        for (const auto &[property, name] : kProperties) {
            if (!(tag.*property).isEmpty())
                overrides += QLatin1Char('\\') + QLatin1String(name) + tag.*property;
        }
        return block(overrides);
    }

    QString closeFont()
    {
        if (m_fonts.isEmpty())
            return QString();
        const Tag closed = m_fonts.takeLast();
        QString overrides;
        for (const auto &[property, name] : kProperties) {
            if ((closed.*property).isEmpty())
                continue;
            QString restored; // no argument: the style's own
            for (int i = m_fonts.size() - 1; i >= 0 && restored.isEmpty(); --i)
                restored = m_fonts[i].*property;
            overrides += QLatin1Char('\\') + QLatin1String(name) + restored;
        }
        return block(overrides);
    }

    static QString block(const QString &overrides)
    {
        return overrides.isEmpty() ? QString() : QLatin1Char('{') + overrides + QLatin1Char('}');
    }

    struct PropertyName {
        Property property;
        const char *name;
    };
    static constexpr PropertyName kProperties[] = {{&Tag::colour, "c"}, {&Tag::face, "fn"}, {&Tag::size, "fs"}};

    int m_depth[4] = {};
    QVector<Tag> m_fonts;
};

}

namespace SrtMarkup {

QString toAss(const QString &text)
{
    AssOverrides overrides;
    return rewriteTags(text, std::ref(overrides));
}

QString withoutTags(const QString &text)
{
    return rewriteTags(text, [](const Tag &) { return QString(); });
}

}
