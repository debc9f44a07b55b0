#pragma once

#include <ctime>
#include <string>

namespace qtr {

class Workspace;

// The copy of a document with unsaved changes kept against a crash, in the program's own
// data folder. It is brought up to date a few seconds after a change (never more often),
// and removed once the changes are saved or gone and at a normal exit; one found at
// start-up means the program did not end normally, and is offered back.
class RecoveryCopy {
public:
    static constexpr int kWriteDelayMs = 3000;
    static constexpr int kOfferId = 3900755;
    static constexpr int kDamagedId = 3900756;

    RecoveryCopy(Workspace& app, std::string folder) : app_(app), folder_(std::move(folder)) {}

    std::string Path() const;
    // Written (atomically) while the document has unsaved changes, removed otherwise.
    void Update();
    void Remove();
    // At start-up: a copy left behind is offered; Yes makes it the document, modified and
    // untitled, No removes it. A damaged copy is set aside under another name and the user
    // told. True when the document was restored.
    bool OfferAtStart(const std::tm& now);

private:
    void SetAside(const std::tm& now);
    void Restore(const std::string& path);

    Workspace& app_;
    std::string folder_;
};

} // namespace qtr
