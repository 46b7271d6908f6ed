// What the program sets on its application object before it makes any window.
#pragma once

namespace anodyne::ui {

// The application's icon (every window shows it) and the program's typeface as
// the default for everything that does not name its own: menus, message boxes,
// file dialogs and the chart views' inner parts. With one default face, no
// window pays for loading a second one it never shows. The windows do not end
// the program by closing: the main window ends it after its closing zoom.
void prepareApplication();

} // namespace anodyne::ui
