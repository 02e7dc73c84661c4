/* A message window spoken straight in the X11 protocol over the display's local socket: the
 * launcher is static and runs before any library is unpacked, and a desktop may have no dialog
 * program. One window with the lines in the server's "fixed" font; a key, a click or the
 * window's close button ends it. */
/* glibc extensions (SOCK_CLOEXEC, fopen "e") come with its feature switch, reserved by design. */
#define _GNU_SOURCE // NOLINT(bugprone-reserved-identifier)
#include "x11-message.h"
#include "wrap-text.h"
#include "x-authority.h"

#include <errno.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

enum { FONT_W = 6, FONT_H = 13, MARGIN = 20, MAX_LINES = 40, WRAP = 76 };

static int write_all(int fd, const void *data, size_t size) {
  const char *at = data;
  while (size > 0) {
    const ssize_t n = write(fd, at, size);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return -1;
    at += n;
    size -= (size_t)n;
  }
  return 0;
}

static int read_all(int fd, void *data, size_t size) {
  char *at = data;
  while (size > 0) {
    const ssize_t n = read(fd, at, size);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return -1;
    at += n;
    size -= (size_t)n;
  }
  return 0;
}

static uint16_t u16(const unsigned char *p) { return (uint16_t)(p[0] | p[1] << 8); }
static uint32_t u32(const unsigned char *p) {
  return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}
static size_t pad4(size_t n) { return (4 - n % 4) % 4; }

/* A request being put together, little-endian as the connection was opened. */
struct request {
  unsigned char bytes[1024];
  size_t size;
};
static void put8(struct request *r, unsigned v) {
  if (r->size < sizeof r->bytes)
    r->bytes[r->size++] = (unsigned char)v;
}
static void put16(struct request *r, unsigned v) {
  put8(r, v & 0xff);
  put8(r, v >> 8 & 0xff);
}
static void put32(struct request *r, uint32_t v) {
  put16(r, v & 0xffff);
  put16(r, v >> 16);
}
static void put_bytes(struct request *r, const void *data, size_t n) {
  for (size_t i = 0; i < n; ++i)
    put8(r, ((const unsigned char *)data)[i]);
  for (size_t i = pad4(n); i > 0; --i)
    put8(r, 0);
}
static void begin(struct request *r, unsigned opcode, unsigned data) {
  r->size = 0;
  put8(r, opcode);
  put8(r, data);
  put16(r, 0); /* length, set by send */
}
static int send_request(int fd, struct request *r) {
  r->bytes[2] = (unsigned char)(r->size / 4 & 0xff);
  r->bytes[3] = (unsigned char)(r->size / 4 >> 8);
  return write_all(fd, r->bytes, r->size);
}

static int connect_display(const char *display, int *number) {
  if (!display || display[0] != ':')
    return -1; /* only this machine's server: a remote one is the dialog programs' affair */
  *number = atoi(display + 1);
  struct sockaddr_un address = {.sun_family = AF_UNIX};
  char path[64];
  snprintf(path, sizeof path, "/tmp/.X11-unix/X%d", *number);
  for (int abstract = 1; abstract >= 0; --abstract) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
      return -1;
    memset(address.sun_path, 0, sizeof address.sun_path);
    memcpy(address.sun_path + abstract, path, strlen(path));
    const socklen_t length =
        (socklen_t)(offsetof(struct sockaddr_un, sun_path) + abstract + strlen(path));
    if (connect(fd, (struct sockaddr *)&address, length) == 0)
      return fd;
    close(fd);
  }
  return -1;
}

/* Reads events and replies until a reply comes (its 32 bytes in reply) or the connection ends. */
static int wait_reply(int fd, unsigned char *reply) {
  for (;;) {
    if (read_all(fd, reply, 32) != 0)
      return -1;
    if (reply[0] == 1) {
      const uint32_t more = u32(reply + 4) * 4;
      for (uint32_t i = 0; i < more; ++i) {
        unsigned char skip;
        if (read_all(fd, &skip, 1) != 0)
          return -1;
      }
      return 0;
    }
    if (reply[0] == 0)
      return -1; /* an error instead of the reply */
  }
}

