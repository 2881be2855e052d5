#include "platform/X11Screen.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

struct TRoot {
    xcb_connection_t* c = nullptr;
    const xcb_screen_t* screen = nullptr;
};

TRoot Root()
{
    TRoot r;
    auto* app = qGuiApp;
    auto* native = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!native || !native->connection())
        return r;
    r.c = native->connection();
    // The screen Qt opened: the first root of the connection on a usual display.
    r.screen = xcb_setup_roots_iterator(xcb_get_setup(r.c)).data;
    return r;
}

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
    const TRoot r = Root();
    if (!r.c || !r.screen || !IsRgb32(r.c, r.screen->root_depth))
        return false;
    const QRect part = rect.intersected(QRect(0, 0, r.screen->width_in_pixels, r.screen->height_in_pixels));
    if (part.isEmpty())
        return true;
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        r.c,
        xcb_get_image(r.c, XCB_IMAGE_FORMAT_Z_PIXMAP, r.screen->root, std::int16_t(part.x()), std::int16_t(part.y()),
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
        for (int x = 0; x < part.width(); ++x)
            dst[x] |= 0xFF000000u;
    }
    std::free(image);
    return true;
}
