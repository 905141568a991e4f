// The character file type as a desktop sees it: the installed MIME package,
// compiled by update-mime-database together with the system's own types into
// one private database, as the package's trigger compiles them into
// /usr/share/mime, names saved characters by their extension and, without
// one, by their root element.
#include "charfile/CharacterFile.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString CharacterType = QStringLiteral(CORVANTIS_TEST_MIME_TYPE);

class MimeTypeTest : public ::testing::Test {
protected:
    // The MIME database is read once per process, so the folder is set up
    // before the first look-up and kept for every case.
    static void SetUpTestSuite()
    {
        data_ = new QTemporaryDir;
        const QString packages = data_->filePath(QStringLiteral("share/mime/packages"));
        ASSERT_TRUE(QDir().mkpath(packages));
        ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANTIS_TEST_MIME_PACKAGE), packages + QStringLiteral("/corvantis.xml")));
        // One database, not ours beside the system's: Qt 6.4 takes the last
        // folder's magic match rather than the strongest across folders.
        ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/share/mime/packages/freedesktop.org.xml"),
                                packages + QStringLiteral("/freedesktop.org.xml")));
        QProcess update;
        // A throwaway database need not reach the disk; the flushes take seconds.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PKGSYSTEM_ENABLE_FSYNC"), QStringLiteral("0"));
        update.setProcessEnvironment(environment);
        update.start(QStringLiteral(CORVANTIS_TEST_UPDATE_MIME_DATABASE), {data_->filePath(QStringLiteral("share/mime"))});
        ASSERT_TRUE(update.waitForFinished()) << "update-mime-database (shared-mime-info) did not run";
        ASSERT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();
        qputenv("XDG_DATA_HOME", data_->filePath(QStringLiteral("nothing")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", data_->filePath(QStringLiteral("share")).toLocal8Bit());
    }
    static void TearDownTestSuite()
    {
        delete data_;
        data_ = nullptr;
    }

    QString save(const QString& name, const QByteArray& bytes)
    {
        const QString path = files_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }

    static inline QTemporaryDir* data_ = nullptr;
    QTemporaryDir files_;
    QMimeDatabase mime_;
};

TEST_F(MimeTypeTest, ASavedCharacterIsARovanteerCharacter)
{
    const QMimeType type = mime_.mimeTypeForFile(save(QStringLiteral("Jameson.vcx2"), charfile::write({})));
    EXPECT_EQ(type.name(), CharacterType);
    EXPECT_EQ(type.comment(), QStringLiteral("Rovanteer Character"));
    EXPECT_TRUE(type.inherits(QStringLiteral("application/xml")));
}

TEST_F(MimeTypeTest, TheRootElementNamesACharacterThatLostItsExtension)
{
    const struct {
        const char* name;
        QByteArray bytes;
        bool character;
    } cases[] = {
        {"saved character", charfile::write({}), true},
        {"other XML", "<?xml version=\"1.0\"?>\n<inventory count=\"3\"/>\n", false},
        {"plain text", "character_file\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = save(QStringLiteral("download"), c.bytes);
        const QString found = mime_.mimeTypeForFile(path, QMimeDatabase::MatchContent).name();
        EXPECT_EQ(found == CharacterType, c.character) << found.toStdString();
    }
}

} // namespace
