#include "core/link/RadioInformationQuery.h"

#include "core/link/IdentityCheck.h"
#include "core/link/RadioSession.h"
#include "core/link/Retry.h"

namespace qtr {

std::optional<RadioInformation> RadioInformationQuery::Run()
{
    RadioLink& link = session_.Link();
    link.State().reading = false;
    link.State().writing = false;
    if (!session_.OpenRadioPort())
        return std::nullopt;
    RadioIdentity identity{};
    RadioSerial serial{};
    RadioVersion version{};
    // A garbled reply fails as a missing one does.
    const auto readSerial = [&] { return link.ReadSerial(serial) == LinkResult::Done && RadioInformation::SerialIsText(serial); };
    const auto readVersion = [&] { return link.ReadInfo(version) == LinkResult::Done && RadioInformation::VersionIsText(version); };
    if (!Identify(identity) || !Exchange(LinkStep::Phase::ReadingSerial, readSerial) ||
        !Exchange(LinkStep::Phase::ReadingVersion, readVersion))
        return std::nullopt;
    session_.FinishTransfer();
    return RadioInformation(identity, serial, version);
}

bool RadioInformationQuery::Identify(RadioIdentity& identity)
{
    // The image plays no part: only the model-code list is checked.
    const ImageBytes noImage{};
    IdentityCheck check(session_, noImage);
    for (;;) {
        if (!session_.Connect())
            return false;
        for (;;) {
            session_.BeginStep({LinkStep::Phase::Identifying});
            if (session_.Link().Identify(identity) != LinkResult::Done) {
                if (!session_.RetryOrFinish())
                    return false;
                break;
            }
            const IdentityCheck::Verdict verdict = check.Check(identity);
            if (verdict != IdentityCheck::Verdict::IdentifyAgain)
                return verdict == IdentityCheck::Verdict::Accepted;
        }
    }
}

bool RadioInformationQuery::Exchange(LinkStep::Phase phase, const std::function<bool()>& exchange)
{
    session_.BeginStep({phase});
    return RetryUntilDone(exchange, [this] { return session_.RetryOrFinish(); });
}

} // namespace qtr
