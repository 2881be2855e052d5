#include "color/ColorText.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const std::array<TNamedColor, 148> kNamed{{
    {"aliceblue", 0xF0F8FF},
    {"antiquewhite", 0xFAEBD7},
    {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4},
    {"azure", 0xF0FFFF},
    {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4},
    {"black", 0x000000},
    {"blanchedalmond", 0xFFEBCD},
    {"blue", 0x0000FF},
    {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887},
    {"cadetblue", 0x5F9EA0},
    {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50},
    {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C},
    {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B},
    {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xA9A9A9},
    {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F},
    {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000},
    {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F},
    {"darkslategrey", 0x2F4F4F},
    {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222},
    {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF},
    {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xADFF2F},
    {"grey", 0x808080},
    {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4},
    {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082},
    {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00},
    {"lemonchiffon", 0xFFFACD},
    {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080},
    {"lightcyan", 0xE0FFFF},
    {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A},
    {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0},
    {"lime", 0x00FF00},
    {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6},
    {"magenta", 0xFF00FF},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA},
    {"mediumblue", 0x0000CD},
    {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB},
    {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A},
    {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5},
    {"navajowhite", 0xFFDEAD},
    {"navy", 0x000080},
    {"oldlace", 0xFDF5E6},
    {"olive", 0x808000},
    {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500},
    {"orangered", 0xFF4500},
    {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA},
    {"palegreen", 0x98FB98},
    {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5},
    {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F},
    {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6},
    {"purple", 0x800080},
    {"rebeccapurple", 0x663399},
    {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F},
    {"royalblue", 0x4169E1},
    {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072},
    {"sandybrown", 0xF4A460},
    {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D},
    {"silver", 0xC0C0C0},
    {"skyblue", 0x87CEEB},
    {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xFFFAFA},
    {"springgreen", 0x00FF7F},
    {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C},
    {"teal", 0x008080},
    {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5},
    {"yellow", 0xFFFF00},
    {"yellowgreen", 0x9ACD32},
}};

int Low8(std::int32_t v)
{
    return v & 0xFF;
}

QString Two(int v)
{
    return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
}

// The text as the status bar can show it: short, one line.
QString Shown(const QString& text)
{
    QString s = text.simplified();
    if (s.size() > 24)
        s = s.left(24) + QStringLiteral("...");
    return s;
}

TColorTextResult Fail(const QString& why)
{
    return {false, {}, why};
}
TColorTextResult Done(int r, int g, int b)
{
    return {true, {r, g, b}, {}};
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool AllHex(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return HexDigit(c) >= 0; });
}

// A plain number: digits with an optional sign, fraction and exponent.
bool ToNumber(const QString& text, long double& out)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!number.match(text).hasMatch())
        return false;
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

// The arguments of a function like rgb(...) in either CSS syntax: commas,
// or blanks with an optional "/ alpha" at the end. The alpha is dropped.
bool SplitArguments(const QString& inside, QStringList& out)
{
    QStringList parts;
    if (inside.contains(',')) {
        parts = inside.split(',');
        for (QString& p : parts)
            p = p.trimmed();
        if (parts.size() == 4)
            parts.removeLast();
    } else {
        QString spaced = inside;
        spaced.replace('/', QStringLiteral(" / "));
        parts = spaced.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (parts.size() == 5 && parts[3] == QStringLiteral("/"))
            parts = parts.mid(0, 3);
    }
    if (parts.size() != 3 || std::any_of(parts.begin(), parts.end(), [](const QString& p) { return p.isEmpty(); }))
        return false;
    out = parts;
    return true;
}

TColorTextResult ParseRgbFunction(const QString& inside)
{
    QStringList parts;
    if (!SplitArguments(inside, parts))
        return Fail(QStringLiteral("rgb() needs 3 values"));
    int v[3];
    for (int k = 0; k < 3; ++k) {
        QString p = parts[k];
        const bool percent = p.endsWith('%');
        if (percent)
            p.chop(1);
        long double x = 0;
        if (!ToNumber(p, x))
            return Fail(QStringLiteral("rgb() value '%1' is no number").arg(Shown(parts[k])));
        if (percent) {
            if (x < 0 || x > 100)
                return Fail(QStringLiteral("rgb() percentages are 0..100%"));
            x = x * 255 / 100;
        } else if (x < 0 || x > 255) {
            return Fail(QStringLiteral("rgb() values are 0..255"));
        }
        v[k] = RoundHalfEven(x);
    }
    return Done(v[0], v[1], v[2]);
}

TColorTextResult ParseHslFunction(const QString& inside)
{
    QStringList parts;
    if (!SplitArguments(inside, parts))
        return Fail(QStringLiteral("hsl() needs 3 values"));
    QString hueText = parts[0];
    if (hueText.endsWith(QStringLiteral("deg"), Qt::CaseInsensitive))
        hueText.chop(3);
    long double hue = 0;
    if (!ToNumber(hueText, hue))
        return Fail(QStringLiteral("hsl() hue '%1' is no number").arg(Shown(parts[0])));
    long double sl[2];
    for (int k = 0; k < 2; ++k) {
        QString p = parts[k + 1];
        if (!p.endsWith('%'))
            return Fail(QStringLiteral("hsl() needs percentages"));
        p.chop(1);
        if (!ToNumber(p, sl[k]))
            return Fail(QStringLiteral("hsl() value '%1' is no number").arg(Shown(parts[k + 1])));
        if (sl[k] < 0 || sl[k] > 100)
            return Fail(QStringLiteral("hsl() percentages are 0..100%"));
    }
    const TRgbColor c = HslToRgb(hue, sl[0] / 100, sl[1] / 100);
    return Done(c.Red, c.Green, c.Blue);
}

