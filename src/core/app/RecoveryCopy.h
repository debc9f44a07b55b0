#pragma once

#include "core/model/ImageView.h"

#include <ctime>
#include <optional>
#include <string>

namespace qtr {

class Workspace;

// The copy of a document with unsaved changes kept against a crash, in the program's own
// data folder. Looked at every few seconds, it is written when the image has changed since
// the last look, and removed once the changes are saved or gone and at a normal exit; one
// found at start-up means the program did not end normally, and is offered back.
class RecoveryCopy {
public:
    static constexpr int kWriteDelayMs = 3000;

    RecoveryCopy(Workspace& app, std::string folder) : app_(app), folder_(std::move(folder)) {}

    std::string Path() const;
    // Written (atomically) while the document has unsaved changes the copy does not hold yet,
    // removed once there are none.
    void Update();
    void Remove();
    // At a normal exit: removed unless it still holds work restored from it that was
    // neither saved nor let go.
    void RemoveAtExit();
    // At start-up: a copy left behind is offered; Yes makes it the document, modified and
    // untitled, No removes it. A damaged copy is set aside under another name and the user
    // told. True when the document was restored.
    bool OfferAtStart(const std::tm& now);

private:
    void SetAside(const std::tm& now);
    void Restore(const std::string& path);

    Workspace& app_;
    std::string folder_;
    std::optional<ImageBytes> written_; // what the copy holds
};

} // namespace qtr
