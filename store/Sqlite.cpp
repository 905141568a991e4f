#include "store/Sqlite.h"

#include "store/DatabaseErrorSink.h"

#include <sqlite3.h>

#include <chrono>
#include <utility>

namespace sqlite {

namespace {

// A second instance may hold a write lock for a moment; wait briefly for it
// rather than failing the user's action outright.
constexpr int BusyTimeoutMs = 500;
// But one user action runs dozens of operations: when the lock has just
// made one of them give up, the others fail at once instead of each waiting
// again, so a stuck lock costs the user half a second, not half a minute.
constexpr auto BusyMemory = std::chrono::seconds(1);
std::chrono::steady_clock::time_point lastGaveUp;

void noteFailure(sqlite3* db)
{
    if (db != nullptr && (sqlite3_errcode(db) == SQLITE_BUSY || sqlite3_errcode(db) == SQLITE_LOCKED))
        lastGaveUp = std::chrono::steady_clock::now();
}

int busyTimeout()
{
    const bool recentlyGaveUp = lastGaveUp.time_since_epoch().count() != 0 &&
                                std::chrono::steady_clock::now() - lastGaveUp < BusyMemory;
    return recentlyGaveUp ? 0 : BusyTimeoutMs;
}

void bindAll(sqlite3_stmt* stmt, std::initializer_list<Value> params)
{
    int index = 1;
    for (const Value& value : params) {
        if (const auto* number = std::get_if<std::int64_t>(&value)) {
            sqlite3_bind_int64(stmt, index, *number);
        } else {
            const QByteArray utf8 = std::get<QString>(value).toUtf8();
            sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        }
        ++index;
    }
}

// Called after each commit with the pages in the log. A checkpoint that
// another instance keeps from finishing is simply tried again next time.
constexpr int FoldBackPages = 32;
int foldLogBack(void*, sqlite3* db, const char* name, int pages)
{
    if (pages >= FoldBackPages)
        sqlite3_wal_checkpoint_v2(db, name, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    return SQLITE_OK;
}

} // namespace

Statement::Statement(sqlite3* db, sqlite3_stmt* stmt, DatabaseErrorSink* sink)
    : db_(db), stmt_(stmt), sink_(sink), failed_(stmt == nullptr)
{
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)), sink_(other.sink_), failed_(other.failed_)
{
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

bool Statement::next()
{
    if (stmt_ == nullptr)
        return false;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE && !failed_) {
        failed_ = true;
        noteFailure(db_);
        if (sink_)
            sink_->databaseError(sqlite3_errcode(db_), QString::fromUtf8(sqlite3_errmsg(db_)));
    }
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    return false;
}

std::int64_t Statement::integer(int column) const
{
    return stmt_ ? sqlite3_column_int64(stmt_, column) : 0;
}

QString Statement::text(int column) const
{
    if (!stmt_)
        return {};
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(stmt_, column));
}

int Statement::columns() const
{
    return stmt_ ? sqlite3_column_count(stmt_) : 0;
}

Connection::Connection(const QString& path, Access access, DatabaseErrorSink* sink) : sink_(sink)
{
    const int flags = access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const QByteArray file = path.toUtf8();
    const int rc = sqlite3_open_v2(file.constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        if (sink_)
            sink_->databaseError(db_ ? sqlite3_errcode(db_) : rc,
                                 QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)));
        sqlite3_close(db_);
        db_ = nullptr;
        return;
    }
    sqlite3_busy_timeout(db_, busyTimeout());
    if (access == Access::Scratch) {
        sqlite3_exec(db_, "PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY", nullptr, nullptr, nullptr);
    } else if (access == Access::ReadWrite) {
        // Every operation opens, commits and closes, so the cost of a commit
        // is the cost of a user action. In write-ahead-log mode with normal
        // synchronisation a commit appends to the log without waiting for
        // the disk, and the database stays consistent after any crash (a
        // power cut may lose the last few changes, never corrupt the file).
        // Closing does not fold the log back into the file each time;
        // instead the log is folded back and emptied once it holds a few
        // dozen pages, because every opening of the file reads the whole log.
        sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        sqlite3_exec(db_, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr);
        sqlite3_wal_hook(db_, &foldLogBack, nullptr);
    }
}

Connection::~Connection()
{
    sqlite3_close(db_);
}

void Connection::report()
{
    noteFailure(db_);
    if (sink_ && db_)
        sink_->databaseError(sqlite3_errcode(db_), QString::fromUtf8(sqlite3_errmsg(db_)));
}

Statement Connection::query(const char* sql, std::initializer_list<Value> params)
{
    sqlite3_stmt* stmt = nullptr;
    if (db_ == nullptr)
        return Statement(nullptr, nullptr, nullptr);
    if (sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        report();
        sqlite3_finalize(stmt);
        // Already reported: the returned statement is silent.
        return Statement(db_, nullptr, nullptr);
    }
    bindAll(stmt, params);
    return Statement(db_, stmt, sink_);
}

bool Connection::exec(const char* sql, std::initializer_list<Value> params)
{
    Statement statement = query(sql, params);
    while (statement.next()) {
    }
    return db_ != nullptr && !statement.failed();
}

bool Connection::begin()
{
    return exec("BEGIN IMMEDIATE");
}

bool Connection::commit()
{
    if (exec("COMMIT"))
        return true;
    rollback();
    return false;
}

void Connection::rollback()
{
    if (db_ && !sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

} // namespace sqlite
