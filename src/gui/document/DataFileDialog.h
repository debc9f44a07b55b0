#pragma once

#include <QFileDialog>

class QLineEdit;

namespace qtr {
class MessageCatalog;
}

namespace qtr::gui {

// The program's Open and Save As dialog: Qt's own file dialog (never the platform's),
// limited to data files, and for Open with a panel that previews the embedded message
// of the selected file.
class DataFileDialog : public QFileDialog {
    Q_OBJECT
public:
    enum class Purpose { Open, SaveAs };

    DataFileDialog(Purpose purpose, const MessageCatalog& catalog, const QFont& fixedFont, const QString& folder,
                   const QString& name, QWidget* parent = nullptr);

    QString PreviewLine(int line) const;

private:
    void AddBackupFolder();
    void AddPreviewPanel(const MessageCatalog& catalog, const QFont& fixedFont);
    void ShowPreview(const QString& path);

    QLineEdit* previewLines_[2] = {nullptr, nullptr};
};

} // namespace qtr::gui
