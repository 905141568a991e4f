#include "tools/screenshots/DialogAnswerer.h"

#include "tools/screenshots/Camera.h"
#include "wizard/widgets/SelectSkillDialog.h"
#include "wizard/widgets/SelectWeaponDialog.h"

#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

DialogAnswerer::DialogAnswerer(Camera& camera, std::function<int()> page, QObject* parent)
    : QObject(parent), camera_(camera), page_(std::move(page))
{
}

bool DialogAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->isWindow() &&
            (qobject_cast<SelectSkillDialog*>(widget) || qobject_cast<SelectWeaponDialog*>(widget) ||
             qobject_cast<QMessageBox*>(widget))) {
            // Answered from the dialog's own event loop, once it is shown.
            QPointer<QWidget> dialog(widget);
            QTimer::singleShot(0, this, [this, dialog] {
                if (dialog)
                    answer(dialog);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void DialogAnswerer::answer(QWidget* dialog)
{
    const QString page = QStringLiteral("page-%1-").arg(page_(), 2, 10, QLatin1Char('0'));
    if (qobject_cast<SelectSkillDialog*>(dialog)) {
        if (skillPickers_++ == 0)
            camera_.shoot(dialog, page + QStringLiteral("skill-picker"));
        // The first skill offered, as shown.
        if (auto* select = dialog->findChild<QPushButton*>(QStringLiteral("SelectSkillButton")))
            select->click();
    } else if (qobject_cast<SelectWeaponDialog*>(dialog)) {
        // "Select" waits for an option: take the weapon shown.
        if (auto* take = dialog->findChild<QRadioButton*>(QStringLiteral("WeaponRadioButton_0")))
            take->click();
        if (weaponDialogs_++ == 0)
            camera_.shoot(dialog, page + QStringLiteral("weapon-dialog"));
        if (auto* select = dialog->findChild<QPushButton*>(QStringLiteral("WeaponButton")))
            select->click();
    } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        messages_ << box->text();
        std::fprintf(stderr, "screenshots: message box on page %d: %s\n", page_(), qPrintable(box->text()));
        camera_.shoot(box, page + QStringLiteral("message-%1").arg(messages_.size()));
        box->accept();
    }
}
