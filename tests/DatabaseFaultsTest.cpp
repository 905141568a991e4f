// The two databases going wrong under a running program: missing, read-only,
// locked by a second instance, corrupt, not a database at all. Each gives the
// "Database Error: " box and the program carries on; two instances at once,
// or a kill in the middle of a career, leave a database that is whole.
#include "tests/Fixtures.h"
#include "tests/PlayRunner.h"

#include <QFileInfo>
#include <QThread>

#include <sqlite3.h>
#include <unistd.h>

namespace {

// A resource folder of its own: the built rule database and a pristine
// character database, either of which a case then spoils.
class Resources {
public:
    Resources()
    {
        QFile::copy(QDir(builtResources()).filePath("staticdata.rsd"), path("staticdata.rsd"));
        QFile::copy(QStringLiteral(CORVANTIS_TEST_PRISTINE_CHARDATA), path("chardata.rsd"));
        // Open to the unprivileged user a read-only case runs as, who must
        // be able to write what is not the case's own fault.
        const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                         QFileDevice::ReadOther | QFileDevice::WriteOther;
        for (const char* name : {"staticdata.rsd", "chardata.rsd"})
            QFile(path(name)).setPermissions(all);
        QFile(dir_.path()).setPermissions(all | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther);
    }
    QString folder() const { return dir_.path(); }
    QString path(const char* name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

void overwrite(const QString& path, qint64 at, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(at);
    file.write(bytes);
}

// Runs the driver on the folder's databases in place: a roll with Social
// Standing 12, which reads a noble title from the rule database and writes
// the new character to the character database.
PlayRun rollInPlace(const Resources& resources, bool unprivileged = false)
{
    const QByteArray script = "dice 3 3 3 3 3 3 3 3 3 3 6 6\nroll\ndump\n";
    const QStringList args = {"--resources", resources.folder(), "--chardata", resources.path("chardata.rsd"), "-"};
    // Permission bits do not stop root, so a read-only file is tried as an
    // unprivileged user.
    const QStringList asNobody = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    return play(args, script, unprivileged ? asNobody : QStringList());
}

QString integrity(const QString& path)
{
    sqlite3* db = nullptr;
    QString result = "cannot open";
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr);
        result.clear();
        while (sqlite3_step(stmt) == SQLITE_ROW)
            result += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return result;
}

struct Fault {
    const char* what;
    const char* file;
    std::function<void(const Resources&)> spoil;
    bool unprivileged;
    const char* expected; // the start of the first message, or "" for none
};

TEST(DatabaseFaults, EachGivesTheDatabaseErrorBoxAndTheProgramCarriesOn)
{
    const auto remove = [](const char* file) { return [file](const Resources& r) { QFile::remove(r.path(file)); }; };
    const auto garbage = [](const char* file) {
        return [file](const Resources& r) {
            QFile(r.path(file)).resize(0);
            overwrite(r.path(file), 0, QByteArray("this is not a database, only some text").repeated(200));
        };
    };
    // A valid header over pages of noise: SQLite opens it and then finds
    // the damage.
    const auto corrupt = [](const char* file) {
        return [file](const Resources& r) { overwrite(r.path(file), 100, QByteArray(8000, '\x5a')); };
    };
    const auto readOnly = [](const char* file) {
        return [file](const Resources& r) {
            QFile(r.path(file)).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        };
    };
    const std::vector<Fault> faults = {
        {"missing character database", "chardata.rsd", remove("chardata.rsd"), false, "Database Error: 14"},
        {"missing rule database", "staticdata.rsd", remove("staticdata.rsd"), false, "Database Error: 14"},
        {"character database not a database", "chardata.rsd", garbage("chardata.rsd"), false, "Database Error: 26"},
        {"rule database not a database", "staticdata.rsd", garbage("staticdata.rsd"), false, "Database Error: 26"},
        {"corrupt character database", "chardata.rsd", corrupt("chardata.rsd"), false, "Database Error: "},
        {"corrupt rule database", "staticdata.rsd", corrupt("staticdata.rsd"), false, "Database Error: "},
        {"read-only character database", "chardata.rsd", readOnly("chardata.rsd"), true, "Database Error: "},
        // The rule database is only ever read.
        {"read-only rule database", "staticdata.rsd", readOnly("staticdata.rsd"), true, ""},
    };
    for (const Fault& fault : faults) {
        Resources resources;
        fault.spoil(resources);
        const PlayRun run = rollInPlace(resources, fault.unprivileged);
        ASSERT_EQ(run.exitCode, 0) << fault.what << ": " << qPrintable(run.err);
        ASSERT_EQ(run.dumps.size(), 1) << fault.what;
        const QJsonArray messages = run.dumps[0]["messages"].toArray();
        if (*fault.expected == 0) {
            EXPECT_TRUE(messages.isEmpty()) << fault.what << ": " << qPrintable(messages[0].toString());
            EXPECT_EQ(run.dumps[0]["header"].toObject()["NobilityText"], "Baron") << fault.what;
            continue;
        }
        ASSERT_FALSE(messages.isEmpty()) << fault.what;
        EXPECT_TRUE(messages[0].toString().startsWith(fault.expected)) << fault.what << ": " << qPrintable(messages[0].toString());
        // Folded: one box per distinct message for the whole roll.
        EXPECT_LE(messages.size(), 2) << fault.what;
    }
}

TEST(DatabaseFaults, ADatabaseLockedByAnotherInstanceIsReportedNotWaitedOnForever)
{
    for (const char* file : {"chardata.rsd", "staticdata.rsd"}) {
        Resources resources;
        sqlite3* holder = nullptr;
        ASSERT_EQ(sqlite3_open_v2(resources.path(file).toUtf8().constData(), &holder, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        // The character database runs in write-ahead-log mode, where a
        // writer blocks only writers; the rule database's rollback journal
        // lets an exclusive lock keep out readers too.
        ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        const PlayRun run = rollInPlace(resources);
        sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(holder);
        ASSERT_EQ(run.exitCode, 0) << file << ": " << qPrintable(run.err);
        ASSERT_EQ(run.dumps.size(), 1);
        const QJsonArray messages = run.dumps[0]["messages"].toArray();
        ASSERT_FALSE(messages.isEmpty()) << file;
        EXPECT_TRUE(messages[0].toString().startsWith("Database Error: 5\n\ndatabase is locked")) << qPrintable(messages[0].toString());
        EXPECT_EQ(integrity(resources.path(file)), "ok");
    }
}

TEST(DatabaseFaults, TwoInstancesAtOnceLeaveTheCharacterDatabaseWhole)
{
    Resources resources;
    QTemporaryDir out;
    QList<QProcess*> instances;
    for (const char* seed : {"10", "20"}) {
        auto* process = new QProcess;
        process->start(CORVANTIS_TEST_PLAY, {"auto", "--seed", seed, "--count", "25", "--resources", resources.folder(),
                                             "--chardata", resources.path("chardata.rsd"), "--out", out.path()});
        instances << process;
    }
    for (QProcess* process : instances) {
        ASSERT_TRUE(process->waitForFinished(300000));
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit) << process->readAllStandardError().constData();
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().constData();
        delete process;
    }
    EXPECT_EQ(integrity(resources.path("chardata.rsd")), "ok");
}

TEST(DatabaseFaults, AKillInTheMiddleOfACareerLeavesAWholeDatabase)
{
    for (int delayMs : {150, 600, 1300}) {
        Resources resources;
        QTemporaryDir out;
        QProcess process;
        process.start(CORVANTIS_TEST_PLAY, {"auto", "--seed", "5", "--count", "100000", "--resources", resources.folder(),
                                            "--chardata", resources.path("chardata.rsd"), "--out", out.path()});
        ASSERT_TRUE(process.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(delayMs));
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished();
        EXPECT_EQ(integrity(resources.path("chardata.rsd")), "ok") << "killed after " << delayMs << " ms";
        // And the next run works on it as if nothing had happened.
        const PlayRun run = rollInPlace(resources);
        ASSERT_EQ(run.dumps.size(), 1);
        EXPECT_TRUE(run.dumps[0]["messages"].toArray().isEmpty()) << "after " << delayMs << " ms";
        EXPECT_EQ(run.dumps[0]["characteristics"].toObject()["Social"].toInt(), 12);
    }
}

} // namespace
