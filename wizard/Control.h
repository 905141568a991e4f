#pragma once
// One control of the main window as state: what it shows and whether it can
// be used. The page handlers change controls only through this model; the
// window's widgets and the headless driver both read it.

#include <QRect>
#include <QString>
#include <QStringList>

class Form;

enum class ControlKind {
    Label,
    Heading,      // a page's bold heading label
    EditField,    // editable text field
    Field,        // read-only text field
    PushButton,
    RadioButton,  // one member of a radio group (a control array)
    CheckBox,
    PopupMenu,
    GroupBox,
    Line,
    ImageWell,
    Placard,      // the raised panel holding a page's controls
};

class Control {
public:
    Control(Form* form, QString name, int index, ControlKind kind, int page, QRect geometry);

    const QString& name() const { return name_; }
    int index() const { return index_; }           // member of a radio group, or -1
    QString key() const;                           // NAME or NAME_INDEX, the object name
    ControlKind kind() const { return kind_; }
    int page() const { return page_; }             // -1 for the header
    const QRect& geometry() const { return geometry_; }

    const QString& caption() const { return caption_; }
    bool enabled() const { return enabled_; }
    bool visible() const { return visible_; }
    bool checked() const { return checked_; }      // radio selected, check box ticked
    const QStringList& items() const { return items_; }
    int currentItem() const { return currentItem_; }
    QString currentText() const { return items_.value(currentItem_); }
    const QString& tooltip() const { return tooltip_; }
    bool isDefault() const { return default_; }

    void setCaption(const QString& caption);
    void setEnabled(bool enabled);
    void setVisible(bool visible);
    // Selecting a radio button deselects the other members of its group.
    void setChecked(bool checked);
    void setItems(const QStringList& items, int current);
    void setCurrentItem(int item);
    void setTooltip(const QString& tooltip) { tooltip_ = tooltip; }
    void setDefault(bool isDefault);

private:
    void changed();

    Form* form_;
    QString name_;
    int index_;
    ControlKind kind_;
    int page_;
    QRect geometry_;
    QString caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    QStringList items_;
    int currentItem_ = -1;
    QString tooltip_;
    bool default_ = false;
};
