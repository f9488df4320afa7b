#include "support/editor_fixture.h"

#include "app/editor_look.h"

EditorFixture::EditorFixture()
{
    static const bool setUp = (SetUpEditorApplication(), true);
    Q_UNUSED(setUp);
    settings = settingsPath();
    restart();
}

EditorFixture::~EditorFixture() = default;

void EditorFixture::restart()
{
    window.reset();
    window = std::make_unique<TForm1>(settings);
    window->show();
}

void EditorFixture::useSettingsPath(const QString &path)
{
    settings = path;
    restart();
}

void EditorFixture::trigger(const char *actionName) const
{
    find<QAction>(actionName)->trigger();
}

void EditorFixture::showPage(RecordKind kind) const
{
    find<QTabWidget>("PageControl1")->setCurrentIndex(static_cast<int>(kind));
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
