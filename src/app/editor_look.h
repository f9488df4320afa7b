#pragma once

#include <QPixmap>

// Registers the pictures compiled into the editor library.
void InitEditorResources();

// The application's title, icon and look; called once, before any window.
void SetUpEditorApplication();

// The font and style every window of the editor uses.
void ApplyEditorLook();

// A picture whose pure magenta pixels are see-through.
QPixmap MagentaKeyedPixmap(const QString &path);
