#include "wizard/Control.h"

#include "wizard/Form.h"

Control::Control(Form* form, QString name, int index, ControlKind kind, int page, QRect geometry)
    : form_(form), name_(std::move(name)), index_(index), kind_(kind), page_(page), geometry_(geometry)
{
}

QString Control::key() const
{
    return index_ < 0 ? name_ : name_ + QLatin1Char('_') + QString::number(index_);
}

void Control::changed()
{
    if (form_)
        form_->notifyChanged(*this);
}

void Control::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    changed();
}

void Control::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    changed();
}

void Control::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    changed();
}

void Control::setChecked(bool checked)
{
    if (checked && kind_ == ControlKind::RadioButton && form_) {
        for (Control* member : form_->group(name_))
            if (member != this && member->checked_) {
                member->checked_ = false;
                member->changed();
            }
    }
    if (checked_ == checked)
        return;
    checked_ = checked;
    changed();
}

void Control::setItems(const QStringList& items, int current)
{
    items_ = items;
    currentItem_ = current;
    changed();
}

void Control::setCurrentItem(int item)
{
    if (currentItem_ == item || item < -1 || item >= items_.size())
        return;
    currentItem_ = item;
    changed();
}

void Control::setDefault(bool isDefault)
{
    if (default_ == isDefault)
        return;
    default_ = isDefault;
    changed();
}
