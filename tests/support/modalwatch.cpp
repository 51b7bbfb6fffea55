#include "modalwatch.h"

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QTimer>

void whenModalShows(std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(10);
}

void whenFileDialogShows(const QString &path)
{
    whenModalShows([path](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept();
        }
    });
}

void whenMenuShows(std::function<void(QMenu *)> act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            poll->stop();
            poll->deleteLater();
            act(menu);
        }
    });
    poll->start(10);
}
