#pragma once

#include "ProgramFolder.h"
#include "RecordingHelp.h"
#include "ScriptedPrompter.h"
#include "ScriptedTuningRadio.h"
#include "core/base/MessageCatalog.h"
#include "core/testmode/TestModeValues.h"
#include "core/testmode/TuningCommands.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace qtr::test {

// How long a window may take to act on the radio's answer: reached only by a hang.
inline constexpr int kHangBoundMs = 30000;

// A tuning dialog's world: the radio in test mode with known adjustment values, the
// messages it asks, the catalogue in a language.
class TuningDialogTest : public testing::Test {
protected:
    using Bytes = std::vector<std::uint8_t>;

    explicit TuningDialogTest(int language = MessageCatalog::kEnglish)
    {
        catalog.SetFolder(ProgramFolder());
        auto ids = MessageCatalog::ProgramMessages();
        catalog.LoadLanguage(ids, language);
        values.typeByte = 0x1B;
        for (int entry = 0; entry < 62; ++entry)
            values.tuningValues[static_cast<std::size_t>(entry)] = 100 + entry;
        values.tuningValuesAtStart = values.tuningValues;
        values.rxText = "162.12500MHz";
        values.txText = "162.25000MHz";
    }

    int& Value(int entry) { return values.tuningValues[static_cast<std::size_t>(entry)]; }
    void StartHere() { values.tuningValuesAtStart = values.tuningValues; }

    ScriptedTuningRadio radio;
    ScriptedPrompter prompter;
    testmode::TuningCommands commands{radio, prompter};
    MessageCatalog catalog;
    RecordingHelp help;
    testmode::TestModeValues values;
};

} // namespace qtr::test
