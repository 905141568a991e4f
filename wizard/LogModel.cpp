#include "wizard/LogModel.h"

void LogModel::append(const QString& line)
{
    Q_EMIT touched();
    lines_ << line;
    Q_EMIT appended(line);
}

void LogModel::boldLast()
{
    if (lines_.isEmpty())
        return;
    bold_.insert(static_cast<int>(lines_.size()) - 1);
    Q_EMIT boldedLast();
}

void LogModel::clear()
{
    Q_EMIT touched();
    lines_.clear();
    bold_.clear();
    Q_EMIT replaced();
}

QString LogModel::text() const
{
    QString text;
    for (const QString& line : lines_)
        text += line + QLatin1Char('\n');
    return text;
}

void LogModel::setText(const QString& text, const std::function<bool(const QString&)>& isBold)
{
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines_ = normalised.split(QLatin1Char('\n'));
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
    bold_.clear();
    if (isBold)
        for (int i = 0; i < lines_.size(); ++i)
            if (isBold(lines_[i]))
                bold_.insert(i);
    Q_EMIT replaced();
}
