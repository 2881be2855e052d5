#include "palette/PaletteFormats.h"

#include "color/ColorConv.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace PaletteFormats {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

// "RRGGBB" of the low 8 bits of each channel.
void AppendHex(QByteArray& out, const TSwatch& s)
{
    for (const int v : {s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF}) {
        out += kHexDigits[v >> 4];
        out += kHexDigits[v & 15];
    }
}

// A whole number 0..255 right-aligned in three places.
void AppendPadded(QByteArray& out, int v)
{
    char buffer[3] = {' ', ' ', ' '};
    int i = 2;
    do {
        buffer[i--] = char('0' + v % 10);
        v /= 10;
    } while (v > 0);
    out.append(buffer, 3);
}

void AppendU16(QByteArray& out, quint16 v)
{
    out += char(v >> 8);
    out += char(v & 0xFF);
}

void AppendU32(QByteArray& out, quint32 v)
{
    AppendU16(out, quint16(v >> 16));
    AppendU16(out, quint16(v & 0xFFFF));
}

void AppendF32(QByteArray& out, float f)
{
    quint32 bits;
    std::memcpy(&bits, &f, 4);
    AppendU32(out, bits);
}

// Name length in UTF-16 units with the closing zero, then the units.
void AppendAseName(QByteArray& out, const QString& name)
{
    AppendU16(out, quint16(name.size() + 1));
    for (const QChar c : name)
        AppendU16(out, c.unicode());
    AppendU16(out, 0);
}

// A palette name on one line: control characters become blanks.
QString OneLine(const QString& name)
{
    QString s = name;
    for (QChar& c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = ' ';
    return s;
}

TReadResult Failed(const QString& error)
{
    TReadResult r;
    r.error = error;
    return r;
}

TReadResult Succeeded(std::vector<TSwatch> swatches, const QString& name = {})
{
    TReadResult r;
    r.ok = true;
    r.swatches = std::move(swatches);
    r.name = name;
    return r;
}

QString Shown(QByteArrayView text)
{
    QByteArray head = text.first(std::min<qsizetype>(text.size(), 40)).toByteArray();
    for (char& c : head)
        if ((unsigned char)c < 0x20 || c == 0x7F)
            c = '?';
    return QString::fromUtf8(head) + (text.size() > 40 ? QStringLiteral("...") : QString());
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

int Channel(long double v)
{
    return std::clamp(RoundHalfEven(v * 255), 0, 255);
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsWordChar(char c)
{
    return HexValue(c) >= 0 || (c >= 'g' && c <= 'z') || (c >= 'G' && c <= 'Z') || c == '_';
}

TSwatch FromHex(const char* p, int digits)
{
    if (digits == 3)
        return {HexValue(p[0]) * 17, HexValue(p[1]) * 17, HexValue(p[2]) * 17, 0, 0};
    return {HexValue(p[0]) * 16 + HexValue(p[1]), HexValue(p[2]) * 16 + HexValue(p[3]),
            HexValue(p[4]) * 16 + HexValue(p[5]), 0, 0};
}

// Splits data into lines at CR LF, LF or a lone CR and calls f(line, number)
// until f returns false.
template <typename F> void ForEachLine(const QByteArray& data, F f)
{
    const char* text = data.constData();
    const qsizetype n = data.size();
    qsizetype pos = 0;
    int number = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && text[end] != '\n' && text[end] != '\r')
            ++end;
        const QByteArrayView line(text + pos, end - pos);
        pos = (end + 1 < n && text[end] == '\r' && text[end + 1] == '\n') ? end + 2 : end + 1;
        if (!f(line, ++number))
            return;
    }
}

} // namespace

// ---- Writers ---------------------------------------------------------------

