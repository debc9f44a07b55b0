#include "core/link/IdentityCheck.h"

#include "core/base/messages/Link.h"
#include "core/link/RadioSession.h"
#include "core/model/ModelRecordText.h"

#include <algorithm>
#include <array>

namespace qtr {

namespace {

constexpr std::array<const char*, 11> kKnownCodes{"P7100", "P8100", "P71L0", "P81L0", "P81L1", "BRS02",
                                                  "BRS08", "BRS16", "BRL02", "BRL08", "BRL16"};

std::string CodeOf(const RadioIdentity& identity)
{
    return std::string(identity.begin(), identity.begin() + identity::kCodeLength);
}

void SetCode(RadioIdentity& identity, const std::string& code)
{
    std::copy(code.begin(), code.end(), identity.begin());
}

} // namespace

bool IdentityCheck::IsKnownCode(const std::string& code)
{
    return std::find(kKnownCodes.begin(), kKnownCodes.end(), code) != kKnownCodes.end();
}

void IdentityCheck::RewriteForReading(RadioIdentity& identity)
{
    const std::string code = CodeOf(identity);
    auto& type = identity[identity::kRecordType];
    auto& option = identity[identity::kRecordOption];
    if (code == "BRS02" || code == "BRS08") {
        SetCode(identity, "P7100");
        option = 0xFA;
        type &= 0x1F;
    } else if (code == "BRS16") {
        SetCode(identity, "P8100");
        type &= 0x8F;
        option = 0xFD;
    }
}

IdentityCheck::Verdict IdentityCheck::Check(RadioIdentity& identity)
{
    if (!IsKnownCode(CodeOf(identity)))
        return AskAboutModel();
    const LinkState& state = session_.Link().State();
    if (state.reading)
        RewriteForReading(identity);
    if (state.writing)
        return CheckAgainstImage(identity);
    return Verdict::Accepted;
}

IdentityCheck::Verdict IdentityCheck::CheckAgainstImage(const RadioIdentity& identity)
{
    if (!VariantMatches(CodeOf(identity), image_))
        return AskAboutModel(ModelsDetail(identity));
    const std::uint8_t radioType = identity[identity::kRecordType];
    const auto imageType = static_cast<std::uint8_t>(ImageReader(image_).Get(identity::kTypeByte));
    if ((radioType & 0x0F) != (imageType & 0x0F))
        return RefuseWithWarning(messages::link::kChannelCountDiffers, ModelsDetail(identity));
    if ((radioType & 0xF0) != (imageType & 0xF0) && !AcceptOtherBand(ModelsDetail(identity))) {
        session_.Abandon();
        return Verdict::Refused;
    }
    return Verdict::Accepted;
}

// The letter 'L' marks the L variants: third character of a business-line code, fourth
// of a model code.
bool IdentityCheck::VariantMatches(const std::string& code, const ImageBytes& image)
{
    const std::size_t position = code.front() == 'B' ? 2 : 3;
    const bool radioIsL = code[position] == 'L';
    const bool imageIsL = ImageReader(image).Get(identity::kOptionBits) == kLVariantOptionBits;
    return radioIsL == imageIsL;
}

IdentityCheck::Verdict IdentityCheck::AskAboutModel(const std::string& detail)
{
    if (session_.Ask(RadioSession::kErrorCaptionId, messages::link::kUnsupportedRadio, Buttons::RetryCancel,
                     Icon::Error, Answer::Retry, detail) == Answer::Retry)
        return Verdict::IdentifyAgain;
    session_.Abandon();
    return Verdict::Refused;
}

IdentityCheck::Verdict IdentityCheck::RefuseWithWarning(int messageId, const std::string& detail)
{
    session_.Ask(RadioSession::kWarningCaptionId, messageId, Buttons::Ok, Icon::Warning, Answer::Ok, detail);
    session_.Abandon();
    return Verdict::Refused;
}

bool IdentityCheck::AcceptOtherBand(const std::string& detail)
{
    return session_.Ask(RadioSession::kWarningCaptionId, messages::link::kBandDiffers, Buttons::OkCancel, Icon::Warning,
                        Answer::Cancel, detail) == Answer::Ok;
}

std::string IdentityCheck::ModelsDetail(const RadioIdentity& identity) const
{
    return session_.ModelsDetail(identity, ModelRecordOf(image_));
}

} // namespace qtr