TColorTextResult ParsePlainTriple(const QString& text)
{
    const QStringList parts = text.split(',');
    int v[3];
    for (int k = 0; k < 3; ++k) {
        bool ok = false;
        v[k] = parts[k].trimmed().toInt(&ok, 10);
        if (!ok)
            return Fail(QStringLiteral("Not a colour: %1").arg(Shown(text)));
        if (v[k] < 0 || v[k] > 255)
            return Fail(QStringLiteral("Values are 0..255"));
    }
    return Done(v[0], v[1], v[2]);
}

long double HueToChannel(long double t1, long double t2, long double h)
{
    if (h < 0)
        h = h + 360;
    if (h >= 360)
        h = h - 360;
    if (h < 60)
        return t1 + (t2 - t1) * h / 60;
    if (h < 180)
        return t2;
    if (h < 240)
        return t1 + (t2 - t1) * (240 - h) / 60;
    return t1;
}

} // namespace

const std::array<TNamedColor, 148>& CssNamedColors()
{
    return kNamed;
}

TRgbColor HslToRgb(long double hue, long double saturation, long double lightness)
{
    long double h = std::fmod(hue, 360.0L);
    if (h < 0)
        h = h + 360;
    const long double t2 =
        lightness <= 0.5L ? lightness * (saturation + 1) : lightness + saturation - lightness * saturation;
    const long double t1 = lightness * 2 - t2;
    auto channel = [&](long double at) { return std::clamp(RoundHalfEven(HueToChannel(t1, t2, at) * 255), 0, 255); };
    return {channel(h + 120), channel(h), channel(h - 120)};
}

QString FormatColor(const TRgbColor& color, TColorForm form)
{
    const int r = Low8(color.Red), g = Low8(color.Green), b = Low8(color.Blue);
    switch (form) {
    case TColorForm::HashHex: return QStringLiteral("#") + Two(r) + Two(g) + Two(b);
    case TColorForm::Hex: return Two(r) + Two(g) + Two(b);
    case TColorForm::Rgb: return QStringLiteral("rgb(%1, %2, %3)").arg(r).arg(g).arg(b);
    case TColorForm::Plain: return QStringLiteral("%1, %2, %3").arg(r).arg(g).arg(b);
    case TColorForm::Hsl: break;
    }
    const int max = std::max({r, g, b}), min = std::min({r, g, b});
    const int d = max - min;
    long double hue = 0, saturation = 0;
    const long double lightness = (long double)(max + min) / 510 * 100;
    if (d > 0) {
        saturation = (long double)d / (255 - std::abs(max + min - 255)) * 100;
        if (max == r) {
            hue = (long double)(g - b) / d;
            if (hue < 0)
                hue = hue + 6;
        } else if (max == g) {
            hue = (long double)(b - r) / d + 2;
        } else {
            hue = (long double)(r - g) / d + 4;
        }
        hue = hue * 60;
    }
    int h = RoundHalfEven(hue);
    if (h >= 360)
        h = h - 360;
    return QStringLiteral("hsl(%1, %2%, %3%)").arg(h).arg(RoundHalfEven(saturation)).arg(RoundHalfEven(lightness));
}

QString ColorFormName(TColorForm form)
{
    switch (form) {
    case TColorForm::HashHex: return QStringLiteral("hash");
    case TColorForm::Hex: return QStringLiteral("hex");
    case TColorForm::Rgb: return QStringLiteral("rgb");
    case TColorForm::Hsl: return QStringLiteral("hsl");
    case TColorForm::Plain: return QStringLiteral("plain");
    }
    return QStringLiteral("hash");
}

TColorForm ColorFormFromName(const QString& name)
{
    for (const TColorForm f : AllColorForms)
        if (ColorFormName(f) == name)
            return f;
    return TColorForm::HashHex;
}

TColorTextResult ParseColorText(const QString& raw)
{
    const QString text = raw.trimmed();
    if (text.isEmpty())
        return Fail(QStringLiteral("No colour: the text is empty"));

    if (text.startsWith('#')) {
        const QString digits = text.mid(1);
        if (!AllHex(digits) || (digits.size() != 3 && digits.size() != 6))
            return Fail(QStringLiteral("Not a colour: %1 (use #RGB or #RRGGBB)").arg(Shown(text)));
        if (digits.size() == 3) {
            const int r = HexDigit(digits[0]), g = HexDigit(digits[1]), b = HexDigit(digits[2]);
            return Done(r * 17, g * 17, b * 17);
        }
        return Done(HexDigit(digits[0]) * 16 + HexDigit(digits[1]), HexDigit(digits[2]) * 16 + HexDigit(digits[3]),
                    HexDigit(digits[4]) * 16 + HexDigit(digits[5]));
    }
    if (text.size() == 6 && AllHex(text))
        return ParseColorText(QStringLiteral("#") + text);

    const QString lower = text.toLower();
    static const QRegularExpression function(QStringLiteral("^(rgba?|hsla?)\\s*\\((.*)\\)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch call = function.match(lower);
    if (call.hasMatch()) {
        const QString inside = call.captured(2);
        return call.captured(1).startsWith('r') ? ParseRgbFunction(inside) : ParseHslFunction(inside);
    }
    if (text.count(',') == 2)
        return ParsePlainTriple(text);

    const QByteArray key = lower.toLatin1();
    const auto* found =
        std::lower_bound(kNamed.begin(), kNamed.end(), key, [](const TNamedColor& c, const QByteArray& k) {
            return std::strcmp(c.name, k.constData()) < 0;
        });
    if (found != kNamed.end() && key == found->name && lower.size() == key.size())
        return Done(int(found->rgb >> 16), int((found->rgb >> 8) & 0xFF), int(found->rgb & 0xFF));
    return Fail(QStringLiteral("Not a colour: %1").arg(Shown(text)));
}
