#pragma once

#include <QString>
#include <QtGlobal>

// How sizes and remaining times read in the conversion list, the same in every row.
namespace DisplayText {

// One decimal, in KB below a megabyte, MB below a gigabyte, GB above (1 KB = 1024 bytes).
QString fileSize(qint64 bytes);
// "hh:mm:ss", rounded up to whole seconds: any time still to run shows at least one second.
// Empty for a day or more, which no clock shows.
QString timeLeft(qint64 milliseconds);

}
