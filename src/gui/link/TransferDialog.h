#pragma once

#include "core/app/TransferDialogModel.h"
#include "core/link/TransferProgress.h"

#include <QDialog>

class QDialogButtonBox;

namespace qtr {
class HelpViewer;
} // namespace qtr

namespace qtr::gui {

class TransferProgressBar;

// Read from Radio and Write to Radio: OK runs the transfer with the progress bar
// following it, and the dialog closes when the transfer is over, accepted when it
// succeeded; Cancel closes it without a word to the radio.
class TransferDialog : public QDialog, private TransferProgress {
    Q_OBJECT
public:
    TransferDialog(Workspace& app, HelpViewer& help, RadioLink& link, TransferDialogModel::Direction direction,
                   QWidget* parent = nullptr);

    QDialogButtonBox& Buttons() const { return *buttons_; }
    TransferProgressBar& Bar() const { return *bar_; }

public slots:
    // The first button starts the transfer.
    void accept() override;

private:
    void SetRange(int low, int high) override;
    void SetPosition(int position) override;
    void SetButtonsEnabled(bool enabled) override;
    void DiscardTypedKeys() override;

    TransferDialogModel model_;
    TransferProgressBar* bar_;
    QDialogButtonBox* buttons_;
};

} // namespace qtr::gui
