#pragma once

#include <QWidget>

namespace Ui {
class SubtitleWidget;
}

// The controls of the subtitle panel: tool buttons, the fields of the current
// line, the style box, the text field and the table. The panel drives them.
class SubtitleWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SubtitleWidget(QWidget *parent = nullptr);
    ~SubtitleWidget() override;

    Ui::SubtitleWidget *form() const { return ui; }
    // Wide enough for both time columns and some text beside them.
    QSize sizeHint() const override;

private:
    Ui::SubtitleWidget *ui;
};
