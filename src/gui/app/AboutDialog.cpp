#include "gui/app/AboutDialog.h"

#include "core/app/AboutTexts.h"
#include "gui/widgets/CatalogText.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kIconSize = 48;

QLabel* Line(const std::string& text, QWidget* parent)
{
    return new QLabel(FromUtf8(text), parent);
}

} // namespace

AboutDialog::AboutDialog(const MessageCatalog& catalog, QWidget* parent) : QDialog(parent)
{
    const AboutTexts texts = MakeAboutTexts(catalog);
    setWindowTitle(FromUtf8(texts.title));
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* lines = new QVBoxLayout;
    QLabel* name = Line(texts.programName, this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    lines->addWidget(name);
    for (const std::string* text : {&texts.description, &texts.version, &texts.release})
        lines->addWidget(Line(*text, this));
    lines->addSpacing(8);
    for (const std::string& text : texts.closingLines)
        lines->addWidget(Line(text, this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(FromUtf8(texts.ok));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(lines);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace qtr::gui