QByteArray WriteGpl(const QString& name, const std::vector<TSwatch>& swatches, int columns)
{
    QByteArray out;
    out.reserve(64 + qsizetype(swatches.size()) * 19);
    out += "GIMP Palette\nName: ";
    out += OneLine(name).toUtf8();
    out += "\nColumns: ";
    out += QByteArray::number(std::max(columns, 0));
    out += "\n#\n";
    for (const TSwatch& s : swatches) {
        AppendPadded(out, s.Red & 0xFF);
        out += ' ';
        AppendPadded(out, s.Green & 0xFF);
        out += ' ';
        AppendPadded(out, s.Blue & 0xFF);
        out += '\t';
        AppendHex(out, s);
        out += '\n';
    }
    return out;
}

QByteArray WriteAse(const QString& name, const std::vector<TSwatch>& swatches)
{
    const QString groupName = OneLine(name);
    QByteArray out;
    out.reserve(64 + groupName.size() * 2 + qsizetype(swatches.size()) * 40);
    out += "ASEF";
    AppendU16(out, 1);
    AppendU16(out, 0);
    AppendU32(out, quint32(swatches.size() + 2));
    AppendU16(out, 0xC001);
    AppendU32(out, quint32(2 + 2 * (groupName.size() + 1)));
    AppendAseName(out, groupName);
    for (const TSwatch& s : swatches) {
        AppendU16(out, 0x0001);
        AppendU32(out, 2 + 2 * 7 + 4 + 3 * 4 + 2);
        AppendU16(out, 7);
        for (const int v : {s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF}) {
            AppendU16(out, quint16(kHexDigits[v >> 4]));
            AppendU16(out, quint16(kHexDigits[v & 15]));
        }
        AppendU16(out, 0);
        out += "RGB ";
        AppendF32(out, float(s.Red & 0xFF) / 255.0f);
        AppendF32(out, float(s.Green & 0xFF) / 255.0f);
        AppendF32(out, float(s.Blue & 0xFF) / 255.0f);
        AppendU16(out, 0); // global
    }
    AppendU16(out, 0xC002);
    AppendU32(out, 0);
    return out;
}

QString CssIdentifier(const QString& name)
{
    QString out;
    bool dash = false;
    for (const QChar c : name.toLower()) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'
            || (c.unicode() >= 0x80 && c.isLetterOrNumber());
        if (keep) {
            if (dash && !out.isEmpty())
                out += '-';
            dash = false;
            out += c;
        } else {
            dash = true;
        }
    }
    return out.isEmpty() ? QStringLiteral("palette") : out;
}

QByteArray WriteCss(const QString& name, const std::vector<TSwatch>& swatches)
{
    const QByteArray prefix = "  --" + CssIdentifier(name).toUtf8() + '-';
    QByteArray out;
    out.reserve(16 + qsizetype(swatches.size()) * (prefix.size() + 18));
    out += ":root {\n";
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        out += prefix;
        out += QByteArray::number(qulonglong(i + 1));
        out += ": #";
        AppendHex(out, swatches[i]);
        out += ";\n";
    }
    out += "}\n";
    return out;
}

QByteArray WriteJson(const QString& name, const std::vector<TSwatch>& swatches)
{
    // The name through Qt's writer, so that every character is escaped right.
    QByteArray quoted = QJsonDocument(QJsonArray{name}).toJson(QJsonDocument::Compact);
    quoted = quoted.mid(1, quoted.size() - 2);
    QByteArray out;
    out.reserve(64 + quoted.size() + qsizetype(swatches.size()) * 44);
    out += "{\"name\": ";
    out += quoted;
    out += ", \"colors\": [";
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        const TSwatch& s = swatches[i];
        out += i ? ",\n  {\"hex\": \"#" : "\n  {\"hex\": \"#";
        AppendHex(out, s);
        out += "\", \"rgb\": [";
        out += QByteArray::number(s.Red & 0xFF);
        out += ", ";
        out += QByteArray::number(s.Green & 0xFF);
        out += ", ";
        out += QByteArray::number(s.Blue & 0xFF);
        out += "]}";
    }
    out += swatches.empty() ? "]}\n" : "\n]}\n";
    return out;
}

