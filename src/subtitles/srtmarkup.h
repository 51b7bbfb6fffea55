#pragma once

#include <QString>

// SRT's HTML-like formatting: <i>, <b>, <u>, <s> and <font color= face= size=>,
// with their closing tags, in any case and nested. Other tags are text.
namespace SrtMarkup {

// The text with those tags as ASS override tags ("{\i1}", "{\c&H00FF00&}"...);
// override blocks in braces and everything else stay as written.
QString toAss(const QString &text);

// The text without those tags, as it reads.
QString withoutTags(const QString &text);

}
