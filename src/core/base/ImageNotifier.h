#pragma once

#include <functional>
#include <map>
#include <memory>

namespace qtr {

// Why the image changed or was replaced.
enum class ImageReason {
    New,
    Open,
    ReadFromRadio,
    ModelChange,
    LanguageChange,
    Edited,
    ScanChannelsMoved,
    Saved,
    WrittenToRadio,
    ChannelSettingsChanged, // channel records, or radio-wide values the channel windows show
    ScanLayoutChanged,      // S-Selector changed: the scan settings take another shape
    Restored,               // undo or redo set the image back or forward: every editor shows it again
};

struct ImageNotice {
    enum class Kind {
        Replacing, // the editors are about to close: the image they show is going
        Replaced,  // a new image is in place
        Changed,   // the same image, changed, saved or written to the radio
    };
    Kind kind;
    ImageReason reason;
    // The message naming the command that made an edit, for the edit history; 0 for a value
    // committed in an editor, which is named after the setting it changed.
    int commandNameId = 0;

    bool operator==(const ImageNotice&) const = default;
};

// The one way windows hear of the image: they subscribe and keep the subscription as
// long as they listen. A copy of the state it belongs to starts with no listeners.
class ImageNotifier {
public:
    using Listener = std::function<void(const ImageNotice&)>;

    // Stops the listening when it goes; outliving the notifier does no harm.
    class Subscription {
    public:
        Subscription() = default;
        Subscription(Subscription&&) = default;
        Subscription& operator=(Subscription&& other);
        ~Subscription();

    private:
        friend class ImageNotifier;
        Subscription(std::weak_ptr<std::map<int, Listener>> listeners, int id) : listeners_(std::move(listeners)), id_(id) {}
        void Cancel();

        std::weak_ptr<std::map<int, Listener>> listeners_;
        int id_ = 0;
    };

    ImageNotifier() = default;
    ImageNotifier(const ImageNotifier&) : ImageNotifier() {}
    ImageNotifier& operator=(const ImageNotifier&) { return *this; }

    // Holds back the edit notices of the commits made while it lives; when it goes, they
    // are heard as one edit named after the command.
    class CommandEdits {
    public:
        CommandEdits(const CommandEdits&) = delete;
        CommandEdits& operator=(const CommandEdits&) = delete;
        ~CommandEdits();

    private:
        friend class ImageNotifier;
        CommandEdits(ImageNotifier& notifier, int commandNameId);

        ImageNotifier& notifier_;
        int commandNameId_;
    };

    [[nodiscard]] Subscription Subscribe(Listener listener);
    // Every listener subscribed now hears it, unless an earlier one unsubscribed it.
    void Notify(const ImageNotice& notice) const;
    // A commit is over: the windows show the image again and the edit history keeps the
    // change as one step, named after the command `commandNameId` or else after the setting.
    // Held back while a command's edits are grouped.
    void Edited(int commandNameId = 0) const;
    [[nodiscard]] CommandEdits GroupEdits(int commandNameId) { return CommandEdits(*this, commandNameId); }

private:
    std::shared_ptr<std::map<int, Listener>> listeners_ = std::make_shared<std::map<int, Listener>>();
    int nextId_ = 1;
    int openGroups_ = 0;
};

} // namespace qtr
