#pragma once

#include "core/base/FilePicker.h"

namespace qtr::test {

// A file dialog that the user always cancels.
class NoFilePicker : public FilePicker {
public:
    std::optional<std::string> ChooseOpenPath(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChooseSavePath(const std::string&, const std::string&) override { return std::nullopt; }
};

} // namespace qtr::test
