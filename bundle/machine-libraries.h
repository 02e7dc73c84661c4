/* The libraries a stand-alone game takes from the machine, checked before the program starts
 * (machine-libraries.c). */
#ifndef QB_MACHINE_LIBRARIES_H
#define QB_MACHINE_LIBRARIES_H

#include <stddef.h>

/* The runtime's list of them: one "soname package" a line, written when it was packed. */
#define QB_MACHINE_LIBRARIES "machine-libraries.txt"

/* Looks up every library of folder's list as the system's loader would find it: in
 * $LD_LIBRARY_PATH, through /etc/ld.so.cache, in the system's library folders. Returns how
 * many are missing and names them in out ("libfontconfig.so.1 (libfontconfig1)", ...); 0 too
 * when there is no list, or the loader's cache cannot be read (it is then the loader's word). */
int missing_libraries(const char *folder, char *out, size_t size);

#endif
