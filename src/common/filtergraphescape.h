#pragma once

#include <QString>

// Quotes a file path as the value of a filter option inside an FFmpeg filter graph
// text, single quotes included, so that the filter receives the path unchanged
// whatever it holds (quotes, colons, commas, semicolons, brackets, backslashes,
// blanks, non-ASCII letters). A Windows drive path C:/a comes out as 'C\:/a'.
QString quoteFilterGraphPath(const QString &path);
