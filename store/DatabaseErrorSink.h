#pragma once
// Where a failed database operation is reported. The operation itself then
// returns its neutral value (0, false, empty text, empty list) and the caller
// carries on; what the user is shown is the sink's business.

#include <QString>

class DatabaseErrorSink {
public:
    virtual ~DatabaseErrorSink() = default;
    virtual void databaseError(int code, const QString& message) = 0;
};

// The text of the box shown for a database error.
inline QString databaseErrorText(int code, const QString& message)
{
    return QStringLiteral("Database Error: ") + QString::number(code) + QStringLiteral("\n\n") + message;
}
