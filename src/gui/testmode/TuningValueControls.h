#pragma once

#include <QWidget>

class QLineEdit;
class QProgressBar;
class QSlider;
class QSpinBox;

namespace qtr::gui {

// One adjusted value shown four ways in step: a slider, a spin box, a large value field
// and a bar. A value the user settles on (slider released, spin box stepped or typed) is
// offered through valueChosen; nothing changes the value on its own.
class TuningValueControls : public QWidget {
    Q_OBJECT
public:
    explicit TuningValueControls(QWidget* parent = nullptr);

    void ShowValue(int value);
    int Value() const;

    QSlider& Slider() const { return *slider_; }
    QSpinBox& SpinBox() const { return *spin_; }
    QLineEdit& ValueField() const { return *field_; }
    QProgressBar& Bar() const { return *bar_; }

signals:
    void valueChosen(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowBesideSlider(int value);

    QSlider* slider_;
    QSpinBox* spin_;
    QLineEdit* field_;
    QProgressBar* bar_;
};

// The large read-only number field of the tuning dialogs, in a 20-pixel font.
QLineEdit* NewTuningValueField(QWidget* parent);
QProgressBar* NewTuningValueBar(QWidget* parent);

} // namespace qtr::gui
