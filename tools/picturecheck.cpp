// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/picturecheck.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFont>
#include <QRawFont>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include <jpeglib.h>

namespace tools {

namespace {

// The faces the pictures and the program's windows are drawn in.
const char *const kFaces[] = {"Liberation Sans", "DejaVu Sans", "Carlito"};

// The tables that decide how a face's glyphs come out in pixels.
const char *const kShapeTables[] = {"head", "hhea", "hmtx", "loca", "glyf", "cvt ", "fpgm",
                                    "prep", "kern", "GPOS", "gasp"};

QString FaceDescription(const char *family)
{
    QFont font{QString::fromLatin1(family)};
    font.setPixelSize(12);
    const QRawFont face = QRawFont::fromFont(font);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (const char *table : kShapeTables)
        digest.addData(face.fontTable(table));
    // The revision is a 16.16 fixed-point number at offset 4 of the head table.
    const QByteArray head = face.fontTable("head");
    double revision = 0;
    if (head.size() >= 8) {
        const auto byte = [&head](int i) { return quint32(quint8(head[i])); };
        revision = (byte(4) << 24 | byte(5) << 16 | byte(6) << 8 | byte(7)) / 65536.0;
    }
    return QStringLiteral("%1 %2 %3")
        .arg(face.familyName(), QString::number(revision, 'f', 3),
             QString::fromLatin1(digest.result().toHex().left(12)));
}

// The measure works on pictures reduced by kReduction: blocks of kBlock, shifts up to kShift
// and patches of kPatch x kPatch blocks, all in reduced pixels.
constexpr int kReduction = 4;
constexpr int kBlock = 4;
constexpr int kShift = 3;
constexpr int kPatch = 2;

// Each pixel the mean of a kReduction-square of the picture (smaller at the right and bottom).
QImage Reduced(const QImage &picture)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage reduced((source.width() + kReduction - 1) / kReduction,
                   (source.height() + kReduction - 1) / kReduction, QImage::Format_ARGB32);
    for (int y = 0; y < reduced.height(); ++y) {
        for (int x = 0; x < reduced.width(); ++x) {
            int sum[4] = {}, count = 0;
            for (int sy = y * kReduction; sy < std::min(source.height(), (y + 1) * kReduction); ++sy) {
                for (int sx = x * kReduction; sx < std::min(source.width(), (x + 1) * kReduction); ++sx) {
                    const QRgb p = source.pixel(sx, sy);
                    sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p), sum[3] += qAlpha(p);
                    ++count;
                }
            }
            const auto mean = [&](int i) { return (sum[i] + count / 2) / count; };
            reduced.setPixel(x, y, qRgba(mean(0), mean(1), mean(2), mean(3)));
        }
    }
    return reduced;
}

struct BlockGrid {
    int columns = 0;
    int rows = 0;
};

BlockGrid GridOf(const QImage &image)
{
    return {(image.width() + kBlock - 1) / kBlock, (image.height() + kBlock - 1) / kBlock};
}

int ChannelDistance(QRgb p, QRgb q)
{
    return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
           + std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
}

// For each block of a, the mean channel difference to b shifted by the best offset within
// kShift (the edge pixels of b repeat beyond its border).
std::vector<double> BestBlockDifferences(const QImage &a, const QImage &b)
{
    const BlockGrid grid = GridOf(a);
    const int width = a.width(), height = a.height();
    std::vector<double> best(std::size_t(grid.columns) * grid.rows,
                             std::numeric_limits<double>::max());
    std::vector<long> sums(best.size());
    for (int dy = -kShift; dy <= kShift; ++dy) {
        for (int dx = -kShift; dx <= kShift; ++dx) {
            std::fill(sums.begin(), sums.end(), 0);
            for (int y = 0; y < height; ++y) {
                const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
                const auto *rowB = reinterpret_cast<const QRgb *>(
                    b.constScanLine(std::clamp(y + dy, 0, height - 1)));
                long *blockSums = sums.data() + std::size_t(y / kBlock) * grid.columns;
                for (int x = 0; x < width; ++x)
                    blockSums[x / kBlock] +=
                        ChannelDistance(rowA[x], rowB[std::clamp(x + dx, 0, width - 1)]);
            }
            for (std::size_t i = 0; i < best.size(); ++i) {
                const int column = int(i % grid.columns), row = int(i / grid.columns);
                const int pixels = (std::min(width, (column + 1) * kBlock) - column * kBlock)
                                   * (std::min(height, (row + 1) * kBlock) - row * kBlock);
                best[i] = std::min(best[i], sums[i] / (3.0 * pixels));
            }
        }
    }
    return best;
}

// The largest value that a whole patch of blocks reaches: the maximum over every patch of
// the smallest block difference in it.
double LargestOverPatches(const std::vector<double> &blocks, BlockGrid grid)
{
    const int side = std::min({kPatch, grid.columns, grid.rows});
    double largest = 0;
    for (int top = 0; top + side <= grid.rows; ++top) {
        for (int left = 0; left + side <= grid.columns; ++left) {
            double smallest = std::numeric_limits<double>::max();
            for (int row = top; row < top + side; ++row)
                for (int column = left; column < left + side; ++column)
                    smallest = std::min(smallest, blocks[std::size_t(row) * grid.columns + column]);
            largest = std::max(largest, smallest);
        }
    }
    return largest;
}

} // namespace

QString DrawingToolchain()
{
    QStringList parts{QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion()))};
#ifdef LIBJPEG_TURBO_VERSION_NUMBER
    parts << QStringLiteral("libjpeg-turbo %1.%2.%3")
                 .arg(LIBJPEG_TURBO_VERSION_NUMBER / 1000000)
                 .arg(LIBJPEG_TURBO_VERSION_NUMBER / 1000 % 1000)
                 .arg(LIBJPEG_TURBO_VERSION_NUMBER % 1000);
#else
    parts << QStringLiteral("libjpeg %1").arg(JPEG_LIB_VERSION);
#endif
    for (const char *face : kFaces)
        parts << FaceDescription(face);
    return parts.join(QStringLiteral(", "));
}

QString RecordedToolchain(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            return line;
    }
    return {};
}

double PatchDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return std::numeric_limits<double>::infinity();
    const QImage first = Reduced(a), second = Reduced(b);
    const BlockGrid grid = GridOf(first);
    std::vector<double> blocks = BestBlockDifferences(first, second);
    const std::vector<double> backwards = BestBlockDifferences(second, first);
    for (std::size_t i = 0; i < blocks.size(); ++i)
        blocks[i] = std::max(blocks[i], backwards[i]);
    return LargestOverPatches(blocks, grid);
}

} // namespace tools
