#pragma once

#include "core/link/RadioLink.h"
#include "core/model/ImageView.h"

#include <ctime>
#include <optional>
#include <string>

namespace qtr {

// Data files that keep what a radio held: "<model code>-<serial or unknown>-<YYYYmmdd-HHMMSS>.dat"
// in a folder of their own, with "-2", "-3", ... added rather than ever replacing a file.
namespace backup {

// The serial number as the name shows it: letters, digits and '-' kept, every other run of
// characters one '_'; "unknown" when there is none.
std::string SerialPart(const std::optional<RadioSerial>& serial);
// The name without a count: the model code of the image (image bytes 440-444).
std::string BaseName(const ImageBytes& image, const std::optional<RadioSerial>& serial, const std::tm& time);

struct Kept {
    std::string path;                   // the file written, or the first name tried
    std::optional<std::string> failure; // the system's reason when nothing was kept
};

// Makes the folder when it is missing and writes the data file completely under the first
// free name; an existing file is never replaced.
Kept Keep(const std::string& folder, const ImageBytes& image, const std::optional<RadioSerial>& serial,
          const std::tm& time);

} // namespace backup
} // namespace qtr
