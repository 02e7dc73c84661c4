/* The record that follows the launcher inside a stand-alone game:
 *
 *   launcher (a static ELF program; it ends where its section table ends)
 *   header   QB_RUNTIME_MAGIC, payload size (8 bytes, little-endian), payload hash (64 hex)
 *   payload  a zstd-compressed ustar archive: quarrybox, qt.conf, lib/, plugins/
 *   game     a whole ".qbx" game to the end of the file
 *
 * Shared by the launcher (C) and the game-file code (C++). */
#ifndef QB_RUNTIME_HEADER_H
#define QB_RUNTIME_HEADER_H

#define QB_RUNTIME_MAGIC "QBXRUN1"
#define QB_RUNTIME_MAGIC_SIZE 8 /* with its terminating zero */
#define QB_RUNTIME_HASH_SIZE 64 /* SHA-256 of the payload in hex: the unpacked folder's name */
#define QB_RUNTIME_HEADER_SIZE (QB_RUNTIME_MAGIC_SIZE + 8 + QB_RUNTIME_HASH_SIZE)

/* Tells the unpacked program which stand-alone game started it. */
#define QB_BUNDLE_VARIABLE "QUARRYBOX_BUNDLE"

#endif
