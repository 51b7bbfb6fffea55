#pragma once

#include <QString>

class QWidget;
class SubtitleSession;

// What the windows ask before subtitle edits could go: a save, or a question.
namespace UnsavedSubtitles {

// The "Save ASS File" dialog, starting at the session's own name; the chosen name ends in
// ".ass" or ".ssa". Empty when the user cancelled.
QString askSavePath(QWidget *parent, const SubtitleSession &session);

// Before a session's unsaved edits would go (another file for the row, the row removed, the
// program closed): asks to save them, drop them, or cancel. True when the caller may go on;
// the edits are then in a file or dropped. Asks nothing when nothing is unsaved.
bool settle(QWidget *parent, SubtitleSession *session, const QString &whose);

}
