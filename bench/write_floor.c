/* The file-writing floor for whole-run timings: a process that writes the PNG
 * file of an EAN-13 from memory (open, write, close) and does nothing else;
 * with a count, that many files OUTPUT-1 ... OUTPUT-COUNT, as a batch would. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include "floor_png.h"

static int write_one(const char* path) {
  const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return 1;
  const ssize_t written = write(fd, kFloorPng, sizeof kFloorPng);
  return close(fd) == 0 && written == (ssize_t)sizeof kFloorPng ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    fprintf(stderr, "usage: %s OUTPUT [COUNT]\n", argv[0]);
    return 2;
  }
  if (argc == 2) return write_one(argv[1]);
  const long count = strtol(argv[2], NULL, 10);
  char path[4096];
  for (long i = 1; i <= count; i++) {
    if (snprintf(path, sizeof path, "%s-%ld", argv[1], i) >= (int)sizeof path || write_one(path) != 0) return 1;
  }
  return 0;
}
