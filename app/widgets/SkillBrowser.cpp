#include "app/widgets/SkillBrowser.h"

#include <QEvent>
#include <QListWidget>
#include <QTextEdit>

SkillBrowser::SkillBrowser(AllSkills allSkills, Describe describe, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint),
      allSkills_(std::move(allSkills)), describe_(std::move(describe))
{
    setWindowTitle(QStringLiteral("Skills"));
    setFixedSize(401, 280);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("SkillsListbox"));
    list_->setGeometry(20, 14, 175, 246);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    text_ = new QTextEdit(this);
    text_->setObjectName(QStringLiteral("SkillsTextArea1"));
    text_->setGeometry(214, 14, 167, 246);
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { SkillsListbox_Change(); });
}

void SkillBrowser::Event_Activate()
{
    QStringList names = allSkills_();
    names.sort();
    // Refilling keeps the selection, so coming back to the window does not
    // lose the skill being read.
    const QString selected = list_->currentItem() ? list_->currentItem()->text() : QString();
    list_->clear();
    list_->addItems(names);
    const auto at = names.indexOf(selected);
    if (!selected.isEmpty() && at >= 0)
        list_->setCurrentRow(static_cast<int>(at));
}

void SkillBrowser::SkillsListbox_Change()
{
    const QList<QListWidgetItem*> selection = list_->selectedItems();
    text_->setPlainText(selection.isEmpty() ? QString() : describe_(selection.front()->text()));
}

bool SkillBrowser::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Event_Activate();
    return QWidget::event(event);
}

void SkillBrowser::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}
