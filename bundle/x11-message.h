/* A message window on this machine's X display ($DISPLAY), drawn by the launcher itself: for a
 * desktop that has none of the dialog programs. Waits until the player closes it. */
#ifndef QB_X11_MESSAGE_H
#define QB_X11_MESSAGE_H

/* 0 once the player has closed the window; -1 when no window could be shown (no local display,
 * refused, or the connection broke). */
int x11_message(const char *title, const char *text);

#endif