// ---- Readers ---------------------------------------------------------------

TReadResult ReadGpl(const QByteArray& data)
{
    std::vector<TSwatch> swatches;
    swatches.reserve(std::size_t(data.count('\n')) + 1);
    QString name, error;
    bool header = false;
    ForEachLine(data, [&](QByteArrayView line, int number) {
        if (number == 1) {
            if (line.startsWith("\xEF\xBB\xBF"))
                line = line.sliced(3);
            header = line.startsWith("GIMP Palette");
            if (!header)
                error =
                    QStringLiteral("Line 1: \"%1\" is not \"GIMP Palette\"; this is no GIMP palette.").arg(Shown(line));
            return header;
        }
        qsizetype i = 0;
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i == line.size() || line[i] == '#')
            return true;
        if (line.startsWith("Name:")) {
            name = QString::fromUtf8(line.sliced(5)).trimmed();
            return true;
        }
        if (line.startsWith("Columns:"))
            return true;
        int values[3];
        for (int k = 0; k < 3; ++k) {
            while (i < line.size() && IsBlank(line[i]))
                ++i;
            bool negative = false;
            if (i < line.size() && (line[i] == '-' || line[i] == '+'))
                negative = line[i++] == '-';
            const qsizetype start = i;
            long long v = 0;
            while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
                if (v < 100000)
                    v = v * 10 + (line[i] - '0');
                ++i;
            }
            if (i == start || (i < line.size() && !IsBlank(line[i]))) {
                error = QStringLiteral("Line %1: \"%2\" does not start with three numbers (red, green, blue).")
                            .arg(number)
                            .arg(Shown(line));
                return false;
            }
            values[k] = std::clamp(int(negative ? -v : v), 0, 255);
        }
        swatches.push_back({values[0], values[1], values[2], 0, 0});
        return true;
    });
    if (!error.isEmpty())
        return Failed(error);
    if (!header)
        return Failed(QStringLiteral("Line 1: the file is empty; this is no GIMP palette."));
    return Succeeded(std::move(swatches), name);
}

