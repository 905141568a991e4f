#include "wizard/widgets/MainWindow.h"

#include "wizard/Main.h"
#include "wizard/layout/LayoutRow.h"
#include "wizard/widgets/SelectSkillDialog.h"
#include "wizard/widgets/SelectWeaponDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QPixmap>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>

#include <algorithm>

namespace {

// The page panel's place in the window; page controls are laid out in
// window coordinates.
const QRect PagePanel(10, 211, 580, 297);

// Multi-line labels hold up to five lines in 64 pixels.
void useSmallFont(QWidget* widget)
{
    QFont font = widget->font();
    font.setPixelSize(11);
    widget->setFont(font);
}

// A button's caption broken into lines that fit beside its indicator.
QString wrapped(const QString& caption, const QWidget* button)
{
    const int width = button->width() - 22;
    const QFontMetrics metrics(button->font());
    QStringList lines;
    QString line;
    for (const QString& word : caption.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

MainWindow::MainWindow(Dice& dice)
    : main_(std::make_unique<Main>(dice, *this))
{
    setWindowTitle(QStringLiteral("Corvantis"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);

    auto* central = new QWidget(this);
    central->setFixedSize(600, 518);
    setCentralWidget(central);

    pages_ = new QStackedWidget(central);
    pages_->setGeometry(PagePanel);
    QWidget* pageWidgets[Form::PageCount];
    for (int page = 0; page < Form::PageCount; ++page) {
        pageWidgets[page] = new QWidget;
        pages_->addWidget(pageWidgets[page]);
    }

    // Header controls sit on the window; page controls on their page's
    // placard, which hides them with it.
    Form& form = main_->form();
    QWidget* placardWidget = nullptr;
    QPoint placardOrigin;
    int placardPage = -2;
    for (const auto& owned : form.controls()) {
        Control& control = *owned;
        if (control.page() < 0) {
            makeWidget(control, central, QPoint(0, 0));
            continue;
        }
        if (control.page() != placardPage) {
            placardPage = control.page();
            placardWidget = pageWidgets[placardPage];
            placardOrigin = PagePanel.topLeft();
        }
        QWidget* widget = makeWidget(control, placardWidget, placardOrigin);
        if (control.kind() == ControlKind::Placard) {
            placardOrigin = control.geometry().topLeft();
            placardWidget = widget;
        }
    }

    centreLabelsOnFields(form);

    connect(&form, &Form::controlChanged, this, [this](const Control& control) { mirror(control); });
    connect(&form, &Form::pageChanged, pages_, &QStackedWidget::setCurrentIndex);
    // The navy emblem of the final page, loaded the first time it is shown.
    connect(&form, &Form::pageChanged, this, [this](int page) {
        if (page != 14)
            return;
        auto* logo = qobject_cast<QLabel*>(widgets_.value(main_->form().find(QStringLiteral("NavyLogo"))));
        if (logo != nullptr && logo->pixmap().isNull())
            logo->setPixmap(QPixmap(QDir(main_->resourceFolder()).filePath(QStringLiteral("Imperial Sunburst_shadow_64.jpg"))));
    });

    // Return presses the shown page's Continue button, the default button.
    for (auto key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, &MainWindow::pressDefault);
    // Not resizable: the window keeps the size of its contents, menu bar included.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::makeWidget(Control& control, QWidget* parent, QPoint origin)
{
    QWidget* widget = nullptr;
    switch (control.kind()) {
    case ControlKind::Label:
    case ControlKind::Heading: {
        auto* label = new QLabel(parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (control.kind() == ControlKind::Heading) {
            QFont font = label->font();
            font.setBold(true);
            label->setFont(font);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        } else if (control.geometry().height() > 24) { // a box of several lines
            useSmallFont(label);
            label->setWordWrap(true);
        } else {
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        const Qt::Alignment vertical = label->alignment() & Qt::AlignVertical_Mask;
        switch (textAlignmentOf(control.name())) {
        case TextAlignment::Natural:
            break;
        case TextAlignment::Right:
            label->setAlignment(Qt::AlignRight | vertical);
            if (vertical == Qt::AlignVCenter)
                label->setIndent(3); // a caption keeps clear of the field it names
            break;
        case TextAlignment::Centre:
            label->setAlignment(Qt::AlignHCenter | vertical);
            break;
        }
        widget = label;
        break;
    }
    case ControlKind::EditField:
    case ControlKind::Field: {
        auto* field = new QLineEdit(parent);
        field->setReadOnly(control.kind() == ControlKind::Field);
        if (control.kind() == ControlKind::Field) {
            field->setFocusPolicy(Qt::NoFocus);
            // The one-character UPP fields and the term have no border.
            if (control.geometry().width() <= 24) {
                field->setFrame(false);
                field->setAlignment(Qt::AlignCenter);
                field->setStyleSheet(QStringLiteral("background: transparent;"));
            }
        }
        field->setTextMargins(0, 0, 0, 0);
        widget = field;
        break;
    }
    case ControlKind::PushButton:
        widget = new QPushButton(parent);
        break;
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false); // the Form keeps each group exclusive
        widget = radio;
        break;
    }
    case ControlKind::CheckBox:
        widget = new QCheckBox(parent);
        if (control.geometry().height() > 24)
            useSmallFont(widget); // a caption of two lines
        break;
    case ControlKind::PopupMenu:
        widget = new QComboBox(parent);
        break;
    case ControlKind::GroupBox:
        widget = new QGroupBox(parent);
        break;
    case ControlKind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        widget = line;
        break;
    }
    case ControlKind::ImageWell:
        widget = new QLabel(parent);
        break;
    case ControlKind::Placard: {
        auto* placard = new QFrame(parent);
        placard->setFrameStyle(QFrame::Panel | QFrame::Raised);
        placard->setLineWidth(1);
        placard->setAutoFillBackground(true);
        widget = placard;
        break;
    }
    }
    switch (fontStyleOf(control.name())) {
    case FontStyle::Normal:
        break;
    case FontStyle::Bold:
    case FontStyle::Italic: {
        QFont font = widget->font();
        font.setBold(fontStyleOf(control.name()) == FontStyle::Bold);
        font.setItalic(fontStyleOf(control.name()) == FontStyle::Italic);
        widget->setFont(font);
        break;
    }
    case FontStyle::NarrowBold: {
        QFont font(QStringLiteral("Liberation Sans Narrow"));
        font.setPixelSize(10);
        font.setBold(true);
        widget->setFont(font);
        // Buttons set side by side: a caption keeps close to its own
        // indicator and clear of the next button's.
        if (qobject_cast<QRadioButton*>(widget))
            widget->setStyleSheet(QStringLiteral("QRadioButton { spacing: 2px; }"));
        break;
    }
    }
    widget->setObjectName(control.key());
    QRect geometry = control.geometry().translated(-origin);
    if (control.kind() == ControlKind::Line)
        geometry.setHeight(2);
    widget->setGeometry(geometry);
    if (!control.tooltip().isEmpty())
        widget->setToolTip(control.tooltip());
    widgets_.insert(&control, widget);
    connectWidget(control, widget);
    mirror(control);
    return widget;
}

void MainWindow::centreLabelsOnFields(const Form& form)
{
    // A label comes just before the field it names. Where the layout sets
    // the field's box a little lower (or higher) than the label's, the
    // label's text moves within its box onto the field's middle, so that
    // both read on one line.
    const auto& controls = form.controls();
    for (size_t i = 0; i + 1 < controls.size(); ++i) {
        const Control& label = *controls[i];
        const Control& field = *controls[i + 1];
        const bool isField = field.kind() == ControlKind::Field || field.kind() == ControlKind::EditField ||
                             field.kind() == ControlKind::PopupMenu;
        if (label.kind() != ControlKind::Label || label.geometry().height() > 24 || !isField ||
            label.page() != field.page())
            continue;
        const QRect& a = label.geometry();
        const QRect& b = field.geometry();
        // Twice the distance between the middles: the margin that moves the
        // middle of the label's text by that distance.
        const int shift = (2 * b.top() + b.height()) - (2 * a.top() + a.height());
        if (QWidget* widget = widgets_.value(&label); widget != nullptr && shift != 0)
            widget->setContentsMargins(0, std::max(0, shift), 0, std::max(0, -shift));
    }
}

void MainWindow::connectWidget(Control& control, QWidget* widget)
{
    const QString name = control.name();
    const int index = control.index();
    Main* main = main_.get();
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this, [main, name] { main->press(name); });
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        connect(radio, &QRadioButton::clicked, this, [this, main, name, index, &control] {
            main->select(name, index);
            mirror(control); // a click on a selected member must not clear it
        });
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        connect(box, &QCheckBox::clicked, this, [main, name](bool on) { main->check(name, on); });
    } else if (auto* popup = qobject_cast<QComboBox*>(widget)) {
        connect(popup, &QComboBox::activated, this, [main, name](int item) { main->popup(name, item); });
    } else if (auto* field = qobject_cast<QLineEdit*>(widget); field && !field->isReadOnly()) {
        connect(field, &QLineEdit::textEdited, this, [main, name](const QString& text) { main->type(name, text); });
    }
}

void MainWindow::mirror(const Control& control)
{
    QWidget* widget = widgets_.value(&control);
    if (widget == nullptr)
        return;
    widget->setEnabled(control.enabled());
    widget->setVisible(control.visible());
    const QString& caption = control.caption();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(caption);
    } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        if (field->text() != caption)
            field->setText(caption);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(caption);
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        radio->setText(caption);
        radio->setChecked(control.checked());
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setText(control.geometry().height() > 24 ? wrapped(caption, box) : caption);
        box->setChecked(control.checked());
    } else if (auto* popup = qobject_cast<QComboBox*>(widget)) {
        if (popup->count() != control.items().size()) {
            popup->clear();
            popup->addItems(control.items());
        }
        popup->setCurrentIndex(control.currentItem());
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(caption);
    }
}

void MainWindow::pressDefault()
{
    Control* button = main_->continueButton();
    if (button != nullptr && main_->usable(*button))
        main_->press(button->name());
}

void MainWindow::showMessages(const QStringList& texts)
{
    QApplication::beep();
    for (const QString& text : texts) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Corvantis"), text, QMessageBox::Ok, this);
        box.setWindowModality(Qt::WindowModal);
        box.exec();
    }
}

QString MainWindow::pickSkill(const QString& label, const QStringList& offered,
                              const std::function<QString(const QString&)>& describe)
{
    SelectSkillDialog dialog(label, offered, describe, this);
    dialog.exec();
    return dialog.choice();
}

Host::WeaponChoice MainWindow::pickWeapon(const QStringList& weapons, const std::function<QString(const QString&)>& describe,
                                          const std::function<bool(const QString&)>& held)
{
    SelectWeaponDialog dialog(weapons, describe, held, this);
    dialog.exec();
    return dialog.choice();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window leaves an empty character in the store.
    main_->Event_Close();
    Q_EMIT closing();
    event->accept();
}
