#pragma once

#include <functional>

class QLabel;

namespace ui {

// Makes a label (or a picture shown in a label) a link: hand cursor, blue, underlined, no
// change under the mouse, and `handler` run by a single left click. A double click opens
// its link once, not twice. Tab reaches it, and Space or Return follows it. For a screen reader it
// is a link whose press action runs `handler` too.
void makeLink(QLabel* label, std::function<void()> handler);

// A label that is not a link still takes the clicks on it, so that nothing under it (a
// link it lies over, the window) reacts to them.
void takeClicks(QLabel* label);

} // namespace ui