TReadResult ReadAse(const QByteArray& data)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const qsizetype size = data.size();
    auto u16 = [&](qsizetype at) { return quint16(bytes[at] << 8 | bytes[at + 1]); };
    auto u32 = [&](qsizetype at) { return quint32(u16(at)) << 16 | u16(at + 2); };
    auto f32 = [&](qsizetype at) {
        const quint32 bits = u32(at);
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    };

    if (size < 12 || std::memcmp(bytes, "ASEF", 4) != 0)
        return Failed(
            QStringLiteral("Offset 0: the file does not start with \"ASEF\"; this is no Adobe swatch exchange file."));
    if (u16(4) != 1)
        return Failed(QStringLiteral("Offset 4: version %1.%2 of the swatch exchange format cannot be read (1.0 can).")
                          .arg(u16(4))
                          .arg(u16(6)));
    std::vector<TSwatch> swatches;
    swatches.reserve(std::min<std::size_t>(u32(8), std::size_t(size / 22)));
    QString groupName;
    qsizetype pos = 12;
    while (pos < size) {
        if (size - pos < 6)
            return Failed(QStringLiteral("Offset %1: the file ends inside a block header.").arg(pos));
        const quint16 type = u16(pos);
        const quint32 length = u32(pos + 2);
        const qsizetype body = pos + 6;
        if (qint64(length) > size - body)
            return Failed(QStringLiteral("Offset %1: the block is %2 bytes long, past the end of the file.")
                              .arg(pos)
                              .arg(length));
        const qsizetype end = body + qsizetype(length);
        if (type == 0x0001 || type == 0xC001) {
            if (length < 2 || qint64(2) + 2 * qint64(u16(body)) > qint64(length))
                return Failed(QStringLiteral("Offset %1: the name does not fit in its block.").arg(body));
            const qsizetype nameUnits = u16(body);
            if (type == 0xC001 && groupName.isEmpty()) {
                for (qsizetype k = 0; k + 1 < nameUnits; ++k)
                    groupName += QChar(u16(body + 2 + 2 * k));
            }
            if (type == 0x0001) {
                const qsizetype model = body + 2 + 2 * nameUnits;
                if (end - model < 4)
                    return Failed(QStringLiteral("Offset %1: the colour has no model.").arg(model));
                const QByteArray modelName(reinterpret_cast<const char*>(bytes + model), 4);
                int channels = 0;
                if (modelName == "RGB ")
                    channels = 3;
                else if (modelName == "CMYK")
                    channels = 4;
                else if (modelName == "Gray")
                    channels = 1;
                else if (modelName == "LAB ")
                    return Failed(
                        QStringLiteral("Offset %1: a LAB colour; LAB colours cannot be read, only RGB, CMYK and Gray.")
                            .arg(model));
                else
                    return Failed(QStringLiteral("Offset %1: \"%2\" is no colour model (RGB, CMYK or Gray).")
                                      .arg(model)
                                      .arg(Shown(modelName)));
                if (end - (model + 4) < 4 * channels)
                    return Failed(
                        QStringLiteral("Offset %1: the colour's values do not fit in its block.").arg(model + 4));
                long double v[4];
                for (int k = 0; k < channels; ++k) {
                    const float f = f32(model + 4 + 4 * k);
                    if (!std::isfinite(f))
                        return Failed(
                            QStringLiteral("Offset %1: a colour value is not a number.").arg(model + 4 + 4 * k));
                    v[k] = std::clamp<long double>(f, 0, 1);
                }
                TSwatch s;
                if (channels == 3) {
                    s = {Channel(v[0]), Channel(v[1]), Channel(v[2]), 0, 0};
                } else if (channels == 1) {
                    const int g = Channel(v[0]);
                    s = {g, g, g, 0, 0};
                } else {
                    const long double k = 1 - v[3];
                    s = {Channel((1 - v[0]) * k), Channel((1 - v[1]) * k), Channel((1 - v[2]) * k), 0, 0};
                }
                swatches.push_back(s);
            }
        }
        // Group ends and blocks of other kinds carry no colour.
        pos = end;
    }
    return Succeeded(std::move(swatches), groupName);
}

namespace {

// A small JSON reader for palette files: Qt's document model costs several
// times more than the file is worth for large palettes. It checks the whole
// syntax and keeps only what a palette needs; errors give the byte offset.
class TJsonReader {
public:
    explicit TJsonReader(const QByteArray& data)
        : p_(data.constData())
        , n_(data.size())
    {
    }

    QString error;
    qsizetype errorAt = 0;

    bool document(std::vector<TSwatch>& swatches, QString& name)
    {
        blanks();
        if (!expect('{', "the file does not start with '{'"))
            return false;
        bool sawColors = false;
        if (!members([&](QByteArrayView key) {
                if (key == "name" && peek() == '"') {
                    QByteArrayView text;
                    if (!string(text))
                        return false;
                    name = QString::fromUtf8(text);
                    return true;
                }
                if (key == "colors") {
                    sawColors = true;
                    return colors(swatches);
                }
                return skipValue();
            }))
            return false;
        blanks();
        if (i_ != n_)
            return fail("there is more after the end of the palette");
        if (!sawColors) {
            errorAt = 0;
            error = QStringLiteral("there is no \"colors\" list in the file");
            return false;
        }
        return true;
    }

private:
    const char* p_;
    qsizetype n_;
    qsizetype i_ = 0;
    int colour_ = 0;
    QByteArray scratch_;

    bool fail(const char* why)
    {
        if (error.isEmpty()) {
            error = QString::fromLatin1(why);
            errorAt = i_;
        }
        return false;
    }
    char peek() const { return i_ < n_ ? p_[i_] : '\0'; }
    void blanks()
    {
        while (i_ < n_ && (p_[i_] == ' ' || p_[i_] == '\n' || p_[i_] == '\r' || p_[i_] == '\t'))
            ++i_;
    }
    bool expect(char c, const char* why)
    {
        blanks();
        if (peek() != c)
            return fail(why);
        ++i_;
        return true;
    }

