#include "wizard/widgets/SelectWeaponDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

SelectWeaponDialog::SelectWeaponDialog(const QStringList& blades, std::function<QString(const QString&)> describe,
                                       std::function<bool(const QString&)> held, QWidget* parent)
    : QDialog(parent, Qt::Sheet | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      describe_(std::move(describe)), held_(std::move(held))
{
    setWindowTitle(QStringLiteral("Select Weapon"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(401, 282);

    auto* heading = new QLabel(QStringLiteral("Select a weapon, then select an option"), this);
    heading->setObjectName(QStringLiteral("WeaponLabel"));
    heading->setGeometry(67, 14, 266, 20);
    heading->setAlignment(Qt::AlignCenter);

    take_ = new QRadioButton(QStringLiteral("Select a weapon:"), this);
    take_->setObjectName(QStringLiteral("WeaponRadioButton_0"));
    take_->setGeometry(20, 63, 128, 20);

    popup_ = new QComboBox(this);
    popup_->setObjectName(QStringLiteral("WeaponPopupMenu"));
    popup_->setGeometry(182, 63, 199, 20);
    popup_->addItems(blades);

    auto* descLabel = new QLabel(QStringLiteral("Weapon description:"), this);
    descLabel->setObjectName(QStringLiteral("WeaponDescLabel"));
    descLabel->setGeometry(34, 95, 136, 20);
    descLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    text_ = new QTextEdit(this);
    text_->setObjectName(QStringLiteral("WeaponTextArea"));
    text_->setGeometry(182, 96, 199, 102);
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont small = text_->font();
    small.setPixelSize(11);
    text_->setFont(small);

    increase_ = new QRadioButton(QStringLiteral("Increase skill in selected weapon"), this);
    increase_->setObjectName(QStringLiteral("WeaponRadioButton_1"));
    increase_->setGeometry(20, 210, 232, 20);

    select_ = new QPushButton(QStringLiteral("Select"), this);
    select_->setObjectName(QStringLiteral("WeaponButton"));
    select_->setGeometry(301, 242, 80, 20);
    select_->setDefault(true);
    select_->setEnabled(false); // until an option is chosen
    connect(select_, &QPushButton::clicked, this, &QDialog::accept);

    connect(take_, &QRadioButton::toggled, this, &SelectWeaponDialog::radioChanged);
    connect(increase_, &QRadioButton::toggled, this, &SelectWeaponDialog::radioChanged);
    connect(popup_, &QComboBox::currentIndexChanged, this, &SelectWeaponDialog::WeaponPopupMenu_Change);
    popup_->setCurrentIndex(0);
    WeaponPopupMenu_Change();
}

Host::WeaponChoice SelectWeaponDialog::choice() const
{
    return {popup_->currentText(), increase_->isChecked()};
}

void SelectWeaponDialog::WeaponPopupMenu_Change()
{
    const QString weapon = popup_->currentText();
    text_->setPlainText(describe_ ? describe_(weapon) : QString());
    const bool holds = held_ && held_(weapon);
    if (!holds && increase_->isChecked())
        take_->setChecked(true);
    increase_->setEnabled(holds);
}

void SelectWeaponDialog::radioChanged()
{
    select_->setEnabled(take_->isChecked() || increase_->isChecked());
}
