#pragma once

#include <QColor>
#include <QWidget>

namespace qtr::gui {

// A round lamp beside a tuning dialog's control: receive, transmit, or measuring running.
// It shows its state by being visible.
class TuningIndicatorLamp : public QWidget {
    Q_OBJECT
public:
    TuningIndicatorLamp(const QColor& colour, const QString& description, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

} // namespace qtr::gui
