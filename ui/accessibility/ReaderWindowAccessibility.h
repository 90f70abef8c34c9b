#pragma once

namespace ui {

class TForm1;

// Gives the reader's window, its frame and its side panel what a screen reader needs: the
// window announced as one, the frame's pictures and hot zones left out, the caption buttons
// named and pressable, the banner and the discount text named as a sighted reader sees them.
void exposeReaderWindow(TForm1& form);

} // namespace ui
