#pragma once

#include <QIcon>

namespace qtr::gui {

// The tree view's two 15 x 15 pictures: the radio at the root, a form for each editor.
constexpr int kTreeIconSize = 15;
QIcon TreeModelIcon();
QIcon TreeEditorIcon();

} // namespace qtr::gui
