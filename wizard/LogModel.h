#pragma once
// The generation log: one event a line, the term lines in bold. It is the
// only record of the history; it is not in the character database.

#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

class LogModel : public QObject {
    Q_OBJECT
public:
    const QStringList& lines() const { return lines_; }
    const QSet<int>& boldLines() const { return bold_; }
    bool isBold(int line) const { return bold_.contains(line); }

    void append(const QString& line);
    void boldLast();
    void clear();
    // The whole text, each line followed by a line break.
    QString text() const;
    // Replaces the whole log by a text (a character file's); a line is bold
    // when isBold says so.
    void setText(const QString& text, const std::function<bool(const QString&)>& isBold = {});

Q_SIGNALS:
    // The first line or reset: the log window comes into being.
    void touched();
    void appended(const QString& line);
    void boldedLast();
    void replaced();

private:
    QStringList lines_;
    QSet<int> bold_;
};