    // "key": value pairs up to the closing '}'; the opening '{' is read.
    template <typename F> bool members(F onMember)
    {
        blanks();
        if (peek() == '}') {
            ++i_;
            return true;
        }
        for (;;) {
            blanks();
            QByteArrayView key;
            if (peek() != '"' || !string(key))
                return fail("a name in quotes is expected");
            // The key may live in the scratch buffer that the value reuses.
            const QByteArray keptKey = key.data() == scratch_.constData() ? scratch_ : QByteArray();
            if (!keptKey.isNull())
                key = keptKey;
            if (!expect(':', "':' is expected after a name"))
                return false;
            blanks();
            if (!onMember(key))
                return false;
            blanks();
            if (peek() == ',') {
                ++i_;
                continue;
            }
            return expect('}', "',' or '}' is expected");
        }
    }

    template <typename F> bool elements(F onElement)
    {
        blanks();
        if (peek() == ']') {
            ++i_;
            return true;
        }
        for (;;) {
            blanks();
            if (!onElement())
                return false;
            blanks();
            if (peek() == ',') {
                ++i_;
                continue;
            }
            return expect(']', "',' or ']' is expected");
        }
    }

    // A string's text: a view into the file when it has no escapes, else
    // the decoded text in a buffer of the reader's own.
    bool string(QByteArrayView& out)
    {
        const qsizetype start = ++i_; // after the opening quote
        while (i_ < n_ && p_[i_] != '"' && p_[i_] != '\\' && (unsigned char)p_[i_] >= 0x20)
            ++i_;
        if (i_ < n_ && p_[i_] == '"') {
            out = QByteArrayView(p_ + start, i_ - start);
            ++i_;
            return true;
        }
        scratch_ = QByteArray(p_ + start, i_ - start);
        while (i_ < n_) {
            const char c = p_[i_++];
            if (c == '"') {
                out = scratch_;
                return true;
            }
            if ((unsigned char)c < 0x20) {
                --i_;
                return fail("a control character inside a string");
            }
            if (c != '\\') {
                scratch_ += c;
                continue;
            }
            if (i_ >= n_)
                break;
            const char e = p_[i_++];
            switch (e) {
            case '"': scratch_ += '"'; break;
            case '\\': scratch_ += '\\'; break;
            case '/': scratch_ += '/'; break;
            case 'b': scratch_ += '\b'; break;
            case 'f': scratch_ += '\f'; break;
            case 'n': scratch_ += '\n'; break;
            case 'r': scratch_ += '\r'; break;
            case 't': scratch_ += '\t'; break;
            case 'u': {
                if (n_ - i_ < 4)
                    return fail("a \\u escape needs four hex digits");
                char16_t unit = 0;
                for (int k = 0; k < 4; ++k) {
                    const int v = HexValue(p_[i_ + k]);
                    if (v < 0)
                        return fail("a \\u escape needs four hex digits");
                    unit = char16_t(unit * 16 + v);
                }
                i_ += 4;
                scratch_ += QString(QChar(unit)).toUtf8();
                break;
            }
            default: --i_; return fail("an unknown escape in a string");
            }
        }
        return fail("a string is not closed");
    }

