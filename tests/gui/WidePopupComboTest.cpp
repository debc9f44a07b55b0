#include "GuiHarness.h"

#include "core/base/messages/App.h"
#include "gui/widgets/ValueCombo.h"

#include <QAbstractItemView>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

#include <gtest/gtest.h>

namespace qtr {
namespace {

// The widest entry fits in the pop-up's viewport, beside its scroll bar and inside its
// frame, also in the Windows style, which does not widen a pop-up itself.
TEST(WidePopupComboTest, APopupIsWideEnoughForItsWidestEntryInANarrowField)
{
    test::GuiHarness harness;
    harness.Start();
    const std::unique_ptr<QStyle> windowsStyle(QStyleFactory::create("Windows"));
    for (QStyle* style : {QApplication::style(), windowsStyle.get()}) {
        QWidget window;
        auto* list = new gui::ValueCombo(&window);
        list->setStyle(style);
        list->Fill({{messages::app::kEnglish, 1}, {messages::app::kSpanish, 2}}, harness.App().catalog);
        list->setFixedWidth(40);
        window.show();

        list->showPopup();
        const QAbstractItemView* view = list->view();
        const int widest = view->fontMetrics().horizontalAdvance(list->itemText(1));
        EXPECT_EQ(list->itemText(1), "Spanish (Español)");
        EXPECT_GE(view->width(), widest) << style->name().toStdString();
        EXPECT_GE(view->viewport()->width(), widest) << style->name().toStdString();
        list->hidePopup();
    }
}

} // namespace
} // namespace qtr
