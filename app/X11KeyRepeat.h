#pragma once
// A held key on X11: by default the server repeats it as release-press pairs, which Qt can only
// tell from real taps when both arrive together (often not on a busy machine). Asked once, the
// server sends repeats as presses alone, so that a release is always a real one; the window then
// drops every press of a key that is already down.

// Asks the X server for press-only repeats; does nothing on other platforms. Returns whether the
// server agreed.
bool UsePressOnlyKeyRepeat();
