#include "color/ColorConv.h"

#include <cmath>

std::int32_t RoundHalfEven(long double v)
{
    // lrintl follows the current rounding mode, which the program never
    // changes from round-to-nearest-even.
    return std::int32_t(std::lrintl(v));
}

THsbColor RgbToHsb(std::int32_t red, std::int32_t green, std::int32_t blue)
{
    const long double r = (long double)red / 255;
    const long double g = (long double)green / 255;
    const long double b = (long double)blue / 255;
    long double max = r;
    if (g > max)
        max = g;
    if (b > max)
        max = b;
    long double min = r;
    if (g < min)
        min = g;
    if (b < min)
        min = b;

    THsbColor result;
    if (max == 0) {
        result.Hue = -1;
        result.Saturation = 0;
        result.Brightness = 0;
        return result;
    }
    const long double delta = max - min;
    const long double saturation = delta / max;
    long double hue;
    if (delta == 0)
        hue = 0;
    else if (r == max)
        hue = (g - b) / delta;
    else if (g == max)
        hue = (b - r) / delta + 2;
    else
        hue = (r - g) / delta + 4;
    hue = hue * 60;
    while (hue < 0)
        hue = hue + 360;

    result.Hue = RoundHalfEven(hue);
    result.Saturation = RoundHalfEven(saturation * 100);
    result.Brightness = RoundHalfEven(max * 100);
    return result;
}

TRgbColor HsbToRgb(long double hue, long double saturation, long double brightness)
{
    const long double S = saturation;
    const long double V = brightness;
    if (S == 0) {
        const std::int32_t grey = RoundHalfEven(V * 255);
        return {grey, grey, grey};
    }
    const long double h = hue / 60;
    const long double i = std::floor(h);
    const long double f = h - i;
    const long double p = (1 - S) * V;
    const long double q = (1 - S * f) * V;
    const long double t = (1 - (1 - f) * S) * V;

    long double r, g, b;
    switch (i == 0 ? 0 : i == 1 ? 1 : i == 2 ? 2 : i == 3 ? 3 : i == 4 ? 4 : 5) {
    case 0:
        r = V;
        g = t;
        b = p;
        break;
    case 1:
        r = q;
        g = V;
        b = p;
        break;
    case 2:
        r = p;
        g = V;
        b = t;
        break;
    case 3:
        r = p;
        g = q;
        b = V;
        break;
    case 4:
        r = t;
        g = p;
        b = V;
        break;
    default:
        r = V;
        g = p;
        b = q;
        break;
    }
    return {RoundHalfEven(r * 255), RoundHalfEven(g * 255), RoundHalfEven(b * 255)};
}

TRgbColor PureHueColor(long double hue)
{
    return HsbToRgb(hue, 1, 1);
}

QString ColorToHex(TColorValue color)
{
    return QString::asprintf("%02X%02X%02X", unsigned(color & 0xFF), unsigned((color >> 8) & 0xFF),
                             unsigned((color >> 16) & 0xFF));
}

static int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

THexResult HexToColor(const QString& text)
{
    THexResult result;
    int channel[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        const QString pair = text.mid(2 * k, 2);
        const int hi = pair.size() > 0 ? HexDigit(pair[0]) : -1;
        const int lo = pair.size() > 1 ? HexDigit(pair[1]) : -1;
        if (hi < 0 || lo < 0) {
            result.error = QStringLiteral("'$%1' is not a valid integer value").arg(pair);
            return result;
        }
        channel[k] = hi * 16 + lo;
    }
    result.ok = true;
    result.color = TColorValue(channel[0]) + TColorValue(channel[1]) * 256 + TColorValue(channel[2]) * 65536;
    return result;
}

static inline QRgb ToQRgb(const TRgbColor& c)
{
    return qRgb(c.Red & 0xFF, c.Green & 0xFF, c.Blue & 0xFF);
}

void FillHueStrip(QImage& strip)
{
    if (strip.width() != HueStripWidth || strip.height() != HueStripHeight || strip.format() != QImage::Format_RGB32)
        strip = QImage(HueStripWidth, HueStripHeight, QImage::Format_RGB32);
    for (int y = 0; y < HueStripHeight; ++y) {
        const QRgb c = ToQRgb(PureHueColor(359 - y));
        QRgb* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < HueStripWidth; ++x)
            line[x] = c;
    }
}

void FillModelImage(QImage& image, std::int32_t hue)
{
    if (image.width() != ModelImageSize || image.height() != ModelImageSize || image.format() != QImage::Format_RGB32)
        image = QImage(ModelImageSize, ModelImageSize, QImage::Format_RGB32);

    // Same operations as HsbToRgb(hue, x / 100, (100 - y) / 100), with the
    // parts that do not depend on the row hoisted out of the pixel loop.
    const long double h = (long double)hue / 60;
    const long double i = std::floor(h);
    const long double f = h - i;
    const int sector = i == 0 ? 0 : i == 1 ? 1 : i == 2 ? 2 : i == 3 ? 3 : i == 4 ? 4 : 5;

    long double oneMinusS[ModelImageSize], oneMinusSf[ModelImageSize], oneMinusT[ModelImageSize];
    for (int x = 0; x < ModelImageSize; ++x) {
        const long double S = (long double)x / 100;
        oneMinusS[x] = 1 - S;
        oneMinusSf[x] = 1 - S * f;
        oneMinusT[x] = 1 - (1 - f) * S;
    }

    for (int y = 0; y < ModelImageSize; ++y) {
        const long double V = (long double)(100 - y) / 100;
        const std::int32_t vByte = RoundHalfEven(V * 255);
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        // Column 0 has saturation 0: a grey of the row's brightness.
        line[0] = qRgb(vByte, vByte, vByte);
        for (int x = 1; x < ModelImageSize; ++x) {
            const std::int32_t p = RoundHalfEven(oneMinusS[x] * V * 255);
            const std::int32_t q = RoundHalfEven(oneMinusSf[x] * V * 255);
            const std::int32_t t = RoundHalfEven(oneMinusT[x] * V * 255);
            std::int32_t r, g, b;
            switch (sector) {
            case 0:
                r = vByte;
                g = t;
                b = p;
                break;
            case 1:
                r = q;
                g = vByte;
                b = p;
                break;
            case 2:
                r = p;
                g = vByte;
                b = t;
                break;
            case 3:
                r = p;
                g = q;
                b = vByte;
                break;
            case 4:
                r = t;
                g = p;
                b = vByte;
                break;
            default:
                r = vByte;
                g = p;
                b = q;
                break;
            }
            line[x] = qRgb(r & 0xFF, g & 0xFF, b & 0xFF);
        }
    }
}
