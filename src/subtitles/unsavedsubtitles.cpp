#include "subtitles/unsavedsubtitles.h"

#include "subtitles/subtitlesession.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

QString UnsavedSubtitles::askSavePath(QWidget *parent, const SubtitleSession &session)
{
    const QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("UnsavedSubtitles", "Save ASS File"), session.proposedSaveName(),
        QCoreApplication::translate("UnsavedSubtitles", "ASS File(*.ass)"));
    if (path.isEmpty())
        return path;
    const QString ending = path.right(4).toLower();
    const bool named = ending == QLatin1String(".ass") || ending == QLatin1String(".ssa");
    return named ? path : path + QStringLiteral(".ass");
}

bool UnsavedSubtitles::settle(QWidget *parent, SubtitleSession *session, const QString &whose)
{
    if (!session || !session->isModified())
        return true;
    const QString what
        = QCoreApplication::translate("UnsavedSubtitles", "The subtitle lines of %1 were changed and not saved.");
    QMessageBox question(QMessageBox::Question, QCoreApplication::applicationName(), what.arg(whose),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    question.setInformativeText(QCoreApplication::translate("UnsavedSubtitles", "Save the changes before going on?"));
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Discard:
        session->revert();
        return true;
    case QMessageBox::Save: {
        const QString path = askSavePath(parent, *session);
        if (path.isEmpty())
            return false;
        if (session->saveAs(path))
            return true;
        QMessageBox::warning(parent, QCoreApplication::applicationName(), session->problem());
        return false;
    }
    default:
        return false;
    }
}
