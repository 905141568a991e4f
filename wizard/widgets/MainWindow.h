#pragma once
// The main window: the wizard's Form drawn as widgets. Every widget mirrors
// one Control; a click is forwarded to Main, which runs the page handler and
// changes the Form, which the widgets then show.

#include "wizard/Host.h"

#include <QHash>
#include <QMainWindow>

#include <memory>

class Control;
class Dice;
class Form;
class Main;
class QStackedWidget;

class MainWindow : public QMainWindow, public Host {
    Q_OBJECT
public:
    explicit MainWindow(Dice& dice);
    ~MainWindow() override;

    Main& main() { return *main_; }

    void showMessages(const QStringList& texts) override;
    QString pickSkill(const QString& label, const QStringList& offered,
                      const std::function<QString(const QString&)>& describe) override;
    WeaponChoice pickWeapon(const QStringList& weapons, const std::function<QString(const QString&)>& describe,
                            const std::function<bool(const QString&)>& held) override;

Q_SIGNALS:
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeWidget(Control& control, QWidget* parent, QPoint origin);
    void centreLabelsOnFields(const Form& form);
    void connectWidget(Control& control, QWidget* widget);
    void mirror(const Control& control);
    void pressDefault();

    std::unique_ptr<Main> main_;
    QStackedWidget* pages_ = nullptr;
    QHash<const Control*, QWidget*> widgets_;
};
