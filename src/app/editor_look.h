#pragma once

#include <QPixmap>

// The application's title, pictures, icon, font and style; called once,
// before any window.
void SetUpEditorApplication();

// A picture whose pure magenta pixels are see-through.
QPixmap MagentaKeyedPixmap(const QString &path);
