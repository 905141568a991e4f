#include "rules/RuleDatabase.h"

std::optional<std::vector<QStringList>> RuleDatabase::select(const char* sql, std::initializer_list<sqlite::Value> params) const
{
    sqlite::Connection db(file_, sqlite::Access::ReadOnly, sink_);
    if (!db.isOpen())
        return std::nullopt;
    std::vector<QStringList> rows;
    auto row = db.query(sql, params);
    while (row.next()) {
        QStringList columns;
        for (int i = 0, n = row.columns(); i < n; ++i)
            columns << row.text(i);
        rows.push_back(std::move(columns));
    }
    if (row.failed())
        return std::nullopt;
    return rows;
}

std::optional<QString> RuleDatabase::nth(const char* sql, int n) const
{
    const auto rows = select(sql);
    if (!rows || n < 0 || n >= static_cast<int>(rows->size()) || rows->at(static_cast<size_t>(n)).isEmpty())
        return std::nullopt;
    return rows->at(static_cast<size_t>(n)).first();
}

QStringList RuleDatabase::column(const char* sql) const
{
    QStringList values;
    if (const auto rows = select(sql))
        for (const QStringList& row : *rows)
            values << row.value(0);
    return values;
}
