#pragma once

#include "core/base/ImageNotifier.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QStatusBar;

namespace qtr {
class HelpViewer;
class RadioState;
class Workspace;
} // namespace qtr

namespace qtr::gui {

// The Embedded Message window: two lines of up to 32 characters in the fixed-pitch font.
// A line is stored when the user leaves it after changing it, and when the window closes.
// The fields take only the characters the radio's display shows; a refused character,
// typed or pasted, brings up which ones those are.
class EmbeddedMessageView : public QWidget {
    Q_OBJECT
public:
    EmbeddedMessageView(Workspace& app, HelpViewer& help, QStatusBar& statusBar, QWidget* parent = nullptr);

    QLineEdit& Line(int line) const { return *lines_[line]; }
    QPushButton& CloseButton() const { return *close_; }
    QPushButton& HelpButton() const { return *help_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* MakeLine();
    void StoreChangedLines();
    void ShowLines();
    void ShowAcceptedCharacters(QLineEdit& line);
    QString TipText() const;

    RadioState& state_;
    QStatusBar& statusBar_;
    QString acceptedCharacters_;
    QLineEdit* lines_[2] = {nullptr, nullptr};
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
    bool storing_ = false;
    ImageNotifier::Subscription imageNotices_;
};

} // namespace qtr::gui
