#pragma once

#include <QDialog>

namespace qtr {
class MessageCatalog;
}

namespace qtr::gui {

// Program name, description, version, release date and copyright lines.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const MessageCatalog& catalog, QWidget* parent = nullptr);
};

} // namespace qtr::gui