    bool number(double* out)
    {
        const qsizetype start = i_;
        if (peek() == '-')
            ++i_;
        if (!(peek() >= '0' && peek() <= '9'))
            return fail("a value is expected");
        while (peek() >= '0' && peek() <= '9')
            ++i_;
        if (peek() == '.') {
            ++i_;
            if (!(peek() >= '0' && peek() <= '9'))
                return fail("digits are expected after '.'");
            while (peek() >= '0' && peek() <= '9')
                ++i_;
        }
        if (peek() == 'e' || peek() == 'E') {
            ++i_;
            if (peek() == '+' || peek() == '-')
                ++i_;
            if (!(peek() >= '0' && peek() <= '9'))
                return fail("digits are expected in the exponent");
            while (peek() >= '0' && peek() <= '9')
                ++i_;
        }
        if (out) {
            // Whole numbers, the usual case, without a conversion call.
            bool plain = i_ - start <= 9;
            long v = 0;
            for (qsizetype k = start; plain && k < i_; ++k) {
                if (p_[k] < '0' || p_[k] > '9')
                    plain = false;
                else
                    v = v * 10 + (p_[k] - '0');
            }
            *out = plain ? double(v) : QByteArray(p_ + start, i_ - start).toDouble();
        }
        return true;
    }

    bool word(const char* w)
    {
        const qsizetype len = qsizetype(std::strlen(w));
        if (n_ - i_ < len || std::memcmp(p_ + i_, w, std::size_t(len)) != 0)
            return fail("a value is expected");
        i_ += len;
        return true;
    }

    bool skipValue(int depth = 0)
    {
        if (depth > 200)
            return fail("the lists are nested too deeply");
        blanks();
        switch (peek()) {
        case '{': ++i_; return members([&](QByteArrayView) { return skipValue(depth + 1); });
        case '[': ++i_; return elements([&] { return skipValue(depth + 1); });
        case '"': {
            QByteArrayView ignored;
            return string(ignored);
        }
        case 't': return word("true");
        case 'f': return word("false");
        case 'n': return word("null");
        default: return number(nullptr);
        }
    }

    bool badColour()
    {
        error = QStringLiteral("Colour %1 of the \"colors\" list is neither {\"rgb\": [r, g, b]} with whole numbers "
                               "0..255 nor {\"hex\": \"#RRGGBB\"}")
                    .arg(colour_);
        return false;
    }

    bool hexColour(QByteArrayView text, TSwatch& out)
    {
        text = text.trimmed();
        const int digits = int(text.size()) - 1;
        if (!text.startsWith('#') || (digits != 6 && digits != 3)
            || !std::all_of(text.begin() + 1, text.end(), [](char c) { return HexValue(c) >= 0; }))
            return false;
        out = FromHex(text.data() + 1, digits);
        return true;
    }

    bool colors(std::vector<TSwatch>& swatches)
    {
        if (!expect('[', "the \"colors\" value is not a list"))
            return false;
        return elements([&] {
            ++colour_;
            const qsizetype at = i_;
            TSwatch s;
            if (peek() == '"') {
                QByteArrayView text;
                if (!string(text))
                    return false;
                if (!hexColour(text, s)) {
                    errorAt = at;
                    return badColour();
                }
                swatches.push_back(s);
                return true;
            }
            if (peek() != '{') {
                errorAt = at;
                return badColour();
            }
            ++i_;
            bool haveRgb = false, haveHex = false, bad = false;
            TSwatch fromHex;
            if (!members([&](QByteArrayView key) {
                    if (key == "rgb" && peek() == '[') {
                        ++i_;
                        int k = 0;
                        int v[3] = {0, 0, 0};
                        if (!elements([&] {
                                double d = -1;
                                if (peek() == '-' || (peek() >= '0' && peek() <= '9')) {
                                    if (!number(&d))
                                        return false;
                                } else if (!skipValue()) {
                                    return false;
                                }
                                if (k < 3)
                                    v[k] = (d >= 0 && d <= 255 && d == std::floor(d)) ? int(d) : (bad = true, 0);
                                ++k;
                                return true;
                            }))
                            return false;
                        if (k != 3)
                            bad = true;
                        s = {v[0], v[1], v[2], 0, 0};
                        haveRgb = true;
                        return true;
                    }
                    if (key == "hex" && peek() == '"') {
                        QByteArrayView text;
                        if (!string(text))
                            return false;
                        haveHex = hexColour(text, fromHex);
                        return true;
                    }
                    return skipValue();
                }))
                return false;
            if (haveRgb && !bad) {
                swatches.push_back(s);
                return true;
            }
            if (!haveRgb && haveHex) {
                swatches.push_back(fromHex);
                return true;
            }
            errorAt = at;
            return badColour();
        });
    }
};

} // namespace

