#pragma once

#include <QHBoxLayout>

class QPushButton;

namespace qtr {
class HelpViewer;
class MessageCatalog;
} // namespace qtr

namespace qtr::gui {

// The "Close" and "Help" buttons of an editor view: Close closes the view's window, Help
// opens the view's help topic. Further buttons and fields follow them in the row.
class EditorButtonRow : public QHBoxLayout {
    Q_OBJECT
public:
    EditorButtonRow(QWidget& view, const MessageCatalog& catalog, HelpViewer& help, int helpTopic);

    QPushButton& CloseButton() const { return *close_; }
    QPushButton& HelpButton() const { return *help_; }

private:
    QPushButton* close_;
    QPushButton* help_;
};

} // namespace qtr::gui
