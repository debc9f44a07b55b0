#include "gui/program/QtPrompter.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/MessageCatalog.h"
#include "core/base/PromptButtons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

#include <map>

namespace qtr::gui {

namespace {

QMessageBox::Icon BoxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton StandardButtonOf(Answer answer)
{
    switch (answer) {
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Retry:
        return QMessageBox::Retry;
    case Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// Lines a box shows as plain text. A longer text (a list of problems) keeps its first line
// there and shows the rest in a scrollable field, opened, so that the buttons stay on the
// screen however long the list is.
constexpr qsizetype kMostLinesInTheBox = 12;
constexpr int kListFieldLines = 16;
constexpr int kListFieldColumns = 72;

void ShowTheRestScrolled(QMessageBox& box, const QString& text)
{
    QStringList lines = text.split('\n');
    if (lines.size() <= kMostLinesInTheBox)
        return;
    box.setText(lines.takeFirst());
    box.setDetailedText(lines.join('\n'));
    for (QAbstractButton* button : box.findChild<QDialogButtonBox*>()->buttons()) {
        if (box.buttonRole(button) == QMessageBox::ActionRole)
            button->click(); // the box's own "Show Details" button
    }
    if (auto* field = box.findChild<QTextEdit*>()) {
        field->setFixedHeight(field->fontMetrics().lineSpacing() * kListFieldLines);
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * kListFieldColumns);
    }
}

} // namespace

QtPrompter::QtPrompter() : catalog_(&EmptyCatalog()) {}

Answer QtPrompter::Ask(const Prompt& prompt)
{
    QMessageBox box(BoxIcon(prompt.icon), FromUtf8(PromptCaption(prompt, *catalog_)),
                    FromUtf8(PromptText(prompt, *catalog_)), QMessageBox::NoButton, QApplication::activeWindow());
    ShowTheRestScrolled(box, box.text());
    std::map<QAbstractButton*, Answer> answers;
    for (const Answer answer : AnswersOf(prompt.buttons)) {
        QPushButton* button = box.addButton(StandardButtonOf(answer));
        const int textId = answer == Answer::No && prompt.noTextId != 0 ? prompt.noTextId : AnswerTextId(answer);
        if (catalog_->Has(textId))
            button->setText(CatalogText(*catalog_, textId));
        answers[button] = answer;
        if (answer == prompt.defaultAnswer)
            box.setDefaultButton(button);
    }
    // The shown list adds a button of the box's own, so a lone answer is named the escape.
    if (answers.size() == 1)
        box.setEscapeButton(answers.begin()->first);
    box.exec();
    const auto chosen = answers.find(box.clickedButton());
    // Escape counts as the box's escape button; a box without one cannot be closed otherwise.
    return chosen != answers.end() ? chosen->second : Answer::Cancel;
}

} // namespace qtr::gui
