# The headers most sources include, compiled once per kind of target instead of once per
# source: the standard library for the core, Qt Widgets for the windows, GoogleTest for the
# tests. A target of a kind makes the precompiled header; the others of the kind reuse it.
# Libraries and executables that link Qt are position-independent, and a precompiled header
# serves only code compiled as it was, so those make kinds of their own.
set(QTR_STANDARD_HEADERS <algorithm> <array> <cstdint> <filesystem> <functional> <map> <memory> <optional>
    <string> <vector>)
set(QTR_QT_HEADERS ${QTR_STANDARD_HEADERS} <QApplication> <QComboBox> <QDialog> <QDialogButtonBox> <QFile>
    <QGridLayout> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QObject> <QPainter> <QPointer> <QPushButton>
    <QShortcut> <QTimer> <QVBoxLayout> <QWidget>)
set(QTR_TEST_HEADERS ${QTR_STANDARD_HEADERS} <gtest/gtest.h> <gmock/gmock.h>)

set(QTR_CORE_PCH ${QTR_STANDARD_HEADERS})              # the core and the simulator
set(QTR_CLI_PCH ${QTR_STANDARD_HEADERS})               # the command-line tool, which links Qt GUI
set(QTR_GUI_PCH ${QTR_QT_HEADERS})                     # the windows' library
set(QTR_GUI_PROGRAM_PCH ${QTR_QT_HEADERS})             # the benchmarks of the windows
set(QTR_TEST_PCH ${QTR_TEST_HEADERS})                  # tests of the core, simulator and tool
# The tests of the windows; <QTest> stays out, as it reads which Qt modules a test links, and
# they differ (the call-tone player's tests link Qt Multimedia and Network).
set(QTR_WIDGET_TEST_PCH ${QTR_QT_HEADERS} ${QTR_TEST_HEADERS})

# Gives `target` the precompiled header of `kind`, made by the first target of the kind.
function(qtr_precompile_headers target kind)
    get_property(maker GLOBAL PROPERTY QTR_PCH_MAKER_${kind})
    if(maker)
        target_precompile_headers(${target} REUSE_FROM ${maker})
    else()
        target_precompile_headers(${target} PRIVATE ${QTR_${kind}_PCH})
        set_property(GLOBAL PROPERTY QTR_PCH_MAKER_${kind} ${target})
    endif()
endfunction()
