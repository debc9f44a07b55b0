#pragma once

#include <optional>
#include <string>

namespace qtr {

// The locale of a language, for the window toolkit's own texts (file dialogs, the edit
// fields' menus, print dialogs): "es" for Spanish, "zh_CN" for Chinese. English, the
// language those texts are written in, needs no translation.
std::optional<std::string> TranslationLocale(int language);

} // namespace qtr
