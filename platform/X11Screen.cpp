#include "platform/X11Screen.h"

#include "platform/X11Connection.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

// 24- or 32-bit depth stored in 32 bits, least significant byte first:
// the bytes of each pixel are blue, green, red, unused, as in Format_RGB32.
bool IsRgb32(xcb_connection_t* c, std::uint8_t depth)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || (depth != 24 && depth != 32))
        return false;
    xcb_format_iterator_t it = xcb_setup_pixmap_formats_iterator(setup);
    for (; it.rem > 0; xcb_format_next(&it))
        if (it.data->depth == depth)
            return it.data->bits_per_pixel == 32;
    return false;
}

} // namespace

bool X11GrabRoot(const QRect& rect, QImage& out)
{
    if (out.size() != rect.size() || out.format() != QImage::Format_RGB32)
        return false;
    const TX11Root x = X11Root();
    if (!x || !IsRgb32(x.connection, x.screen->root_depth))
        return false;
    xcb_connection_t* c = x.connection;
    const QRect part = rect.intersected(QRect(0, 0, x.screen->width_in_pixels, x.screen->height_in_pixels));
    if (part.isEmpty())
        return true;
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, x.screen->root, std::int16_t(part.x()), std::int16_t(part.y()),
                      std::uint16_t(part.width()), std::uint16_t(part.height()), ~0u),
        nullptr);
    if (!image)
        return false;
    const int length = xcb_get_image_data_length(image);
    const std::uint8_t* data = xcb_get_image_data(image);
    const int stride = part.width() * 4; // 32-bit pixels, rows padded to 32 bits already
    if (length < stride * part.height()) {
        std::free(image);
        return false;
    }
    const int ox = part.x() - rect.x(), oy = part.y() - rect.y();
    for (int y = 0; y < part.height(); ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(oy + y)) + ox;
        std::memcpy(dst, data + y * stride, size_t(stride));
        for (int col = 0; col < part.width(); ++col)
            dst[col] |= 0xFF000000u;
    }
    std::free(image);
    return true;
}
