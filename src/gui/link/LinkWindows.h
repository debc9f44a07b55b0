#pragma once

#include "core/app/TransferDialogModel.h"

#include <QObject>

namespace qtr {
class RadioLink;
} // namespace qtr

namespace qtr::gui {

class CommandWindow;

// The commands of the radio link in the main window: Read from Radio, Write to Radio,
// Radio Information and Communication Port, all on the program's one link.
class LinkWindows : public QObject {
    Q_OBJECT
public:
    static void Register(CommandWindow& frame, RadioLink& link);

    LinkWindows(CommandWindow& frame, RadioLink& link);

private:
    void Transfer(TransferDialogModel::Direction direction);
    // Refuses with the settings the radio cannot do without, else writes.
    void WriteToRadio();
    void ShowRadioInformation();
    // "COM1 (simulated radio)" when the radio answering on the port is simulated.
    QString SimulatedNote() const;
    void ChoosePort();

    CommandWindow& frame_;
    RadioLink& link_;
};

} // namespace qtr::gui
