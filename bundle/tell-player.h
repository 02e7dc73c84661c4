/* What stops a stand-alone game, said where its player sees it (tell-player.c). */
#ifndef QB_TELL_PLAYER_H
#define QB_TELL_PLAYER_H

/* Says text on stderr and, on a display, in a box titled after the game: from the first of
 * zenity, kdialog and xmessage that the machine has, else in a window of the launcher's own
 * (x11-message.c). Returns once the player has closed the box. */
void tell_player(const char *game_name, const char *text);

#endif
