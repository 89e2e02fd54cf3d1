#include "ImageDecoder.h"

#include <libheif/heif.h>

#include <memory>

namespace NomoThumbCache {

namespace {
// Width and height cap: its square is the pixel cap of every decoder.
constexpr int maxHeifSide = 16384;
}

QImage decodeHeifImage(const QByteArray& bytes)
{
    if (bytes.size() < 12
        || heif_check_filetype(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size())
               != heif_filetype_yes_supported)
        return QImage();

    std::unique_ptr<heif_context, decltype(&heif_context_free)> context(heif_context_alloc(), heif_context_free);
    if (!context)
        return QImage();
    heif_context_set_maximum_image_size_limit(context.get(), maxHeifSide);
    if (heif_context_read_from_memory_without_copy(context.get(), bytes.constData(), size_t(bytes.size()), nullptr)
            .code
        != heif_error_Ok)
        return QImage();

    heif_image_handle* rawHandle = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &rawHandle).code != heif_error_Ok)
        return QImage();
    std::unique_ptr<heif_image_handle, decltype(&heif_image_handle_release)> handle(rawHandle,
                                                                                      heif_image_handle_release);
    const int width = heif_image_handle_get_width(handle.get());
    const int height = heif_image_handle_get_height(handle.get());
    if (!isAcceptableSize(width, height))
        return QImage();

    heif_image* rawImage = nullptr;
    if (heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, nullptr).code
        != heif_error_Ok)
        return QImage();
    std::unique_ptr<heif_image, decltype(&heif_image_release)> image(rawImage, heif_image_release);
    int stride = 0;
    const uint8_t* pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int planeWidth = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int planeHeight = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (!pixels || !isAcceptableSize(planeWidth, planeHeight) || stride < planeWidth * 4)
        return QImage();
    return QImage(pixels, planeWidth, planeHeight, stride, QImage::Format_RGBA8888).copy();
}

}
