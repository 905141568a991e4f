#include "app/widgets/SkillBrowser.h"

#include <QListWidget>
#include <QTextEdit>

SkillBrowser::SkillBrowser(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint)
{
    setWindowTitle(QStringLiteral("Skills"));
    setFixedSize(401, 280);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("SkillsListbox"));
    list_->setGeometry(20, 14, 175, 246);
    text_ = new QTextEdit(this);
    text_->setObjectName(QStringLiteral("SkillsTextArea1"));
    text_->setGeometry(214, 14, 167, 246);
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The list is filled from the rule database's skills once they exist.
}

void SkillBrowser::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}
