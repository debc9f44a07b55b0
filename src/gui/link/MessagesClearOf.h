#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

namespace qtr::gui {

// While it lives, every message box that opens is moved so that it does not cover the
// window it is given: below it where the screen has room, else above, right or left.
// A transfer that asks Retry or Cancel keeps its step and progress in view so.
class MessagesClearOf : public QObject {
    Q_OBJECT
public:
    explicit MessagesClearOf(QWidget& window);
    ~MessagesClearOf() override;

    // Where a window of `size` goes on `screen` so that it does not cover `avoid`; when
    // no side has room, below `avoid` as far as the screen allows.
    static QPoint ClearPosition(const QRect& avoid, const QSize& size, const QRect& screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MoveClear(QWidget& box) const;

    QWidget& window_;
};

} // namespace qtr::gui
