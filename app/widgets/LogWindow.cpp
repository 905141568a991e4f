#include "app/widgets/LogWindow.h"

#include "wizard/LogModel.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

LogWindow::LogWindow(LogModel& log, QWidget* parent) : QWidget(parent, Qt::Window), log_(log)
{
    setWindowTitle(QStringLiteral("Log"));
    resize(337, 400);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 14, 20, 20);
    text_ = new QTextEdit(this);
    text_->setObjectName(QStringLiteral("LogTextArea"));
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(text_);

    connect(&log_, &LogModel::appended, this, &LogWindow::appendLine);
    connect(&log_, &LogModel::boldedLast, this, &LogWindow::boldLast);
    connect(&log_, &LogModel::replaced, this, &LogWindow::rebuild);
    rebuild();
}

void LogWindow::appendLine(const QString& line)
{
    QTextCursor cursor(text_->document());
    cursor.movePosition(QTextCursor::End);
    if (!text_->document()->isEmpty())
        cursor.insertBlock();
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    cursor.setBlockCharFormat(plain);
    cursor.insertText(line, plain);
    scrollToEnd();
}

void LogWindow::boldLast()
{
    QTextCursor cursor(text_->document()->lastBlock());
    cursor.select(QTextCursor::BlockUnderCursor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
}

void LogWindow::rebuild()
{
    text_->clear();
    const QStringList& lines = log_.lines();
    for (int i = 0; i < lines.size(); ++i) {
        appendLine(lines[i]);
        if (log_.isBold(i))
            boldLast();
    }
}

void LogWindow::scrollToEnd()
{
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

void LogWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}
