/* Separate requests rendered on separate threads at once give what one
   thread gives. Run as: library_threads_test THREADS RENDERS_PER_THREAD. */
#include <kestrova/barcode.h>

#include <pthread.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

struct mixed_request {
  const char *type;
  const char *data;
  const char *action;
};

/* Every renderer and every file kind, text with fonts included. */
static const struct mixed_request kMixed[] = {
    {"EAN-13", "590123412345", "pngf"},
    {"QRCode", "https://kestrova.example/barcode?label=1234567890", "svgf"},
    {"DataMatrix", "Kestrova 0123456789", "pdff"},
    {"PDF417", "Kestrova PDF417", "tiff"},
    {"Databar-Limited", "0123456789012", "epsf"},
    {"Code-128", "Kestrova-128", "jpeg"},
    {"UPC-A", "03600029145", "pdff"},
    {"Code-39", "KBC39", "pngf"},
};
enum { kMixedCount = sizeof kMixed / sizeof *kMixed };

static int Fail(const char *what, const char *detail) {
  fprintf(stderr, "FAILED: %s: %s\n", what, detail);
  return 1;
}

/* FNV-1a: a render is compared by its hash and length. */
static uint64_t Hash(const unsigned char *bytes, size_t size) {
  uint64_t hash = 1469598103934665603u;
  for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211u;
  return hash ^ size;
}

static uint64_t RenderHash(size_t index) {
  const struct mixed_request *mixed = &kMixed[index % kMixedCount];
  kbc_request *request = kbc_request_new();
  unsigned char *bytes = NULL;
  size_t size = 0;
  uint64_t hash = 0;
  if (request != NULL && kbc_request_set(request, "type", mixed->type) == 0 &&
      kbc_request_set(request, "data", mixed->data) == 0 && kbc_render(request, mixed->action, &bytes, &size) == 0) {
    hash = Hash(bytes, size);
  }
  kbc_free(bytes);
  kbc_request_free(request);
  return hash;
}

struct worker {
  pthread_t thread;
  size_t first; /* each worker starts at another request of the mix */
  size_t renders;
  const uint64_t *expected;
  size_t mismatches;
};

static void *Work(void *argument) {
  struct worker *worker = argument;
  for (size_t i = 0; i < worker->renders; ++i) {
    const size_t index = (worker->first + i) % kMixedCount;
    if (RenderHash(index) != worker->expected[index]) ++worker->mismatches;
  }
  return NULL;
}

int main(int argc, char **argv) {
  if (argc != 3) return Fail("arguments", "library_threads_test THREADS RENDERS_PER_THREAD");
  const size_t threads = strtoul(argv[1], NULL, 10);
  const size_t renders = strtoul(argv[2], NULL, 10);
  /* A PDF carries its creation time: one fixed time for every render, so that
     a slow run (under helgrind) does not see the clock move. */
  setenv("SOURCE_DATE_EPOCH", "1796584560", 1);
  uint64_t expected[kMixedCount];
  int failures = 0;
  for (size_t i = 0; i < kMixedCount; ++i) {
    expected[i] = RenderHash(i);
    if (expected[i] == 0) failures += Fail(kMixed[i].type, "not rendered on one thread");
  }
  struct worker *workers = calloc(threads, sizeof *workers);
  for (size_t t = 0; t < threads; ++t) {
    workers[t] = (struct worker){.first = t, .renders = renders, .expected = expected};
    if (pthread_create(&workers[t].thread, NULL, Work, &workers[t]) != 0) return Fail("threads", "not started");
  }
  for (size_t t = 0; t < threads; ++t) {
    pthread_join(workers[t].thread, NULL);
    if (workers[t].mismatches != 0) failures += Fail("threads", "a render differs from one thread's");
  }
  free(workers);
  printf("%zu threads x %zu renders: %d failures\n", threads, renders, failures);
  return failures == 0 ? 0 : 1;
}
