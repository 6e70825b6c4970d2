#pragma once

namespace app {

// What the program sets up on the running QApplication before its first
// window: the icon, the language of the toolkit's own texts, and the name
// of its desktop entry.
void setUpApplication();

}  // namespace app
