#pragma once

#include "core/link/RadioLink.h"
#include "core/model/ImageView.h"

#include <string>

namespace qtr {

class RadioSession;

// The radio's identity against the known model codes and, when writing, against the
// image about to be sent.
class IdentityCheck {
public:
    enum class Verdict { Accepted = 0, IdentifyAgain = 1, Refused = 2 };

    IdentityCheck(RadioSession& session, const ImageBytes& image) : session_(session), image_(image) {}

    // When reading, the identity is rewritten in place as the image stores it. A refusal
    // has ended programming mode and closed the port.
    Verdict Check(RadioIdentity& identity);

    static bool IsKnownCode(const std::string& code);
    // The business-line codes that stand for standard models become their model codes.
    static void RewriteForReading(RadioIdentity& identity);
    // The radio's code names an "L" variant exactly when the image is one.
    static bool VariantMatches(const std::string& code, const ImageBytes& image);

private:
    Verdict CheckAgainstImage(const RadioIdentity& identity);
    // The detail names the radio's model and the image's, where there is an image to write.
    Verdict AskAboutModel(const std::string& detail = {});
    Verdict RefuseWithWarning(int messageId, const std::string& detail);
    bool AcceptOtherBand(const std::string& detail);
    std::string ModelsDetail(const RadioIdentity& identity) const;

    RadioSession& session_;
    const ImageBytes& image_;
};

} // namespace qtr
