#pragma once

#include <QString>

// The upper-case name the media report gives a codec: FFmpeg's own identifier
// name, except that HEVC is called "H265". Codecs the report does not know are "NONE".
QString codecReportName(int codecId);
