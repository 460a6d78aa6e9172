/* The library against the command line: for the same options every file
   action gives the same bytes and the same warnings, refused data gives the
   command line's reason, and what the command line would not take is refused.
   Run as: library_bytes_test PROGRAM FOLDER (SOURCE_DATE_EPOCH set). */
#include <kestrova/barcode.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "c_support.h"

enum { kMaxOptions = 6, kMaxArguments = 2 * kMaxOptions + 6 };

struct option {
  const char *name;
  const char *value;
};

struct request_case {
  const char *label;
  struct option options[kMaxOptions];
};

/* The documents first, then the bitmaps (from index 3). */
static const char *const kActions[] = {"epsf", "svgf", "pdff", "pngf", "jpeg", "tiff"};

static const struct request_case kDrawn[] = {
    {"ean13", {{"type", "EAN-13"}, {"data", "590123412345"}, {"addon", "12"}, {"scale", "120"}}},
    {"qr", {{"type", "QRCode"}, {"data", "Hello World"}, {"colmode", "1"}, {"fcolcomponent1", "0.8"}}},
    {"datamatrix", {{"type", "DataMatrix"}, {"data", "123456"}, {"dpi", "300"}}},
    {"pdf417", {{"type", "PDF417"}, {"data", "PDF417 test"}, {"trim", "20"}}},
    {"databar", {{"type", "Databar-Omnidirectional"}, {"data", "0123456789012"}}},
    {"code128", {{"type", "Code-128"}, {"data", "Abc123"}, {"fontsize", "14"}, {"colmode", "2"}}},
    /* A clamped value and a check digit replaced: both warned about. */
    {"warned", {{"type", "EAN-13"}, {"data", "5901234123458"}, {"scale", "200"}}},
};

/* Refused data: the reason is the command line's error line up to its "; ". */
struct refused_case {
  struct request_case request;
  int bitmaps_only; /* refused for a bitmap's limits alone */
};

#define KBC_TEN_WORDS "Kestrova Kestrova Kestrova Kestrova Kestrova Kestrova Kestrova Kestrova Kestrova Kestrova "

static const struct refused_case kRefused[] = {
    {{"letters", {{"type", "EAN-13"}, {"data", "abc"}}}, 0},
    {{"toolarge", {{"type", "QRCode"}, {"data", KBC_TEN_WORDS KBC_TEN_WORDS KBC_TEN_WORDS KBC_TEN_WORDS KBC_TEN_WORDS KBC_TEN_WORDS},
                   {"dpi", "2400"}, {"scale", "150"}}},
     1},
};

static struct request_case With(struct request_case base, const char *name, const char *value) {
  for (int i = 0; i < kMaxOptions; ++i) {
    if (base.options[i].name == NULL) {
      base.options[i].name = name;
      base.options[i].value = value;
      break;
    }
  }
  return base;
}

static kbc_request *NewRequest(const struct request_case *request_case) {
  kbc_request *request = kbc_request_new();
  for (int i = 0; i < kMaxOptions && request_case->options[i].name != NULL; ++i) {
    if (kbc_request_set(request, request_case->options[i].name, request_case->options[i].value) != 0) {
      test_fail(request_case->label, kbc_request_error(request));
    }
  }
  return request;
}

/* Runs the command line with the case's options; its stderr is left in err_path. */
static int RunProgram(const char *program, const struct request_case *request_case, const char *action,
                      const char *err_path) {
  const char *argv[kMaxArguments] = {program};
  char dashed[kMaxOptions][32];
  int n = 1;
  for (int i = 0; i < kMaxOptions && request_case->options[i].name != NULL; ++i) {
    snprintf(dashed[i], sizeof dashed[i], "-%s", request_case->options[i].name);
    argv[n++] = dashed[i];
    argv[n++] = request_case->options[i].value;
  }
  argv[n++] = "-action";
  argv[n++] = action;
  argv[n] = NULL;
  return test_run(argv, err_path);
}

/* The command line's stderr of a drawn file: each library warning as a warning line. */
static char *ExpectedWarnings(const char *warnings) {
  static const char kPrefix[] = "KestrovaBarCode: warning: ";
  char *text = calloc(sizeof kPrefix, strlen(warnings) + 1);
  for (const char *line = warnings; *line != '\0';) {
    const char *end = strchr(line, '\n');
    strcat(text, kPrefix);
    strncat(text, line, (size_t)(end - line) + 1);
    line = end + 1;
  }
  return text;
}

