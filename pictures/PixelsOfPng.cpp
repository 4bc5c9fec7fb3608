// Build tool: writes the pixels of a PNG as the Qt face reads them back without a decoder,
// premultiplied 32-bit ARGB in this machine's byte order, row after row.
//   picture_pixels PNG OUT
#include <QFile>
#include <QImage>

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]), "png")
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !out.open(QIODevice::WriteOnly)) {
        return 1;
    }
    const qint64 rowBytes = qint64(image.width()) * 4;
    for (int row = 0; row < image.height(); ++row) {
        if (out.write(reinterpret_cast<const char*>(image.constScanLine(row)), rowBytes) !=
            rowBytes) {
            return 1;
        }
    }
    return out.flush() ? 0 : 1;
}