static uint32_t intern(int fd, const char *name) {
  struct request r;
  unsigned char reply[32];
  begin(&r, 16, 0); /* InternAtom, not only-if-exists */
  put16(&r, (unsigned)strlen(name));
  put16(&r, 0);
  put_bytes(&r, name, strlen(name));
  if (send_request(fd, &r) != 0 || wait_reply(fd, reply) != 0)
    return 0;
  return u32(reply + 8);
}

/* Splits the text into lines no longer than WRAP, breaking at spaces where it can. */
static int wrap(const char *text, char lines[MAX_LINES][WRAP + 1]) {
  static char wrapped[MAX_LINES * (WRAP + 1)];
  wrap_text(text, WRAP, wrapped, sizeof wrapped);
  int count = 0;
  for (const char *at = wrapped; *at && count < MAX_LINES; ++count) {
    const size_t n = strcspn(at, "\n");
    memcpy(lines[count], at, n);
    lines[count][n] = 0;
    at += n + (at[n] == '\n');
  }
  return count;
}

/* What the connection's setup tells: the ids the client may make, and the first screen. */
struct display {
  int fd;
  uint32_t base, root, white, black;
};

/* Connects to the local display and reads its setup; the display's fd is -1 on failure. */
static struct display open_display(void) {
  struct display d = {.fd = -1};
  int number = 0;
  const int fd = connect_display(getenv("DISPLAY"), &number);
  if (fd < 0)
    return d;
  unsigned char cookie[256];
  const size_t cookie_size = find_cookie(number, cookie, sizeof cookie);
  struct request r = {.size = 0};
  put8(&r, 'l');
  put8(&r, 0);
  put16(&r, 11);
  put16(&r, 0);
  put16(&r, cookie_size ? 18 : 0);
  put16(&r, (unsigned)cookie_size);
  put16(&r, 0);
  if (cookie_size) {
    put_bytes(&r, "MIT-MAGIC-COOKIE-1", 18);
    put_bytes(&r, cookie, cookie_size);
  }
  unsigned char head[8];
  if (write_all(fd, r.bytes, r.size) != 0 || read_all(fd, head, 8) != 0 || head[0] != 1) {
    close(fd);
    return d;
  }
  const size_t setup_size = (size_t)u16(head + 6) * 4;
  unsigned char *setup = malloc(setup_size);
  if (!setup || read_all(fd, setup, setup_size) != 0 || setup_size < 32) {
    free(setup);
    close(fd);
    return d;
  }
  const size_t vendor = u16(setup + 16), formats = setup[21];
  const size_t screen_at = 32 + vendor + pad4(vendor) + 8 * formats;
  if (screen_at + 40 <= setup_size) {
    const unsigned char *screen = setup + screen_at;
    d = (struct display){fd, u32(setup + 4), u32(screen), u32(screen + 8), u32(screen + 12)};
  } else {
    close(fd);
  }
  free(setup);
  return d;
}

/* The text wrapped, a blank line and how to close the window; returns the number of lines. */
static int message_lines(const char *text, char lines[MAX_LINES][WRAP + 1]) {
  int count = wrap(text, lines);
  if (count < MAX_LINES)
    snprintf(lines[count++], WRAP + 1, "%s", "");
  if (count < MAX_LINES)
    snprintf(lines[count++], WRAP + 1, "%s", "(Press a key or click to close this window.)");
  return count;
}

/* The window, titled and sized for the lines, with its "fixed" font and graphics context;
 * not yet mapped. Returns non-zero when a request could not be sent. */
