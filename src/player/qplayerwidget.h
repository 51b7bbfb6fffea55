#pragma once

#include <QWidget>

// The preview player of the main window.
class QPlayerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit QPlayerWidget(QWidget *parent = nullptr);

signals:
    // The user asked to add a file from the empty player.
    void sigAddFile();
};
