#include "core/base/PromptButtons.h"
#include "core/document/DataFileFilter.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

TEST(PromptButtonsTest, ButtonsInOrderWithTheirTexts)
{
    EXPECT_EQ(AnswersOf(Buttons::Ok), std::vector<Answer>{Answer::Ok});
    EXPECT_EQ(AnswersOf(Buttons::YesNoCancel), (std::vector<Answer>{Answer::Yes, Answer::No, Answer::Cancel}));
    EXPECT_EQ(AnswersOf(Buttons::RetryCancel), (std::vector<Answer>{Answer::Retry, Answer::Cancel}));
    EXPECT_EQ(AnswerTextId(Answer::Ok), 1001001);
    EXPECT_EQ(AnswerTextId(Answer::Cancel), 1001003);
    EXPECT_EQ(AnswerTextId(Answer::Retry), 1001005);
    EXPECT_EQ(AnswerTextId(Answer::Yes), 3900200);
    EXPECT_EQ(AnswerTextId(Answer::No), 3900201);
}

TEST(DataFileFilterTest, ThePatternIsAddedOnlyWhenMissing)
{
    EXPECT_EQ(DataFileFilter("Data Files (*.dat)"), "Data Files (*.dat)");
    EXPECT_EQ(DataFileFilter("Archivos de datos"), "Archivos de datos (*.dat)");
    EXPECT_EQ(DataFileFilter(""), "(*.dat)");
}

} // namespace
} // namespace qtr
