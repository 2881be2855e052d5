#include "palette/PaletteExport.h"

#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>

namespace PaletteExport {

namespace {

const QRgb kBackground = qRgb(255, 255, 255);
const QColor kNameColor(70, 70, 70);
const QRgb kCellBorder = qRgb(80, 80, 80);
const QRgb kFrame = qRgb(100, 100, 100);

// Pixels are set directly: exact colours, and no coordinate limits of the
// raster painter on very tall images.
void FillRect(QImage& image, int x, int y, int w, int h, QRgb color)
{
    const int x0 = std::max(x, 0), x1 = std::min(x + w, image.width());
    const int y0 = std::max(y, 0), y1 = std::min(y + h, image.height());
    for (int row = y0; row < y1; ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        std::fill(line + x0, line + x1, color);
    }
}

} // namespace

int ImageWidth(int cell)
{
    switch (cell) {
    case 40: return 403;
    case 30: return 333;
    case 20: return 283;
    }
    return 0;
}

int Columns(int cell)
{
    return cell > 0 ? ImageWidth(cell) / cell : 0;
}

std::int64_t ImageHeight(int cell, std::int64_t count)
{
    return (count / Columns(cell) + 1) * cell + 26;
}

QPoint CellOrigin(int cell, int index)
{
    const int columns = Columns(cell);
    return {cell * (index % columns) + GridLeft, cell * (index / columns) + GridTop};
}

QString SizeError(int cell, std::int64_t count)
{
    const int width = ImageWidth(cell);
    if (width == 0)
        return QStringLiteral("There is no export layout for swatches of %1 pixels.").arg(cell);
    const std::int64_t height = ImageHeight(cell, count);
    if (height > MaxHeight)
        return QStringLiteral("The palette is too large to be exported as one picture.\n"
                              "With %1 colors it would be %2 x %3 pixels; "
                              "a picture can be at most %4 pixels high.")
            .arg(count)
            .arg(width)
            .arg(height)
            .arg(MaxHeight);
    return {};
}

TPicture BuildExportImage(const QString& name, const std::vector<TSwatch>& swatches, int cell)
{
    TPicture picture;
    picture.error = SizeError(cell, std::int64_t(swatches.size()));
    if (!picture.error.isEmpty())
        return picture;
    const int width = ImageWidth(cell);
    const std::int64_t height = ImageHeight(cell, std::int64_t(swatches.size()));

    QImage image(width, int(height), QImage::Format_RGB32);
    if (image.isNull()) {
        picture.error =
            QStringLiteral("There is not enough memory to build a picture of %1 x %2 pixels.").arg(width).arg(height);
        return picture;
    }
    // 96 dots per inch, so that 12 points are 16 pixels as on the screen.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(kBackground);

    {
        // The name is not wrapped or elided: the image edge cuts it.
        QPainter painter(&image);
        QFont font;
        font.setPointSize(NamePointSize);
        painter.setFont(font);
        painter.setPen(kNameColor);
        const QFontMetrics metrics(font, &image);
        painter.drawText(QPoint(NameLeft, NameTop + metrics.ascent()), name);
    }

    // Each cell covers (cell - 1) x (cell - 1) pixels: a border line around
    // the swatch's colour, and a 1-pixel white gap to the next cell.
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        const TSwatch& s = swatches[i];
        const QPoint origin = CellOrigin(cell, int(i));
        FillRect(image, origin.x(), origin.y(), cell - 1, cell - 1, kCellBorder);
        FillRect(image, origin.x() + 1, origin.y() + 1, cell - 3, cell - 3,
                 qRgb(s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF));
    }

    const int h = image.height();
    FillRect(image, 0, 0, width, 1, kFrame);
    FillRect(image, 0, h - 1, width, 1, kFrame);
    FillRect(image, 0, 0, 1, h, kFrame);
    FillRect(image, width - 1, 0, 1, h, kFrame);

    picture.image = std::move(image);
    return picture;
}

namespace {

QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return {};
    return bytes;
}

TFileResult WriteEncoded(const QString& path, const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return TFileResult::Failed(QStringLiteral("Cannot write file \"%1\". The picture could not be encoded.")
                                       .arg(QDir::toNativeSeparators(path)));
    const TWriteResult w = WriteFileAtomically(path, bytes);
    if (!w.ok)
        return TFileResult::Failed(
            QStringLiteral("Cannot write file \"%1\". %2").arg(QDir::toNativeSeparators(path), w.error));
    return {};
}

} // namespace

// An opaque 32-bit image is written as 24 bits per pixel: bottom-up and
// uncompressed for BMP, RGB without alpha for PNG.
QByteArray EncodeBmp(const QImage& image)
{
    return Encode(image, "BMP");
}
QByteArray EncodePng(const QImage& image)
{
    return Encode(image, "PNG");
}

TFileResult WriteBmp(const QString& path, const QImage& image)
{
    return WriteEncoded(path, EncodeBmp(image));
}
TFileResult WritePng(const QString& path, const QImage& image)
{
    return WriteEncoded(path, EncodePng(image));
}

} // namespace PaletteExport
