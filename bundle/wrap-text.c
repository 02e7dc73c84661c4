/* xmessage shows a line as long as it is, past the screen's edge, and the launcher's own window
 * has no breaking of its own: both get the text broken here. */
#include "wrap-text.h"

#include <string.h>

void wrap_text(const char *text, size_t width, char *out, size_t size) {
  size_t used = 0;
  const char *at = text;
  while (*at && used + 1 < size) {
    size_t n = strcspn(at, "\n");
    int broken = 0;
    if (n > width) {
      n = width;
      while (n > width / 2 && at[n] != ' ')
        --n;
      if (at[n] != ' ')
        n = width;
      broken = 1;
    }
    if (n > size - used - 1)
      n = size - used - 1;
    memcpy(out + used, at, n);
    used += n;
    at += n;
    /* The space a line was broken at, or the text's own line break, becomes the new line. */
    if ((broken && *at == ' ') || *at == '\n')
      ++at;
    if (*at && used + 1 < size)
      out[used++] = '\n';
  }
  out[used] = 0;
}
