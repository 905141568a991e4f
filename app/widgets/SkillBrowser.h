#pragma once
// The skill browser window: every skill of the rule database and the
// description of the one selected. The list is read again each time the
// window comes to the front, so it always shows the rule database as it is.

#include <QStringList>
#include <QWidget>

#include <functional>

class QListWidget;
class QTextEdit;

class SkillBrowser : public QWidget {
    Q_OBJECT
public:
    using AllSkills = std::function<QStringList()>;
    using Describe = std::function<QString(const QString&)>;
    SkillBrowser(AllSkills allSkills, Describe describe, QWidget* parent);

    // The window became the front window: fills the list.
    void Event_Activate();

Q_SIGNALS:
    void closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void SkillsListbox_Change();

    AllSkills allSkills_;
    Describe describe_;
    QListWidget* list_;
    QTextEdit* text_;
};
