#include "gui/testmode/TuningValueControls.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace qtr::gui {

namespace {

constexpr int kHighest = 255;
constexpr int kValueFontPixels = 20;
constexpr int kSliderWidthInCharacters = 28;

} // namespace

QLineEdit* NewTuningValueField(QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    QFont font = field->font();
    font.setPixelSize(kValueFontPixels);
    field->setFont(font);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return field;
}

QProgressBar* NewTuningValueBar(QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, kHighest);
    bar->setTextVisible(false);
    return bar;
}

TuningValueControls::TuningValueControls(QWidget* parent)
    : QWidget(parent), slider_(new QSlider(Qt::Horizontal, this)), spin_(new QSpinBox(this)),
      field_(NewTuningValueField(this)), bar_(NewTuningValueBar(this))
{
    slider_->setRange(0, kHighest);
    slider_->setSingleStep(1);
    slider_->setPageStep(1);
    // A drag is sent when the slider is released; keys are sent at once.
    slider_->setTracking(false);
    slider_->setMinimumWidth(fontMetrics().averageCharWidth() * kSliderWidthInCharacters);
    spin_->setRange(0, kHighest);
    spin_->setSingleStep(1);
    spin_->setKeyboardTracking(false);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(field_, 0, 0);
    grid->addWidget(slider_, 0, 1);
    grid->addWidget(spin_, 0, 2);
    grid->addWidget(bar_, 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setTabOrder(field_, slider_);
    setTabOrder(slider_, spin_);
    connect(slider_, &QSlider::sliderMoved, this, &TuningValueControls::ShowBesideSlider);
    connect(slider_, &QSlider::valueChanged, this, &TuningValueControls::valueChosen);
    connect(spin_, &QSpinBox::valueChanged, this, &TuningValueControls::valueChosen);
}

void TuningValueControls::ShowValue(int value)
{
    const QSignalBlocker sliderQuiet(slider_);
    slider_->setValue(value);
    ShowBesideSlider(value);
}

// While the slider is dragged, its value stays where it was until the release sends it.
void TuningValueControls::ShowBesideSlider(int value)
{
    const QSignalBlocker spinQuiet(spin_);
    spin_->setValue(value);
    field_->setText(QString::number(value));
    bar_->setValue(value);
}

int TuningValueControls::Value() const
{
    return field_->text().toInt();
}

} // namespace qtr::gui

namespace qtr::gui {

// Enter settles a typed value; it does not go on to end the procedure. The spin box must
// see Enter first, so this comes after it rather than in the shared keyboard filter.
void TuningValueControls::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

} // namespace qtr::gui
