#pragma once

#include "core/report/PrintSection.h"

#include <QDialog>

#include <map>

class QCheckBox;
class QPrinter;
class QPushButton;

namespace qtr {
class HelpViewer;
class MessageCatalog;
} // namespace qtr

namespace qtr::gui {

// Print Out List: which sections to print. The model's sections start checked; Parlane
// models do not show DTMF and Vantalink. Print Setup sets up the printer the job will use.
class PrintListDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 183;

    PrintListDialog(const MessageCatalog& catalog, HelpViewer& help, bool parlane, QPrinter& printer,
                    QWidget* parent = nullptr);

    report::SectionMask Checked() const;
    QCheckBox* Box(report::PrintSection section) const { return boxes_.at(section); }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* SelectAllButton() const { return selectAll_; }
    QPushButton* AllClearButton() const { return allClear_; }
    QPushButton* PrintSetupButton() const { return printSetup_; }

private:
    void CheckAll(bool checked);
    void UpdateButtons();

    bool parlane_;
    QPrinter& printer_;
    std::map<report::PrintSection, QCheckBox*> boxes_;
    QPushButton* ok_;
    QPushButton* selectAll_;
    QPushButton* allClear_;
    QPushButton* printSetup_;
};

} // namespace qtr::gui
