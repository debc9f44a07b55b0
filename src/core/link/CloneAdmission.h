#pragma once

#include "core/link/RadioLink.h"
#include "core/model/ImageView.h"

namespace qtr {

// Why a radio of a fleet may not take the image without a word: anything a plain write
// would refuse or ask about, and a model code other than the image's.
enum class CloneRefusal { None, UnknownModel, OtherModel, OtherLine, OtherChannelClass, OtherBand };

CloneRefusal CheckCloneTarget(const RadioIdentity& radio, const ImageBytes& image);

} // namespace qtr
