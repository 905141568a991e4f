#pragma once
// The skill picker: a sheet over the main window offering the specific
// skills behind a generic one, with each one's description. Its only way
// out is "Select".

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QTextEdit;

class SelectSkillDialog : public QDialog {
    Q_OBJECT
public:
    SelectSkillDialog(const QString& label, const QStringList& offered,
                      std::function<QString(const QString&)> describe, QWidget* parent);

    QString choice() const;

    void reject() override {} // no way out but "Select"

private:
    void SkillsPopupMenu_Change();

    std::function<QString(const QString&)> describe_;
    QComboBox* popup_;
    QTextEdit* text_;
};
