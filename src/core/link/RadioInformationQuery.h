#pragma once

#include "core/link/LinkStep.h"
#include "core/link/RadioInformation.h"

#include <functional>
#include <optional>

namespace qtr {

class RadioSession;

// Radio Information: handshake, identity, serial number and version, with Retry and
// Cancel after each failed exchange. Nothing is shown unless all three replies came.
class RadioInformationQuery {
public:
    explicit RadioInformationQuery(RadioSession& session) : session_(session) {}

    std::optional<RadioInformation> Run();

private:
    // Handshake and identity; a failed identity starts again with the handshake.
    bool Identify(RadioIdentity& identity);
    // The exchange, a step of its own, until it succeeds or the user cancels.
    bool Exchange(LinkStep::Phase phase, const std::function<bool()>& exchange);

    RadioSession& session_;
};

} // namespace qtr
