#include "common/filtergraphescape.h"

namespace {

// The option parser splits a filter's arguments at ':', strips blanks at either end,
// takes '\'' as quoting and '\\' as escape, and reads "name=" before a value.
bool specialToOptionParser(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('\'') || c == QLatin1Char(':')
           || c == QLatin1Char('=') || c.isSpace();
}

}

QString quoteFilterGraphPath(const QString &path)
{
    // Level one: the filter's own option parser.
    QString optionValue;
    optionValue.reserve(path.size() * 2);
    for (const QChar c : path) {
        if (specialToOptionParser(c))
            optionValue += QLatin1Char('\\');
        optionValue += c;
    }
    // Level two: the graph parser. Inside single quotes everything is literal except the
    // closing quote, so a quote leaves the quoted run, comes escaped, and re-enters it.
    optionValue.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + optionValue + QLatin1Char('\'');
}
