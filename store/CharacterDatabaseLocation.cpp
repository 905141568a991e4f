#include "store/CharacterDatabaseLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString DatabaseName = QStringLiteral("chardata.rsd");

} // namespace

DatabaseAccess probeDatabaseAccess(const QString& databasePath)
{
    const QFileInfo file(databasePath);
    return {file.isFile() && file.isWritable(), QFileInfo(file.absolutePath()).isWritable()};
}

CharacterDatabaseLocation characterDatabasePath(const QString& resourceFolder, const QString& userDataFolder)
{
    return characterDatabasePath(resourceFolder, userDataFolder,
                                 probeDatabaseAccess(QDir(resourceFolder).filePath(DatabaseName)));
}

CharacterDatabaseLocation characterDatabasePath(const QString& resourceFolder, const QString& userDataFolder,
                                                DatabaseAccess bundleAccess)
{
    const QString bundled = QDir(resourceFolder).filePath(DatabaseName);
    if (bundleAccess.fileWritable && bundleAccess.folderWritable)
        return {bundled, {}};

    if (userDataFolder.isEmpty())
        return {bundled, QStringLiteral("%1 is read-only and there is no user data folder for a copy").arg(bundled)};
    const QString copy = QDir(userDataFolder).filePath(DatabaseName);
    if (QFileInfo::exists(copy))
        return {copy, {}};

    if (!QDir().mkpath(userDataFolder))
        return {bundled, QStringLiteral("cannot create the folder %1 for a copy of %2").arg(userDataFolder, bundled)};
    QFile source(bundled);
    // QFile::copy writes a temporary file and renames it, so an interrupted
    // copy never passes for the user's database on the next start.
    if (!source.copy(copy))
        return {bundled, QStringLiteral("cannot copy %1 to %2: %3").arg(bundled, copy, source.errorString())};
    // The installed file may be read-only to everyone; the copy must take writes.
    QFile target(copy);
    if (!target.setPermissions(target.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = target.errorString();
        target.remove();
        return {bundled, QStringLiteral("cannot make %1 writable: %2").arg(copy, reason)};
    }
    return {copy, {}};
}
