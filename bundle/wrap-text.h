/* Text broken into lines for a box that does not break them itself (wrap-text.c). */
#ifndef QB_WRAP_TEXT_H
#define QB_WRAP_TEXT_H

#include <stddef.h>

/* Copies text to out (size bytes, always ended) with every line at most width characters:
 * a line too long is broken at its last space that fits, or, without one in its second half,
 * after width characters. Line breaks of the text are kept. */
void wrap_text(const char *text, size_t width, char *out, size_t size);

#endif
