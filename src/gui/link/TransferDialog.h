#pragma once

#include "core/app/TransferDialogModel.h"
#include "core/link/TransferProgress.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;

namespace qtr {
class HelpViewer;
} // namespace qtr

namespace qtr::gui {

class TransferProgressBar;

// Read from Radio and Write to Radio: says what to do before OK, then runs the transfer
// with the step under way and the progress bar following it; a message asked meanwhile
// stands clear of them. The dialog closes when the transfer is over, accepted when it
// succeeded; Cancel closes it without a word to the radio.
class TransferDialog : public QDialog, private TransferProgress {
    Q_OBJECT
public:
    TransferDialog(Workspace& app, HelpViewer& help, RadioLink& link, TransferDialogModel::Direction direction,
                   QWidget* parent = nullptr);

    QDialogButtonBox& Buttons() const { return *buttons_; }
    TransferProgressBar& Bar() const { return *bar_; }
    QLabel& Instructions() const { return *instructions_; }
    QLabel& StepText() const { return *step_; }

public slots:
    // The first button starts the transfer.
    void accept() override;

private:
    void SetRange(int low, int high) override;
    void SetPosition(int position) override;
    void SetButtonsEnabled(bool enabled) override;
    void DiscardTypedKeys() override;
    void ShowStep(const LinkStep& step) override;

    const MessageCatalog& catalog_;
    TransferDialogModel model_;
    QLabel* instructions_;
    QLabel* step_;
    TransferProgressBar* bar_;
    QDialogButtonBox* buttons_;
};

} // namespace qtr::gui
