#pragma once

#include <QFrame>

namespace qtr::gui {

// The progress bar of a transfer: fills from the left in the highlight colour and shows
// the share done, centred. The transfer holds the event loop, so the bar paints at once,
// and only when what it shows has changed.
class TransferProgressBar : public QFrame {
    Q_OBJECT
public:
    explicit TransferProgressBar(QWidget* parent = nullptr);

    void SetRange(int low, int high);
    void SetPosition(int position);
    int Position() const { return position_; }
    QString Text() const;
    int FilledWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RepaintWhenChanged();

    int low_ = 0;
    int high_ = 100;
    int position_ = 0;
    int paintedWidth_ = -1;
    QString paintedText_;
};

} // namespace qtr::gui
