/* The X authority file ($XAUTHORITY, else ~/.Xauthority), read for the launcher's message
 * window. */
#ifndef QB_X_AUTHORITY_H
#define QB_X_AUTHORITY_H

#include <stddef.h>

/* Copies the MIT-MAGIC-COOKIE-1 of this machine's display number into cookie (at most size
 * bytes) and returns its length; 0 when there is none. */
size_t find_cookie(int number, unsigned char *cookie, size_t size);

#endif
