/* A player who started the game from a file manager never sees stderr: on a display, the box of
 * whichever dialog program the desktop has says it too, or else a window of the launcher's own.
 * glibc's extensions come with its feature switch, whose name is reserved by design. */
#define _GNU_SOURCE // NOLINT(bugprone-reserved-identifier)
#include "tell-player.h"
#include "wrap-text.h"
#include "x11-message.h"

#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

/* Finds an executable by name in $PATH. */
static int find_program(const char *name, char *out, size_t size) {
  const char *path = getenv("PATH");
  for (const char *part = path; part && *part;) {
    const size_t length = strcspn(part, ":");
    const int n = snprintf(out, size, "%.*s/%s", (int)length, part, name);
    if (length > 0 && n > 0 && (size_t)n < size && access(out, X_OK) == 0)
      return 0;
    part += length + (part[length] == ':');
  }
  return -1;
}

void tell_player(const char *game_name, const char *text) {
  fprintf(stderr, "quarrybox: %s\n", text);
  const char *x = getenv("DISPLAY"), *wayland = getenv("WAYLAND_DISPLAY");
  if (!(x && *x) && !(wayland && *wayland))
    return;
  char title[PATH_MAX], path[PATH_MAX];
  snprintf(title, sizeof title, "%s cannot start", game_name);
  /* Every break may add a character; xmessage shows a line as long as it is. */
  const size_t size = 2 * (strlen(game_name) + strlen(text) + 32);
  char *said = malloc(size), *message = malloc(size);
  if (!said || !message) {
    free(said);
    free(message);
    return;
  }
  snprintf(said, size, "%s cannot start.\n\n%s", game_name, text);
  wrap_text(said, 76, message, size);
  free(said);
  char *zenity[] = {"zenity", "--error", "--no-markup", "--title", title, "--text", message, NULL};
  char *kdialog[] = {"kdialog", "--title", title, "--error", message, NULL};
  char *xmessage[] = {"xmessage", "-center", "-title", title, message, NULL};
  char **dialogs[] = {zenity, kdialog, xmessage};
  for (size_t i = 0; i < sizeof dialogs / sizeof *dialogs; ++i) {
    if (find_program(dialogs[i][0], path, sizeof path) != 0)
      continue;
    const pid_t box = fork();
    if (box == 0) {
      execv(path, dialogs[i]);
      _exit(127);
    }
    int status;
    while (box > 0 && waitpid(box, &status, 0) < 0 && errno == EINTR)
      continue;
    free(message);
    return;
  }
  x11_message(title, message);
  free(message);
}
