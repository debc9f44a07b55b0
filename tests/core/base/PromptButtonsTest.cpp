#include "core/base/PromptButtons.h"
#include "core/base/messages/Common.h"
#include "core/document/DataFileFilter.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

TEST(PromptButtonsTest, ButtonsInOrderWithTheirTexts)
{
    EXPECT_EQ(AnswersOf(Buttons::Ok), std::vector<Answer>{Answer::Ok});
    EXPECT_EQ(AnswersOf(Buttons::YesNoCancel), (std::vector<Answer>{Answer::Yes, Answer::No, Answer::Cancel}));
    EXPECT_EQ(AnswersOf(Buttons::RetryCancel), (std::vector<Answer>{Answer::Retry, Answer::Cancel}));
    EXPECT_EQ(AnswerTextId(Answer::Ok), messages::common::kOk);
    EXPECT_EQ(AnswerTextId(Answer::Cancel), messages::common::kCancel);
    EXPECT_EQ(AnswerTextId(Answer::Retry), messages::common::kRetry);
    EXPECT_EQ(AnswerTextId(Answer::Yes), messages::common::kYesButton);
    EXPECT_EQ(AnswerTextId(Answer::No), messages::common::kNoButton);
}

TEST(DataFileFilterTest, ThePatternIsAddedOnlyWhenMissing)
{
    EXPECT_EQ(DataFileFilter("Data Files (*.dat)"), "Data Files (*.dat)");
    EXPECT_EQ(DataFileFilter("Archivos de datos"), "Archivos de datos (*.dat)");
    EXPECT_EQ(DataFileFilter(""), "(*.dat)");
}

} // namespace
} // namespace qtr