TReadResult ReadJson(const QByteArray& data)
{
    TJsonReader reader(data);
    std::vector<TSwatch> swatches;
    swatches.reserve(std::size_t(data.size() / 40) + 1);
    QString name;
    if (!reader.document(swatches, name))
        return Failed(QStringLiteral("Offset %1: %2.").arg(reader.errorAt).arg(reader.error));
    return Succeeded(std::move(swatches), name);
}

TReadResult ReadHexText(const QByteArray& data)
{
    std::vector<TSwatch> swatches;
    ForEachLine(data, [&](QByteArrayView line, int) {
        qsizetype a = 0, b = line.size();
        while (a < b && IsBlank(line[a]))
            ++a;
        while (b > a && IsBlank(line[b - 1]))
            --b;
        const QByteArrayView bare = line.sliced(a, b - a);
        if (bare.size() == 6 && std::all_of(bare.begin(), bare.end(), [](char c) { return HexValue(c) >= 0; })) {
            swatches.push_back(FromHex(bare.data(), 6));
            return true;
        }
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] != '#')
                continue;
            qsizetype j = i + 1;
            while (j < line.size() && HexValue(line[j]) >= 0)
                ++j;
            const int digits = int(j - i - 1);
            if ((digits == 6 || digits == 3) && !(j < line.size() && IsWordChar(line[j])))
                swatches.push_back(FromHex(line.data() + i + 1, digits));
            i = j - 1;
        }
        return true;
    });
    return Succeeded(std::move(swatches));
}

TFormat FormatOfFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("gpl"))
        return TFormat::Gpl;
    if (suffix == QStringLiteral("ase"))
        return TFormat::Ase;
    if (suffix == QStringLiteral("json"))
        return TFormat::Json;
    if (suffix == QStringLiteral("css"))
        return TFormat::Css;
    return TFormat::HexText;
}

bool ReadRegularFile(const QString& path, qint64 limit, QByteArray& data, QString& error)
{
    // The shared reader never blocks on a pipe or device and never reads
    // past the limit, even from a file that grows meanwhile.
    TRegularFileRead read = ::ReadRegularFile(path, limit);
    switch (read.status) {
    case TRegularFileRead::Ok: data = std::move(read.data); return true;
    case TRegularFileRead::NotRegular: error = QStringLiteral("It is not a regular file."); break;
    case TRegularFileRead::TooLarge: error = QStringLiteral("It is too large (more than %1 bytes).").arg(limit); break;
    case TRegularFileRead::OpenFailed:
        if (!QFileInfo::exists(path)) {
            error = QStringLiteral("The file does not exist.");
            break;
        }
        [[fallthrough]];
    case TRegularFileRead::ReadFailed: error = read.error + '.'; break;
    }
    return false;
}

TReadResult ImportPaletteFile(const QString& path)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    auto failed = [&](const QString& why) {
        return Failed(QStringLiteral("Cannot import \"%1\".\n%2").arg(shownPath, why));
    };
    QByteArray data;
    QString error;
    if (!ReadRegularFile(path, kMaxImportBytes, data, error))
        return failed(error);
    TReadResult read;
    switch (FormatOfFile(path)) {
    case TFormat::Gpl: read = ReadGpl(data); break;
    case TFormat::Ase: read = ReadAse(data); break;
    case TFormat::Json: read = ReadJson(data); break;
    case TFormat::Css:
    case TFormat::HexText: read = ReadHexText(data); break;
    }
    if (!read.ok)
        return failed(read.error);
    if (read.swatches.empty())
        return failed(QStringLiteral("It holds no colour."));
    read.name = QFileInfo(path).completeBaseName();
    return read;
}

} // namespace PaletteFormats
