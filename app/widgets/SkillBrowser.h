#pragma once
// The skill browser window: every skill of the rule database and the
// description of the one selected.

#include <QWidget>

class QListWidget;
class QTextEdit;

class SkillBrowser : public QWidget {
    Q_OBJECT
public:
    explicit SkillBrowser(QWidget* parent);

Q_SIGNALS:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QListWidget* list_;
    QTextEdit* text_;
};
