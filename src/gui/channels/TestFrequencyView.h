#pragma once

#include "core/base/ImageNotifier.h"
#include "core/channels/TestFrequencyTable.h"
#include "gui/widgets/EditingGrid.h"

#include <QWidget>

namespace qtr {
class HelpViewer;
class Prompter;
class Workspace;
} // namespace qtr

namespace qtr::gui {

class FrequencyEdit;

// The test frequencies: sixteen test channels with a receive and a transmit frequency,
// edited in place in a grid and stored by the test step rule. Closing it after a change
// reminds the user that the radio's test mode uses the frequencies written into the radio.
class TestFrequencyView : public QWidget, private EditingGrid::Editing {
    Q_OBJECT
public:
    TestFrequencyView(Workspace& app, HelpViewer& help, QWidget* parent = nullptr);

    // Commits the open edit, if any.
    void FinishEdit();
    // A test frequency was changed since the window opened.
    bool Changed() const { return changed_; }
    // The image and the radio agree after a read or a write: an edit still open is
    // dropped and no change is left to warn of.
    void ForgetChanges();

    EditingGrid& Grid() const { return *grid_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool BeginEdit(GridCell cell) override;
    void ClearEditor() override;
    bool StartsEditing(GridCell cell, char typed) const override;
    GridCell Left(GridCell cell) const override;
    GridCell Right(GridCell cell) const override;

    void BuildGrid(const MessageCatalog& catalog);
    QLayout* BuildButtons(const MessageCatalog& catalog, HelpViewer& help);
    void EditEnded(GridCell cell, EditingGrid::EditEnd how);
    void RefreshRow(int row);
    void RefreshAll();
    void ImageNoticed(const ImageNotice& notice);
    void WarnWhenChanged();

    Prompter& prompter_;
    TestFrequencyTable table_;
    EditingGrid* grid_ = nullptr;
    FrequencyEdit* edit_ = nullptr;
    QString startText_;
    bool changed_ = false;
    ImageNotifier::Subscription imageNotices_;
};

} // namespace qtr::gui
