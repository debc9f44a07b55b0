#pragma once

#include "core/base/ImageNotifier.h"
#include "core/features/SettingsForm.h"

#include <QWidget>

#include <functional>
#include <vector>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QTabWidget;
class QVBoxLayout;

namespace qtr {
struct EditorInfo;
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

class EditorButtonRow;
class FocusLeaveWatcher;
class KeyboardFilter;

// A settings form as the user sees it: one control per row of the form's description,
// in a grid, with the rows after a group box inside that box (group boxes stand in a
// column of their own), and a Close and Help button row. It stores what the user commits
// (leaving an edit, a spin step, a list choice or, for lists that say so, leaving the
// list, a click on a check box), shows again the rows the commit names, re-applies every
// enable rule and the model layout; the form tells the other windows. Enter moves on as
// Tab does (buttons are pressed); F1 opens the help of the control that has the focus. A
// form with pages shows them as tabs; Ctrl+Tab and Ctrl+Shift+Tab step through them. Tab
// and Enter store a field themselves. A refused commit shows its message, puts the stored
// value back and keeps the focus in the field.
class SettingsFormWidget : public QWidget {
    Q_OBJECT
public:
    // The window's title and help topic are the editor's.
    SettingsFormWidget(form::SettingsForm& form, const EditorInfo& editor, Workspace& app, HelpViewer& help,
                       QWidget* parent = nullptr);
    ~SettingsFormWidget() override;

    form::SettingsForm& Form() const { return form_; }
    QWidget* Control(int row) const { return rows_.at(static_cast<std::size_t>(row)).control; }
    QLabel* Label(int row) const { return rows_.at(static_cast<std::size_t>(row)).label; }
    EditorButtonRow& Buttons() const { return *buttons_; }
    // The form's columns, for a window that adds a picture beside them.
    QHBoxLayout& Columns() const { return *columns_; }
    // The tabs of a form with pages, else none.
    QTabWidget* Tabs() const { return tabs_; }
    // A further widget below the rows of a page (a page of its own for a grid).
    void AddToPage(int page, QWidget& widget);

    // A further widget right of a row's control, shown and hidden with the row; F1 on it
    // opens `helpTopic`.
    void AddBeside(int row, QWidget& widget, int helpTopic);
    // Every row again from the image: entries, values, enable states and the layout.
    void ShowAll();

signals:
    // A row was committed and shown again.
    void Committed(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QLabel* label = nullptr;
        QWidget* control = nullptr;
        QGridLayout* grid = nullptr;
        std::vector<QWidget*> extras;
    };

    struct PageLayout {
        QHBoxLayout* columns = nullptr;
        QGridLayout* grid = nullptr; // where the next plain row goes
        QVBoxLayout* groups = nullptr;
    };

    void BuildRows();
    void BuildTabs(const std::vector<PageLayout>& pages);
    bool TypeKeyText(int row, const QKeyEvent& key);
    void Refused(int row, int messageId);
    QWidget* MakeControl(int row);
    QString LabelText(int row) const;
    void PlaceRow(int row, QGridLayout& grid);
    void ShowRow(int row);
    void ShowText(int row, const form::FieldText& text);
    void ApplyStates();
    QLineEdit* EditOf(int row) const;
    int RowOf(const QObject* control) const;

    // Makes the commit and shows what it did.
    form::CommitResult Apply(int row, const std::function<form::CommitResult()>& commit);
    void Stepped(int row, int direction);
    void Chosen(int row, int position);
    void Left(QWidget* control);
    void CommitFocusedRow();
    bool KeyPressed(QObject* watched, const QKeyEvent& key);
    bool MoveOn(int row, const QKeyEvent& key);
    bool CommitBeforeMovingOn(int row);
    void MarkHelp(int row);
    void ImageNoticed(const ImageNotice& notice);

    form::SettingsForm& form_;
    const int editorTopic_;
    Workspace& app_;
    FocusLeaveWatcher* focusWatcher_;
    KeyboardFilter& keys_;
    std::vector<Row> rows_;
    QHBoxLayout* columns_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::vector<QVBoxLayout*> pageLayouts_;
    EditorButtonRow* buttons_ = nullptr;
    // Set while a commit is shown: focus that moves as rows hide commits nothing, and
    // the form's own notices are not news to it.
    bool applying_ = false;
    ImageNotifier::Subscription imageNotices_;
};

} // namespace qtr::gui
