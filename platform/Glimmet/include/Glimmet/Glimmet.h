#pragma once
/* Glimmet: decodes a PNG held in memory into 8-bit RGBA, four bytes a pixel,
 * rows packed without padding (width x 4 bytes a row). */

#include <stdint.h>

#if defined(GLIMMET_BUILDING)
#define GLIMMET_API __attribute__((visibility("default")))
#else
#define GLIMMET_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Filled by decode_png_from_memory; zeroed by the caller before the call. */
typedef struct GlimmetImage {
    unsigned char* pixels;
    uint32_t width;
    uint32_t height;
} GlimmetImage;

/* Pictures above this many pixels are refused before any pixel memory is taken. */
#define GLIMMET_MAX_PIXELS (256u * 1024u * 1024u)

/* Results of decode_png_from_memory. */
#define GLIMMET_OK 0
#define GLIMMET_BAD_ARGUMENT 1
#define GLIMMET_NOT_PNG 2
#define GLIMMET_NO_MEMORY 3
#define GLIMMET_TOO_LARGE 4
#define GLIMMET_DECODE_ERROR 5

/* GLIMMET_OK with the record filled, or the reason of the failure (damaged or
 * truncated data, a size above GLIMMET_MAX_PIXELS, no memory). */
GLIMMET_API int decode_png_from_memory(const char* data, int length, GlimmetImage* image);
/* Releases what decode_png_from_memory allocated; safe after a failure and twice. */
GLIMMET_API void free_png_image(GlimmetImage* image);

#ifdef __cplusplus
}
#endif
