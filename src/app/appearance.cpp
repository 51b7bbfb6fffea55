#include "app/appearance.h"

#include "common/asslibrary.h"

#include <QApplication>
#include <QStyleFactory>
#include <QToolTip>

namespace Startup {

void prepareApplication(QApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("Brindle"));
    initResources();
    initAssLibrary();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setPalette(darkPalette());
    QToolTip::setPalette(darkPalette());
}

QPalette darkPalette()
{
    const QColor dark(53, 53, 53);
    QPalette palette;
    palette.setColor(QPalette::Window, dark);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(67, 67, 67));
    palette.setColor(QPalette::AlternateBase, dark);
    // Tool tips stand out from the dark window as dark text on white.
    palette.setColor(QPalette::ToolTipBase, Qt::white);
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, dark);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Highlight, QColor(128, 128, 128).lighter(150));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    // Controls that cannot be used now must look so: grey text on the dark ground.
    const QColor disabledText(127, 127, 127);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, dark);
    return palette;
}

}
