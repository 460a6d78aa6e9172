/* Kestrova BarCode as a library: one barcode drawn in memory, byte for byte
 * the file the command line writes for the same options.
 *
 * A request holds the options; kbc_render draws it as one file. Every
 * function that returns an int returns 0 on success; on any other value,
 * kbc_request_error says why.
 *
 * Thread safety: separate requests may be set and rendered on separate
 * threads at once. One request must not be used by two threads at once.
 */
#ifndef KESTROVA_BARCODE_H
#define KESTROVA_BARCODE_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Non-zero statuses. */
#define KBC_NOT_PRODUCED 1 /* a complete request that produced nothing (refused data) */
#define KBC_INVALID 2      /* an unknown option, type or action, a missing argument, an incomplete request */

typedef struct kbc_request kbc_request;

/* A request with the command line's defaults; NULL when out of memory. */
kbc_request *kbc_request_new(void);
void kbc_request_free(kbc_request *request);

/* Sets one option by the command line's name without the dash ("type",
 * "data", "scale", "fcolcomponent1", ...); the value is read exactly as the
 * command line reads it, with the same clamps. "output" names the file the
 * bytes stand for: its last component is the EPS title. The command line's
 * "action", "batch", "csv" and "threads" are not options of a request. A
 * value the command line refuses (an unknown "type", a "rotate" other than
 * 0, 90, 180 or 270) gives KBC_INVALID and leaves the request as it was. */
int kbc_request_set(kbc_request *request, const char *option, const char *value);

/* The reason for the request's last failure, as the command line's error
 * line without the program name; "" after a success. Valid until the next
 * call on the request. */
const char *kbc_request_error(const kbc_request *request);

/* The warnings of the last render, each on its own line ending in '\n';
 * "" when none. Valid until the next call on the request. */
const char *kbc_request_warnings(const kbc_request *request);

/* Draws the request as one file: action is "epsf", "svgf", "pdff", "pngf",
 * "jpeg" or "tiff". On success *bytes holds the whole file (free it with
 * kbc_free) and *size its length; otherwise they are NULL and 0. With the
 * option "strict" set to "1", a render that would warn gives
 * KBC_NOT_PRODUCED instead, the first warning's text as its error. */
int kbc_render(kbc_request *request, const char *action, unsigned char **bytes, size_t *size);

/* What the command line's "-action info" prints for the request, without
 * drawing it: one JSON object on one line (no newline) naming the type, the
 * data as encoded, its check digits, the human-readable text, the size in
 * points (and in dots with the option "dpi"), the X-dimension in points, the
 * warnings and the refusal. *json holds it NUL-terminated (free it with
 * kbc_free). 0 when the request would be drawn; KBC_NOT_PRODUCED when it would
 * be refused, *json then giving the refusal too; KBC_INVALID for an
 * incomplete request, *json then NULL. */
int kbc_request_info(kbc_request *request, char **json);

/* The image size in points, as the files are sized; the action plays no part. */
int kbc_check(kbc_request *request, double *width, double *height);

/* The size of the file action would write, in its own units: pixels for
 * "pngf", "jpeg" and "tiff" (whole dots at the option "dpi"), points for
 * "epsf", "svgf" and "pdff"; the sides as the file holds them, turned. */
int kbc_measure(kbc_request *request, const char *action, double *width, double *height);

void kbc_free(void *bytes);

/* The name "type" takes for symbology `index` (1, 2, ... in the order of the
 * usage text); NULL past the last. */
const char *kbc_symbology_name(int index);

/* The library's version, "MAJOR.MINOR.PATCH". */
const char *kbc_version(void);

#ifdef __cplusplus
}
#endif

#endif
