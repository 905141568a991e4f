#pragma once
// The weapon dialog of a "Blade" benefit: take a blade, or raise the skill
// in a blade already held. Its only way out is "Select".

#include "wizard/Host.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QPushButton;
class QRadioButton;
class QTextEdit;

class SelectWeaponDialog : public QDialog {
    Q_OBJECT
public:
    SelectWeaponDialog(const QStringList& blades, std::function<QString(const QString&)> describe,
                       std::function<bool(const QString&)> held, QWidget* parent);

    Host::WeaponChoice choice() const;
    void reject() override {}

private:
    void WeaponPopupMenu_Change();
    void radioChanged();

    std::function<QString(const QString&)> describe_;
    std::function<bool(const QString&)> held_;
    QComboBox* popup_;
    QTextEdit* text_;
    QRadioButton* take_;
    QRadioButton* increase_;
    QPushButton* select_;
};
