#pragma once

#include <QObject>

class QTabWidget;
class QWidget;

namespace qtr::gui {

// Ctrl+Tab and Ctrl+Shift+Tab step to the next and the previous page of the tabs, round at
// the ends, while the focus is inside `scope`. The multiple-document area takes these keys
// for its windows, watching every key of the program; this filter, installed after it,
// sees them first. Keys only ever reach a control the user can see: a page that is shown
// takes the focus from the page it hides, `scope` hands the focus to the shown page, and
// a key meant for a control on a hidden page only moves the focus to the shown one.
class TabPageKeys : public QObject {
    Q_OBJECT
public:
    TabPageKeys(QTabWidget& tabs, QWidget& scope);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool StepPage(QEvent& event);
    void PageShown();
    bool KeepOffHiddenPages();
    QWidget* FirstControlOfShownPage() const;

    QTabWidget& tabs_;
    QWidget& scope_;
};

} // namespace qtr::gui
