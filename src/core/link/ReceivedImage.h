#pragma once

#include "core/link/RadioLink.h"

namespace qtr {

class FrequencyCodec;
class RadioState;

// Makes the radio's memory, collected in the snapshot array by a read, the image: the
// identity goes in, a 15-channel radio's sixteenth record is erased, every record found
// is marked programmed, the model is adopted and the step codes follow the frequencies.
void StoreReceivedImage(RadioState& state, FrequencyCodec& codec, const RadioIdentity& identity);

} // namespace qtr
