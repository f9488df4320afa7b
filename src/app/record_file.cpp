#include "app/record_file.h"

#include <QFile>
#include <QSaveFile>

std::optional<vellgard::ByteBuffer> ReadRecordBytes(const QString &path, std::size_t recordSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    vellgard::ByteBuffer bytes(recordSize);
    const qint64 got = file.read(reinterpret_cast<char *>(bytes.data()), static_cast<qint64>(recordSize));
    if (got < 0)
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

bool WriteFileSafely(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() alone was seen to report success after a short write.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
