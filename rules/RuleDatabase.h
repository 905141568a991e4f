#pragma once
// The rule database: the game's tables, read only. Every lookup opens its own
// read-only connection, runs one SELECT and closes; nothing is cached.

#include "store/Sqlite.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class DatabaseErrorSink;

class RuleDatabase {
public:
    explicit RuleDatabase(DatabaseErrorSink* sink) : sink_(sink) {}

    void setFile(const QString& path) { file_ = path; }
    const QString& file() const { return file_; }

    // Every row of the query, each column as text, in the order the database
    // returns them; nothing when the file could not be read.
    std::optional<std::vector<QStringList>> select(const char* sql, std::initializer_list<sqlite::Value> params = {}) const;

    // The first column of every row, in order; empty when the file could
    // not be read.
    QStringList column(const char* sql) const;

    // The n-th row's first column (n counted from 0), or nothing when the
    // database failed or has fewer rows. Titles are found by position.
    std::optional<QString> nth(const char* sql, int n) const;

private:
    DatabaseErrorSink* sink_;
    QString file_;
};