static int CheckDrawn(const char *program, const char *folder, const struct request_case *base, const char *action) {
  char path[512], err_path[sizeof path + 4], label[128];
  snprintf(path, sizeof path, "%s/%s.%s", folder, base->label, action);
  snprintf(err_path, sizeof err_path, "%s.err", path);
  snprintf(label, sizeof label, "%s %s", base->label, action);
  const struct request_case request_case = With(*base, "output", path);
  int failures = 0;

  kbc_request *request = NewRequest(&request_case);
  unsigned char *bytes = NULL;
  size_t size = 0;
  if (kbc_render(request, action, &bytes, &size) != 0) failures += test_fail(label, kbc_request_error(request));
  if (RunProgram(program, &request_case, action, err_path) != 0) failures += test_fail(label, "the program failed");

  size_t file_size = 0, err_size = 0;
  unsigned char *file = test_read_file(path, &file_size);
  unsigned char *err = test_read_file(err_path, &err_size);
  if (file == NULL || bytes == NULL || file_size != size || memcmp(file, bytes, size) != 0) {
    failures += test_fail(label, "the bytes differ from the program's file");
  }
  char *expected = ExpectedWarnings(kbc_request_warnings(request));
  if (err == NULL || strcmp((const char *)err, expected) != 0) {
    failures += test_fail(label, "the warnings differ from the program's stderr");
    fprintf(stderr, "  program: %s  library: %s", err ? (const char *)err : "(none)\n", expected);
  }
  free(expected);
  free(err);
  free(file);
  kbc_free(bytes);
  kbc_request_free(request);
  return failures;
}

static int CheckRefused(const char *program, const char *folder, const struct request_case *base, const char *action) {
  char path[512], err_path[sizeof path + 4], label[128];
  snprintf(path, sizeof path, "%s/%s.%s", folder, base->label, action);
  snprintf(err_path, sizeof err_path, "%s.err", path);
  snprintf(label, sizeof label, "refused %s %s", base->label, action);
  const struct request_case request_case = With(*base, "output", path);
  int failures = 0;

  kbc_request *request = NewRequest(&request_case);
  unsigned char sentinel = 0;
  unsigned char *bytes = &sentinel;
  size_t size = 1;
  if (kbc_render(request, action, &bytes, &size) != KBC_NOT_PRODUCED) failures += test_fail(label, "not refused");
  if (bytes != NULL || size != 0) failures += test_fail(label, "bytes given for refused data");
  if (RunProgram(program, &request_case, action, err_path) != 1) failures += test_fail(label, "the program did not fail");

  size_t err_size = 0;
  char *err = (char *)test_read_file(err_path, &err_size);
  char expected[1024];
  snprintf(expected, sizeof expected, "KestrovaBarCode: %s; \"%s\" ", kbc_request_error(request), path);
  if (err == NULL || strncmp(err, expected, strlen(expected)) != 0 || strchr(err, '\n') != err + err_size - 1) {
    failures += test_fail(label, "the reason differs from the program's error line");
    fprintf(stderr, "  program: %s  library: %s\n", err ? err : "(none)\n", expected);
  }
  free(err);
  kbc_request_free(request);
  return failures;
}

/* What the library does not take, at kbc_request_set or at kbc_render: each
   refused, naming what was wrong. */
struct invalid_call {
  struct option options[2];
  const char *action;
  const char *reason; /* a part of the reason given */
};

