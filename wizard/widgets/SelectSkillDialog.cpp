#include "wizard/widgets/SelectSkillDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

SelectSkillDialog::SelectSkillDialog(const QString& label, const QStringList& offered,
                                     std::function<QString(const QString&)> describe, QWidget* parent)
    : QDialog(parent, Qt::Sheet | Qt::CustomizeWindowHint | Qt::WindowTitleHint), describe_(std::move(describe))
{
    setWindowTitle(QStringLiteral("Select Skill"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(401, 288);

    auto* heading = new QLabel(label, this);
    heading->setObjectName(QStringLiteral("SkillsLabel"));
    heading->setGeometry(20, 14, 361, 20);

    auto* selectLabel = new QLabel(QStringLiteral("Select an available skill:"), this);
    selectLabel->setObjectName(QStringLiteral("SkillsSelectLabel"));
    selectLabel->setGeometry(20, 63, 150, 20);

    popup_ = new QComboBox(this);
    popup_->setObjectName(QStringLiteral("SkillsPopupMenu"));
    popup_->setGeometry(182, 63, 199, 20);
    popup_->addItems(offered);

    auto* descLabel = new QLabel(QStringLiteral("Skill description:"), this);
    descLabel->setObjectName(QStringLiteral("SkillsDescLabel"));
    descLabel->setGeometry(59, 95, 111, 20);
    descLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    text_ = new QTextEdit(this);
    text_->setObjectName(QStringLiteral("SkillsTextArea"));
    text_->setGeometry(182, 96, 199, 140);
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* select = new QPushButton(QStringLiteral("Select"), this);
    select->setObjectName(QStringLiteral("SelectSkillButton"));
    select->setGeometry(301, 248, 80, 20);
    select->setDefault(true);
    connect(select, &QPushButton::clicked, this, &QDialog::accept);

    connect(popup_, &QComboBox::currentIndexChanged, this, &SelectSkillDialog::SkillsPopupMenu_Change);
    popup_->setCurrentIndex(0);
    SkillsPopupMenu_Change();
}

QString SelectSkillDialog::choice() const
{
    return popup_->currentText();
}

void SelectSkillDialog::SkillsPopupMenu_Change()
{
    text_->setPlainText(describe_ ? describe_(popup_->currentText()) : QString());
}
