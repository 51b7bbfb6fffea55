#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QMenu;

// Acts on the next modal window (a message box or a dialog) as soon as it is shown, so a
// test can answer the question a call is about to ask.
void whenModalShows(std::function<void(QWidget *)> act);
// Answers the next file dialog with a path; a modal window of another kind is left alone.
void whenFileDialogShows(const QString &path);
// Acts on the next pop-up menu as soon as it is shown, such as a button's menu.
void whenMenuShows(std::function<void(QMenu *)> act);
