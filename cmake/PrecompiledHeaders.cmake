# The headers most sources include, compiled once per kind of target instead of once per
# source: the standard library for the core, Qt Widgets for the windows, GoogleTest for the
# tests. A target of a kind makes the precompiled header; the others of the kind reuse it.
set(QTR_STANDARD_HEADERS <algorithm> <array> <cstdint> <filesystem> <functional> <map> <memory> <optional>
    <string> <vector>)
set(QTR_QT_HEADERS ${QTR_STANDARD_HEADERS} <QApplication> <QComboBox> <QDialog> <QDialogButtonBox> <QFile>
    <QGridLayout> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QObject> <QPainter> <QPointer> <QPushButton>
    <QShortcut> <QTimer> <QVBoxLayout> <QWidget>)
set(QTR_TEST_HEADERS ${QTR_STANDARD_HEADERS} <gtest/gtest.h> <gmock/gmock.h>)
set(QTR_WIDGET_TEST_HEADERS ${QTR_QT_HEADERS} <QTest> ${QTR_TEST_HEADERS})

# Gives `target` the precompiled header of `kind` (STANDARD, QT, TEST or WIDGET_TEST), made
# by the first target of the kind.
function(qtr_precompile_headers target kind)
    get_property(maker GLOBAL PROPERTY QTR_PCH_MAKER_${kind})
    if(maker)
        target_precompile_headers(${target} REUSE_FROM ${maker})
    else()
        target_precompile_headers(${target} PRIVATE ${QTR_${kind}_HEADERS})
        set_property(GLOBAL PROPERTY QTR_PCH_MAKER_${kind} ${target})
    endif()
endfunction()
