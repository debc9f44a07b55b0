#include "core/base/ImageNotifier.h"

#include <vector>

namespace qtr {

ImageNotifier::Subscription& ImageNotifier::Subscription::operator=(Subscription&& other)
{
    if (this != &other) {
        Cancel();
        listeners_ = std::move(other.listeners_);
        id_ = other.id_;
    }
    return *this;
}

ImageNotifier::Subscription::~Subscription()
{
    Cancel();
}

void ImageNotifier::Subscription::Cancel()
{
    if (const auto listeners = listeners_.lock())
        listeners->erase(id_);
    listeners_.reset();
}

ImageNotifier::CommandEdits::CommandEdits(ImageNotifier& notifier, int commandNameId)
    : notifier_(notifier), commandNameId_(commandNameId)
{
    ++notifier_.openGroups_;
}

ImageNotifier::CommandEdits::~CommandEdits()
{
    --notifier_.openGroups_;
    notifier_.Edited(commandNameId_);
}

ImageNotifier::Subscription ImageNotifier::Subscribe(Listener listener)
{
    const int id = nextId_++;
    (*listeners_)[id] = std::move(listener);
    return Subscription(listeners_, id);
}

void ImageNotifier::Notify(const ImageNotice& notice) const
{
    std::vector<int> ids;
    for (const auto& entry : *listeners_)
        ids.push_back(entry.first);
    for (const int id : ids) {
        const auto listener = listeners_->find(id);
        if (listener == listeners_->end())
            continue;
        const Listener call = listener->second; // the listener may unsubscribe itself
        call(notice);
    }
}

void ImageNotifier::Edited(int commandNameId) const
{
    if (openGroups_ == 0)
        Notify({ImageNotice::Kind::Changed, ImageReason::Edited, commandNameId});
}

} // namespace qtr
