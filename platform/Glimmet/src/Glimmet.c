#include "Glimmet/Glimmet.h"

#include <png.h>
#include <setjmp.h>
#include <stdlib.h>
#include <string.h>

/* Everything the error path must free lives here, out of setjmp's reach. */
typedef struct DecodeState {
    const unsigned char* data;
    size_t length;
    size_t position;
    png_bytep* rows;
    unsigned char* pixels;
} DecodeState;

static void read_from_memory(png_structp png, png_bytep out, png_size_t count)
{
    DecodeState* state = (DecodeState*)png_get_io_ptr(png);
    if (count > state->length - state->position)
        png_error(png, "unexpected end of data");
    memcpy(out, state->data + state->position, count);
    state->position += count;
}

static void quiet_warning(png_structp png, png_const_charp message)
{
    (void)png;
    (void)message;
}

static int decode(png_structp png, png_infop info, DecodeState* state, GlimmetImage* image)
{
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0, interlace = 0;

    png_set_read_fn(png, state, read_from_memory);
    /* Found files are often slightly damaged: a bad checksum alone keeps the data. */
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    /* Sizes come from the file: refuse huge ones before any allocation. */
    png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_set_chunk_malloc_max(png, 64u * 1024u * 1024u);

    png_read_info(png, info);
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, &interlace, NULL, NULL);
    if (width == 0 || height == 0 || (uint64_t)width * height > GLIMMET_MAX_PIXELS)
        return GLIMMET_TOO_LARGE;

    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_scale_16(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    if (png_get_rowbytes(png, info) != (size_t)width * 4)
        return GLIMMET_DECODE_ERROR;

    const size_t rowBytes = (size_t)width * 4;
    state->pixels = (unsigned char*)malloc(rowBytes * height);
    state->rows = (png_bytep*)malloc(sizeof(png_bytep) * height);
    if (!state->pixels || !state->rows)
        return GLIMMET_NO_MEMORY;
    for (png_uint_32 y = 0; y < height; ++y)
        state->rows[y] = state->pixels + rowBytes * y;
    png_read_image(png, state->rows);
    png_read_end(png, NULL);

    image->pixels = state->pixels;
    image->width = width;
    image->height = height;
    state->pixels = NULL;
    return GLIMMET_OK;
}

/* setjmp lives here, so the state it must see after png_error belongs to the caller. */
static int guarded_decode(png_structp png, png_infop info, DecodeState* state, GlimmetImage* image)
{
    if (setjmp(png_jmpbuf(png)) != 0)
        return GLIMMET_DECODE_ERROR;
    return decode(png, info, state, image);
}

GLIMMET_API int decode_png_from_memory(const char* data, int length, GlimmetImage* image)
{
    if (!data || length <= 0 || !image)
        return GLIMMET_BAD_ARGUMENT;
    if (length < 8 || png_sig_cmp((png_const_bytep)data, 0, 8) != 0)
        return GLIMMET_NOT_PNG;

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, quiet_warning);
    if (!png)
        return GLIMMET_NO_MEMORY;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, NULL, NULL);
        return GLIMMET_NO_MEMORY;
    }

    DecodeState state = {(const unsigned char*)data, (size_t)length, 0, NULL, NULL};
    const int result = guarded_decode(png, info, &state, image);

    png_destroy_read_struct(&png, &info, NULL);
    free(state.rows);
    free(state.pixels);
    return result;
}

GLIMMET_API void free_png_image(GlimmetImage* image)
{
    if (!image)
        return;
    free(image->pixels);
    image->pixels = NULL;
    image->width = 0;
    image->height = 0;
}
