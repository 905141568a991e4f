// Which character database the application opens: the bundle's own when the
// user may write it in place, else a per-user copy made once and then kept.
#include "store/CharacterDatabaseLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A bundle's resource folder holding a recognisable chardata.rsd, and a user
// data folder that does not exist yet, as on a first start.
class CharacterDatabaseLocationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir().mkpath(resources));
        ASSERT_TRUE(write(installed, "installed database"));
    }

    QTemporaryDir root;
    QString resources = root.filePath(QStringLiteral("Corvantis/Resources"));
    QString installed = resources + QStringLiteral("/chardata.rsd");
    QString userFolder = root.filePath(QStringLiteral("home/.local/share/Corvantis"));
    QString userCopy = userFolder + QStringLiteral("/chardata.rsd");
};

TEST_F(CharacterDatabaseLocationTest, AWritableBundleKeepsItsOwnDatabase)
{
    const CharacterDatabaseLocation location = characterDatabasePath(resources, userFolder, {true, true});
    EXPECT_EQ(location.path, installed);
    EXPECT_TRUE(location.problem.isEmpty()) << location.problem.toStdString();
    EXPECT_FALSE(QDir(userFolder).exists()) << "nothing is copied for a writable bundle";
}

// A writable file in a folder that takes no new file cannot hold SQLite's
// journal, so it counts as read-only too.
TEST_F(CharacterDatabaseLocationTest, AnyMissingRightCopiesTheDatabaseIntoTheUserFolder)
{
    const struct {
        const char* name;
        DatabaseAccess access;
    } cases[] = {
        {"read-only file in a writable folder", {false, true}},
        {"writable file in a read-only folder", {true, false}},
        {"read-only file and folder", {false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(root.filePath(QStringLiteral("home"))).removeRecursively();
        // Installed files are often read-only to everyone; the copy must still take writes.
        ASSERT_TRUE(QFile::setPermissions(installed, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));

        const CharacterDatabaseLocation location = characterDatabasePath(resources, userFolder, c.access);
        EXPECT_EQ(location.path, userCopy);
        EXPECT_TRUE(location.problem.isEmpty()) << location.problem.toStdString();
        EXPECT_EQ(contents(userCopy), "installed database");
        EXPECT_TRUE(QFile::permissions(userCopy) & QFileDevice::WriteOwner);
        EXPECT_EQ(contents(installed), "installed database");
    }
}

TEST_F(CharacterDatabaseLocationTest, LaterStartsReuseTheCopyWithoutOverwritingIt)
{
    ASSERT_EQ(characterDatabasePath(resources, userFolder, {false, false}).path, userCopy);
    ASSERT_TRUE(write(userCopy, "the user's character"));
    ASSERT_TRUE(write(installed, "a newer installed database"));

    const CharacterDatabaseLocation again = characterDatabasePath(resources, userFolder, {false, false});
    EXPECT_EQ(again.path, userCopy);
    EXPECT_TRUE(again.problem.isEmpty()) << again.problem.toStdString();
    EXPECT_EQ(contents(userCopy), "the user's character");
}

// A file where the user folder should be stops the copy even for root.
TEST_F(CharacterDatabaseLocationTest, AFailedCopyFallsBackToTheBundleAndSaysWhy)
{
    const QString blocker = root.filePath(QStringLiteral("home"));
    ASSERT_TRUE(write(blocker, "not a folder"));

    const CharacterDatabaseLocation location = characterDatabasePath(resources, userFolder, {false, false});
    EXPECT_EQ(location.path, installed);
    EXPECT_TRUE(location.problem.contains(userFolder)) << location.problem.toStdString();
}

TEST_F(CharacterDatabaseLocationTest, AMissingBundleDatabaseLeavesNoCopyBehind)
{
    ASSERT_TRUE(QFile::remove(installed));

    const CharacterDatabaseLocation location = characterDatabasePath(resources, userFolder, {false, false});
    EXPECT_EQ(location.path, installed);
    EXPECT_FALSE(location.problem.isEmpty());
    EXPECT_FALSE(QFile::exists(userCopy));
    // The next start must try again rather than take an empty file.
    EXPECT_TRUE(QDir(userFolder).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(CharacterDatabaseLocationTest, NoUserDataFolderFallsBackToTheBundle)
{
    const CharacterDatabaseLocation location = characterDatabasePath(resources, QString(), {false, false});
    EXPECT_EQ(location.path, installed);
    EXPECT_FALSE(location.problem.isEmpty());
}

TEST_F(CharacterDatabaseLocationTest, TheProbeAsksForTheFileAndItsFolder)
{
    const DatabaseAccess writable = probeDatabaseAccess(installed);
    EXPECT_TRUE(writable.fileWritable);
    EXPECT_TRUE(writable.folderWritable);
    EXPECT_FALSE(probeDatabaseAccess(resources + QStringLiteral("/absent.rsd")).fileWritable);
    // The build tree's bundle is writable, so it is used in place.
    EXPECT_EQ(characterDatabasePath(resources, userFolder).path, installed);

    if (geteuid() == 0)
        GTEST_SKIP() << "root writes through permission bits; the decision above is tested with given access";
    const QFileDevice::Permissions readOnlyFolder =
        QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
    ASSERT_TRUE(QFile::setPermissions(resources, readOnlyFolder));
    const DatabaseAccess lockedFolder = probeDatabaseAccess(installed);
    const CharacterDatabaseLocation location = characterDatabasePath(resources, userFolder);
    QFile::setPermissions(resources, readOnlyFolder | QFileDevice::WriteOwner); // so the fixture can clean up
    EXPECT_TRUE(lockedFolder.fileWritable);
    EXPECT_FALSE(lockedFolder.folderWritable);
    EXPECT_EQ(location.path, userCopy);
}

} // namespace