static int create_window(const struct display *d, const char *title, unsigned width,
                         unsigned height, uint32_t protocols, uint32_t delete_window) {
  const uint32_t window = d->base | 1, gc = d->base | 2, font = d->base | 3;
  struct request r;
  begin(&r, 1, 0); /* CreateWindow, depth from the parent */
  put32(&r, window);
  put32(&r, d->root);
  put16(&r, 100);
  put16(&r, 100);
  put16(&r, width);
  put16(&r, height);
  put16(&r, 0);
  put16(&r, 1);     /* InputOutput */
  put32(&r, 0);     /* the parent's visual */
  put32(&r, 0x802); /* background pixel, event mask */
  put32(&r, d->white);
  put32(&r, 0x8005); /* Exposure, KeyPress, ButtonPress */
  int failed = send_request(d->fd, &r);

  begin(&r, 18, 0); /* ChangeProperty WM_NAME: STRING */
  put32(&r, window);
  put32(&r, 39);
  put32(&r, 31);
  put8(&r, 8);
  put8(&r, 0);
  put16(&r, 0);
  put32(&r, (uint32_t)strlen(title));
  put_bytes(&r, title, strlen(title));
  failed |= send_request(d->fd, &r);

  if (protocols && delete_window) {
    begin(&r, 18, 0); /* ChangeProperty WM_PROTOCOLS: ATOM */
    put32(&r, window);
    put32(&r, protocols);
    put32(&r, 4);
    put8(&r, 32);
    put8(&r, 0);
    put16(&r, 0);
    put32(&r, 1);
    put32(&r, delete_window);
    failed |= send_request(d->fd, &r);
  }

  begin(&r, 45, 0); /* OpenFont "fixed": every server has it */
  put32(&r, font);
  put16(&r, 5);
  put16(&r, 0);
  put_bytes(&r, "fixed", 5);
  failed |= send_request(d->fd, &r);

  begin(&r, 55, 0); /* CreateGC: foreground, background, font */
  put32(&r, gc);
  put32(&r, window);
  put32(&r, 0x4000 | 0x4 | 0x8);
  put32(&r, d->black);
  put32(&r, d->white);
  put32(&r, font);
  return failed | send_request(d->fd, &r);
}

static int draw_lines(const struct display *d, char lines[MAX_LINES][WRAP + 1], int count) {
  struct request r;
  for (int i = 0; i < count; ++i) {
    const size_t n = strlen(lines[i]);
    if (n == 0)
      continue;
    begin(&r, 76, (unsigned)n); /* ImageText8 */
    put32(&r, d->base | 1);
    put32(&r, d->base | 2);
    put16(&r, MARGIN);
    put16(&r, (unsigned)(MARGIN + FONT_H * (i + 1) - 3));
    put_bytes(&r, lines[i], n);
    if (send_request(d->fd, &r) != 0)
      return 1;
  }
  return 0;
}

int x11_message(const char *title, const char *text) {
  const struct display d = open_display();
  if (d.fd < 0)
    return -1;
  char lines[MAX_LINES][WRAP + 1];
  const int count = message_lines(text, lines);
  size_t widest = 0;
  for (int i = 0; i < count; ++i)
    widest = strlen(lines[i]) > widest ? strlen(lines[i]) : widest;
  const unsigned width = (unsigned)(FONT_W * widest) + 2 * MARGIN;
  const unsigned height = (unsigned)(2 * MARGIN + FONT_H * count);
  const uint32_t protocols = intern(d.fd, "WM_PROTOCOLS");
  const uint32_t delete_window = intern(d.fd, "WM_DELETE_WINDOW");
  int failed = create_window(&d, title, width, height, protocols, delete_window);

  struct request r;
  begin(&r, 8, 0); /* MapWindow */
  put32(&r, d.base | 1);
  failed |= send_request(d.fd, &r);

  while (!failed) {
    unsigned char event[32];
    if (read_all(d.fd, event, 32) != 0)
      break;
    const unsigned type = event[0] & 0x7f;
    if (type == 1) { /* a late reply: skip what follows it */
      const uint32_t more = u32(event + 4) * 4;
      for (uint32_t i = 0; i < more && !failed; ++i)
        failed = read_all(d.fd, event, 1) != 0;
    } else if (type == 12 && u16(event + 16) == 0) { /* the last Expose of a series */
      failed = draw_lines(&d, lines, count);
    } else if (type == 2 || type == 4 || /* KeyPress, ButtonPress, or the close button */
               (type == 33 && u32(event + 8) == protocols && u32(event + 12) == delete_window)) {
      break;
    }
  }
  close(d.fd);
  return failed ? -1 : 0;
}
