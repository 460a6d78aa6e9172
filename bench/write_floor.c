/* The file-writing floor for whole-run timings: a process that writes the PNG
 * file of an EAN-13 from memory (open, write, close) and does nothing else. */
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include "floor_png.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  const int fd = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return 1;
  const ssize_t written = write(fd, kFloorPng, sizeof kFloorPng);
  return close(fd) == 0 && written == (ssize_t)sizeof kFloorPng ? 0 : 1;
}
