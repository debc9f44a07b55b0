#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qtr {
class HelpViewer;
class MessageCatalog;
class RadioInformation;
} // namespace qtr

namespace qtr::gui {

// Who the connected radio is: model type, frequency range, serial number and version,
// as the radio told them, and a note when the radio is simulated. The arrow keys move
// between Close and Help.
class RadioInformationDialog : public QDialog {
    Q_OBJECT
public:
    enum Field { Model, Frequency, SerialNumber, Version, kFieldCount };

    RadioInformationDialog(const RadioInformation& information, const MessageCatalog& catalog, HelpViewer& help,
                           QWidget* parent = nullptr, const QString& simulatedNote = {});

    QLabel& Value(Field field) const { return *values_[field]; }
    QPushButton& CloseButton() const { return *close_; }
    QPushButton& HelpButton() const { return *help_; }
    // Hidden unless the radio is simulated.
    QLabel& SimulatedNote() const { return *simulatedNote_; }

private:
    QLayout* BuildFields(const RadioInformation& information, const MessageCatalog& catalog);
    QLayout* BuildButtons(const MessageCatalog& catalog, HelpViewer& help);

    QLabel* values_[kFieldCount] = {};
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
    QLabel* simulatedNote_ = nullptr;
};

} // namespace qtr::gui
