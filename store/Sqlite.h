#pragma once
// A thin RAII wrapper over the SQLite C API. One Connection is opened per
// store or rule operation and closed when it goes out of scope; every value
// reaches SQL through a bound parameter, never through the query text.

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

class DatabaseErrorSink;

namespace sqlite {

using Value = std::variant<std::int64_t, QString>;

// Scratch: read-write on a throwaway copy, where a crash may lose changes,
// so commits skip the disk flush.
enum class Access { ReadOnly, ReadWrite, Scratch };

class Statement {
public:
    Statement(sqlite3* db, sqlite3_stmt* stmt, DatabaseErrorSink* sink);
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;
    ~Statement();

    // Advances to the next row: true while a row is there, false at the end
    // or on an error (which is reported to the sink once).
    bool next();
    bool failed() const { return failed_; }

    std::int64_t integer(int column) const;
    QString text(int column) const;
    int columns() const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_;
    DatabaseErrorSink* sink_;
    bool failed_ = false;
};

class Connection {
public:
    // Opens the file without ever creating it: a missing file is a failed
    // connection, reported to the sink like any other database error.
    Connection(const QString& path, Access access, DatabaseErrorSink* sink);
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection();

    bool isOpen() const { return db_ != nullptr; }

    Statement query(const char* sql, std::initializer_list<Value> params = {});
    // Runs a statement that returns no rows; false after a reported error.
    bool exec(const char* sql, std::initializer_list<Value> params = {});

    // Transactions for read-then-write operations, so that a second instance
    // of the program cannot interleave its own change between the two.
    bool begin();
    bool commit();
    void rollback();

private:
    void report();

    sqlite3* db_ = nullptr;
    DatabaseErrorSink* sink_;
};

} // namespace sqlite
