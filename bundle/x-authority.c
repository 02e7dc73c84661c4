/* The cookie that lets the launcher's message window onto the local X display. */
/* glibc's fopen "e" (close on exec) comes with its feature switch, reserved by design. */
#define _GNU_SOURCE // NOLINT(bugprone-reserved-identifier)
#include "x-authority.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

/* One entry of an X authority file: family, then address, display number, auth name and data,
 * each with a big-endian length. */
struct auth_entry {
  unsigned family;
  unsigned char field[4][1024];
  size_t length[4];
};

static int read_auth_entry(FILE *in, struct auth_entry *e) {
  unsigned char head[2];
  if (fread(head, 1, 2, in) != 2)
    return 0;
  e->family = (unsigned)head[0] << 8 | head[1];
  for (int i = 0; i < 4; ++i) {
    unsigned char n[2];
    if (fread(n, 1, 2, in) != 2)
      return 0;
    e->length[i] = (size_t)n[0] << 8 | n[1];
    if (e->length[i] > sizeof e->field[i] ||
        fread(e->field[i], 1, e->length[i], in) != e->length[i])
      return 0;
  }
  return 1;
}

static int field_is(const struct auth_entry *e, int i, const char *text) {
  return e->length[i] == strlen(text) && memcmp(e->field[i], text, e->length[i]) == 0;
}

size_t find_cookie(int number, unsigned char *cookie, size_t size) {
  char path[4096], host[256] = "", wanted[16];
  const char *file = getenv("XAUTHORITY"), *home = getenv("HOME");
  if (file && *file)
    snprintf(path, sizeof path, "%s", file);
  else if (home && *home)
    snprintf(path, sizeof path, "%s/.Xauthority", home);
  else
    return 0;
  gethostname(host, sizeof host - 1);
  snprintf(wanted, sizeof wanted, "%d", number);
  FILE *in = fopen(path, "re");
  if (!in)
    return 0;
  size_t found = 0;
  struct auth_entry e;
  while (read_auth_entry(in, &e)) {
    const int local = e.family == 65535 || (e.family == 256 && field_is(&e, 0, host));
    const int display = e.length[1] == 0 || field_is(&e, 1, wanted);
    if (local && display && field_is(&e, 2, "MIT-MAGIC-COOKIE-1") && e.length[3] <= size) {
      memcpy(cookie, e.field[3], e.length[3]);
      found = e.length[3];
      break;
    }
  }
  fclose(in);
  return found;
}
