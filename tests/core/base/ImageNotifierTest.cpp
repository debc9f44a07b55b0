#include "core/base/ImageNotifier.h"

#include "core/model/RadioState.h"

#include <gtest/gtest.h>

#include <optional>

namespace qtr {
namespace {

constexpr ImageNotice kEdited{ImageNotice::Kind::Changed, ImageReason::Edited};

TEST(ImageNotifierTest, ASubscriptionListensUntilItGoes)
{
    ImageNotifier notifier;
    int heard = 0;
    {
        const auto listening = notifier.Subscribe([&](const ImageNotice&) { ++heard; });
        notifier.Notify(kEdited);
    }
    notifier.Notify(kEdited);
    EXPECT_EQ(heard, 1);
}

// A window that closes on a notice stops listening at once; the others still hear it.
TEST(ImageNotifierTest, AListenerMayEndItsOwnOrAnotherSubscriptionWhileHearing)
{
    ImageNotifier notifier;
    std::optional<ImageNotifier::Subscription> first;
    std::optional<ImageNotifier::Subscription> second;
    int secondHeard = 0;
    first = notifier.Subscribe([&](const ImageNotice&) { first.reset(); });
    second = notifier.Subscribe([&](const ImageNotice&) { ++secondHeard; });
    notifier.Notify(kEdited);
    notifier.Notify(kEdited);
    EXPECT_EQ(secondHeard, 2);

    second = notifier.Subscribe([&](const ImageNotice&) { second.reset(); });
    notifier.Notify(kEdited);
    EXPECT_FALSE(second.has_value());
}

TEST(ImageNotifierTest, ACopiedStateHasNoListenersAndASubscriptionMayOutliveItsNotifier)
{
    int heard = 0;
    ImageNotifier::Subscription outliving;
    {
        RadioState state;
        outliving = state.notices.Subscribe([&](const ImageNotice&) { ++heard; });
        RadioState copy = state;
        copy.notices.Notify(kEdited);
        state = copy; // the assigned state keeps its own listeners
        state.notices.Notify(kEdited);
    }
    EXPECT_EQ(heard, 1);
}

} // namespace
} // namespace qtr
