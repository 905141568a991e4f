#include "charfile/AtomicFile.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    // commit() flushes too, but Qt 6.4 can report success when that last
    // flush failed on a full disk, renaming an empty file over the old one;
    // so the flush is checked here, and the data forced to the disk before
    // the rename makes it the file.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return reason;
    }
#endif
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
