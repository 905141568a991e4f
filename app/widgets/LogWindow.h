#pragma once
// The log window: the generation history, the term lines in bold. It mirrors
// the LogModel and never changes it.

#include <QWidget>

class LogModel;
class QTextEdit;

class LogWindow : public QWidget {
    Q_OBJECT
public:
    LogWindow(LogModel& log, QWidget* parent);

Q_SIGNALS:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void appendLine(const QString& line);
    void boldLast();
    void rebuild();
    void scrollToEnd();

    LogModel& log_;
    QTextEdit* text_;
};
