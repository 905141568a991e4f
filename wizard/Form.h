#pragma once
// Every control of the main window (the header and the 18 pages), and which
// page is shown. Built from the layout tables; a change to any control is
// signalled so that a window can mirror it.

#include "wizard/Control.h"

#include <QHash>
#include <QObject>

#include <memory>
#include <vector>

struct LayoutRow;

class Form : public QObject {
    Q_OBJECT
public:
    static constexpr int PageCount = 18;

    Form();
    ~Form() override;

    // The control NAME, or member INDEX of the radio group NAME. Asking for
    // a control that the layout lacks is a programming error.
    Control& at(const QString& name, int index = -1);
    Control* find(const QString& name, int index = -1);
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    std::vector<Control*> controlsOnPage(int page) const;
    // The members of a radio group, in index order.
    std::vector<Control*> group(const QString& name) const;
    // The selected member of a radio group, or -1.
    int selectedIndex(const QString& name) const;

    int currentPage() const { return page_; }
    void setCurrentPage(int page);
    // The placard of a page (page 5 has none).
    Control* placard(int page);

    void notifyChanged(const Control& control);

Q_SIGNALS:
    void controlChanged(const Control& control);
    void pageChanged(int page);

private:
    void add(const LayoutRow& row, int page);

    std::vector<std::unique_ptr<Control>> controls_;
    QHash<QString, Control*> byKey_;
    int page_ = 0;
};
