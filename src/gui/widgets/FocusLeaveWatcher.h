#pragma once

#include <QObject>

class QWidget;

namespace qtr::gui {

// Tells when one of the watched widgets loses the focus to another widget of the program:
// that is when an editor commits. A list opening its pop-up, or another application taking
// over, does not count.
class FocusLeaveWatcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void Watch(QWidget& widget);

signals:
    void Left(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace qtr::gui
