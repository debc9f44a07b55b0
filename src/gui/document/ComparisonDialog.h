#pragma once

#include <QDialog>

#include <string>

class QListWidget;

namespace qtr {
class MessageCatalog;
struct ImageDifferences;
} // namespace qtr

namespace qtr::gui {

// The settings that differ between the document and a data file, one line each as
// `qtr31x-cli diff` prints them, then the bytes no setting covers.
class ComparisonDialog : public QDialog {
    Q_OBJECT
public:
    ComparisonDialog(const MessageCatalog& catalog, const std::string& path, const ImageDifferences& differences,
                     QWidget* parent);

    QListWidget* Lines() const { return lines_; }

private:
    QListWidget* lines_;
};

} // namespace qtr::gui
