#include "app/editor_look.h"
#include "app/main_window.h"
#include "app/settings_file.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    SetUpEditorApplication();
    TForm1 window(SettingsPathFor(QApplication::applicationFilePath()));
    window.show();
    return application.exec();
}
