#pragma once
// The modal dialogs of a walk through the window: the skill picker, the
// weapon dialog and the message boxes each run their own event loop inside
// the user action that opened them. This answers each one as soon as it is
// on the screen, as a person would click "Select" or "OK", and photographs
// the first of each kind.

#include <QObject>
#include <QStringList>

#include <functional>

class Camera;
class QWidget;

class DialogAnswerer : public QObject {
    Q_OBJECT
public:
    // `page` tells which page of the main window opened the dialog.
    DialogAnswerer(Camera& camera, std::function<int()> page, QObject* parent = nullptr);

    bool sawSkillPicker() const { return skillPickers_ > 0; }
    bool sawWeaponDialog() const { return weaponDialogs_ > 0; }
    // The texts of the message boxes answered, in order.
    const QStringList& messages() const { return messages_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QWidget* dialog);

    Camera& camera_;
    std::function<int()> page_;
    int skillPickers_ = 0;
    int weaponDialogs_ = 0;
    QStringList messages_;
};
