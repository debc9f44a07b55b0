#pragma once

#include "core/model/ImageView.h"
#include "core/model/ModelTable.h"

#include <string>

namespace qtr {

// "RB-8100L LMR (UHF), 16 Channels", for the messages that set a radio's model against the
// data's; the bare code for a model the program does not know.
std::string ModelRecordText(const ModelRecord& record);
// The image's identity bytes as a model record.
ModelRecord ModelRecordOf(const ImageBytes& image);

} // namespace qtr
