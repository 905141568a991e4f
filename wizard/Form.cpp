#include "wizard/Form.h"

#include "wizard/layout/LayoutRow.h"

Form::Form()
{
    for (const LayoutRow& row : headerLayout())
        add(row, -1);
    for (int page = 0; page < PageCount; ++page)
        for (const LayoutRow& row : pageLayout(page))
            add(row, page);
}

Form::~Form() = default;

void Form::add(const LayoutRow& row, int page)
{
    auto control = std::make_unique<Control>(this, QString::fromUtf8(row.name), row.index, row.kind, page,
                                             QRect(row.x, row.y, row.w, row.h));
    const QString caption = QString::fromUtf8(row.caption);
    if (row.kind == ControlKind::PopupMenu)
        control->setItems(caption.split(QLatin1Char('|')), 0);
    else
        control->setCaption(caption);
    control->setEnabled(row.enabled);
    control->setChecked(row.checked);
    control->setVisible(row.visible);
    control->setTooltip(QString::fromUtf8(row.tooltip));
    byKey_.insert(control->key(), control.get());
    controls_.push_back(std::move(control));
}

Control* Form::find(const QString& name, int index)
{
    return byKey_.value(index < 0 ? name : name + QLatin1Char('_') + QString::number(index), nullptr);
}

Control& Form::at(const QString& name, int index)
{
    Control* control = find(name, index);
    Q_ASSERT_X(control, "Form::at", qPrintable(name));
    return *control;
}

std::vector<Control*> Form::controlsOnPage(int page) const
{
    std::vector<Control*> result;
    for (const auto& control : controls_)
        if (control->page() == page)
            result.push_back(control.get());
    return result;
}

std::vector<Control*> Form::group(const QString& name) const
{
    std::vector<Control*> members;
    for (const auto& control : controls_)
        if (control->index() >= 0 && control->name() == name)
            members.push_back(control.get());
    return members;
}

int Form::selectedIndex(const QString& name) const
{
    for (Control* member : group(name))
        if (member->checked())
            return member->index();
    return -1;
}

void Form::setCurrentPage(int page)
{
    if (page < 0 || page >= PageCount)
        return;
    page_ = page;
    Q_EMIT pageChanged(page);
}

Control* Form::placard(int page)
{
    for (Control* control : controlsOnPage(page))
        if (control->kind() == ControlKind::Placard)
            return control;
    return nullptr;
}

void Form::notifyChanged(const Control& control)
{
    Q_EMIT controlChanged(control);
}
