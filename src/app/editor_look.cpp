#include "app/editor_look.h"

#include "app/modal_dialogs.h"

#include <QApplication>
#include <QBitmap>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

void SetUpEditorApplication()
{
    // The name, not the display name: Qt would append a display name to
    // every window caption.
    QApplication::setApplicationName(kApplicationTitle);
    // The pictures are compiled into a static library, which registers
    // nothing by itself.
    Q_INIT_RESOURCE(resources);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app_icon.png")));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The layouts are measured in pixels, so the font is too.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

QPixmap MagentaKeyedPixmap(const QString &path)
{
    QPixmap picture(path);
    if (!picture.isNull())
        picture.setMask(picture.createMaskFromColor(QColor(255, 0, 255)));
    return picture;
}
