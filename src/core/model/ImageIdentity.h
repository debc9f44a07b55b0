#pragma once

#include "core/model/ImageView.h"

namespace qtr {

// What is wrong with the model identity of an image (bytes 440 to 447), judged by the
// identities the program itself makes: one of the eight models with one of its channel
// classes, or a radio code that a read stores as reported.
enum class IdentityFault {
    None,
    UnknownModelCode,
    UnknownLine,
    UnknownChannelClass,
    ChannelClassNotOfModel,
};

IdentityFault FindIdentityFault(const ImageBytes& image);
// The message that says what is wrong, for a fault other than None.
int IdentityFaultMessage(IdentityFault fault);

} // namespace qtr
