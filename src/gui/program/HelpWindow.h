#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace qtr {
class MessageCatalog;
}

namespace qtr::gui {

// A window that shows the pages of the HTML help folder; links between pages work,
// Back and Forward (buttons, Alt+Left and Alt+Right) walk the pages seen, Escape closes.
// It stays usable while a modal dialog is open: a dialog blocks every window but its own,
// so the help window becomes one of the dialog's windows until the dialog goes away.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const MessageCatalog& catalog);

    void ShowPage(const QString& path);
    QString ShownPage() const;
    QString ShownText() const;
    QTextBrowser& Browser() const { return *browser_; }
    QPushButton& BackButton() const { return *back_; }
    QPushButton& ForwardButton() const { return *forward_; }

    // Shows the window so that it answers while `modal` (if any) blocks the others.
    void ShowOver(QWidget* modal);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetOwner(QWidget* owner);
    // The title is the program's, in its language, then the page's, whose text is the help
    // folder's (English pages serve Spanish too).
    void ShowTitle();

    const MessageCatalog& catalog_;
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* forward_;
    QWidget* owner_ = nullptr;
};

} // namespace qtr::gui