static const struct invalid_call kInvalid[] = {
    {{{"colour", "red"}}, "svgf", "unknown option \"colour\""},
    {{{"-type", "EAN-13"}}, "svgf", "unknown option \"-type\""},
    {{{"fcolcomponent6", "0.5"}}, "svgf", "unknown option \"fcolcomponent6\""},
    {{{"rotate", "45"}}, "svgf", "-rotate 45 is no quarter turn"},
    {{{"type", "QRcod"}}, "svgf", "unknown -type \"QRcod\"; did you mean \"QRCode\"?"},
    {{{"batch", "lines.txt"}}, "svgf", "\"batch\" is no option of a request"},
    {{{"action", "pngf"}}, "svgf", "\"action\" is no option of a request"},
    {{{"type", NULL}}, "svgf", "no option or no value given"},
    {{{"type", "EAN-13"}, {"data", "590123412345"}}, "gif", "unknown action \"gif\""},
    {{{"type", "EAN-13"}, {"data", "590123412345"}}, "clip", "unknown action \"clip\""},
    {{{"type", "EAN-13"}}, "svgf", "no -data given"},
    {{{"type", "EAN-13"}, {"data", "590123412345"}}, NULL, "no action"},
};

static int CheckInvalid(void) {
  int failures = 0;
  for (size_t i = 0; i < sizeof kInvalid / sizeof *kInvalid; ++i) {
    const struct invalid_call *call = &kInvalid[i];
    kbc_request *request = kbc_request_new();
    int status = 0;
    for (int o = 0; o < 2 && status == 0 && call->options[o].name != NULL; ++o) {
      status = kbc_request_set(request, call->options[o].name, call->options[o].value);
    }
    unsigned char *bytes = NULL;
    size_t size = 0;
    if (status == 0) status = kbc_render(request, call->action, &bytes, &size);
    if (status != KBC_INVALID || bytes != NULL || strstr(kbc_request_error(request), call->reason) == NULL) {
      failures += test_fail(call->reason, kbc_request_error(request));
    }
    kbc_free(bytes);
    kbc_request_free(request);
  }
  return failures;
}

static unsigned long BigEndian32(const unsigned char *bytes) {
  return (unsigned long)bytes[0] << 24 | (unsigned long)bytes[1] << 16 | (unsigned long)bytes[2] << 8 | bytes[3];
}

/* The size kbc_check gives is the size a PNG is drawn at: one pixel per
   point, truncated. Refused data has no size. */
static int CheckSizes(void) {
  int failures = 0;
  for (size_t i = 0; i < sizeof kDrawn / sizeof *kDrawn; ++i) {
    if (strcmp(kDrawn[i].label, "datamatrix") == 0) continue; /* drawn at 300 dpi */
    kbc_request *request = NewRequest(&kDrawn[i]);
    double width = 0, height = 0;
    unsigned char *png = NULL;
    size_t size = 0;
    if (kbc_check(request, &width, &height) != 0 || kbc_render(request, "pngf", &png, &size) != 0 || size < 24 ||
        BigEndian32(png + 16) != (unsigned long)width || BigEndian32(png + 20) != (unsigned long)height) {
      failures += test_fail(kDrawn[i].label, "kbc_check's size is not the PNG's");
    }
    kbc_free(png);
    kbc_request_free(request);
  }
  kbc_request *refused = NewRequest(&kRefused[0].request);
  double width = 1, height = 1;
  if (kbc_check(refused, &width, &height) != KBC_NOT_PRODUCED || width != 0 || height != 0 ||
      strstr(kbc_request_error(refused), "the data cannot be drawn as EAN-13") == NULL) {
    failures += test_fail("check of refused data", kbc_request_error(refused));
  }
  kbc_request_free(refused);
  return failures;
}

int main(int argc, char **argv) {
  if (argc != 3) return test_fail("arguments", "library_bytes_test PROGRAM FOLDER");
  const char *program = argv[1];
  const char *folder = argv[2];
  int failures = 0;
  for (size_t c = 0; c < sizeof kDrawn / sizeof *kDrawn; ++c) {
    for (size_t a = 0; a < sizeof kActions / sizeof *kActions; ++a) {
      failures += CheckDrawn(program, folder, &kDrawn[c], kActions[a]);
    }
  }
  for (size_t c = 0; c < sizeof kRefused / sizeof *kRefused; ++c) {
    for (size_t a = 0; a < sizeof kActions / sizeof *kActions; ++a) {
      const int bitmap = a >= 3;
      if (kRefused[c].bitmaps_only && !bitmap) continue;
      failures += CheckRefused(program, folder, &kRefused[c].request, kActions[a]);
    }
  }
  failures += CheckInvalid();
  failures += CheckSizes();
  printf("%d failures\n", failures);
  return failures == 0 ? 0 : 1;
}
