#pragma once
// The frame a window manager draws around the game's small windows. Openbox draws minimise and
// maximise buttons on every utility and dialog window, whatever the window's Motif hints and
// fixed size ask for; only the frame of a toolbar leaves them out.

class QWidget;

// On X11, asks at every showing for the window to be taken as a toolbar first, then as what Qt
// made it (a utility or dialog window): a title and a close button only. Does nothing on other
// platforms.
void AskForTitleAndCloseOnly(QWidget &window);
