#include "core/base/Prompter.h"

#include <gtest/gtest.h>

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Document.h"

namespace qtr {
namespace {

class PrompterTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::vector<int> ids{messages::common::kWarningCaption, messages::document::kOverwriteQuestion};
        ASSERT_EQ(catalog_.LoadText(ids, "^#001001021\nWarning\n^#003003015\nSave changes to\n"), 0);
    }

    MessageCatalog catalog_;
};

TEST_F(PrompterTest, BuildsTheTextOfEachForm)
{
    Prompt prompt;
    prompt.messageId = messages::document::kOverwriteQuestion;
    prompt.detail = "radio.dat";
    EXPECT_EQ(PromptText(prompt, catalog_), "Save changes to");
    prompt.form = PromptForm::MessageThenDetail;
    EXPECT_EQ(PromptText(prompt, catalog_), "Save changes toradio.dat");
    prompt.form = PromptForm::SaveChangesFormat;
    EXPECT_EQ(PromptText(prompt, catalog_), "Save changes to \"radio.dat\" ?");
    prompt.form = PromptForm::DetailOnly;
    EXPECT_EQ(PromptText(prompt, catalog_), "radio.dat");
}

TEST_F(PrompterTest, CaptionComesFromTheCatalogueUnlessOnlyTextIsGiven)
{
    Prompt prompt;
    prompt.captionText = "Fixed";
    EXPECT_EQ(PromptCaption(prompt, catalog_), "Fixed");
    prompt.captionId = messages::common::kWarningCaption;
    EXPECT_EQ(PromptCaption(prompt, catalog_), "Warning");
}

} // namespace
} // namespace qtr
