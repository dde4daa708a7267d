// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/catalogue.h"

#include "tools/circuitprogram.h"
#include "tools/glyphs.h"
#include "tools/houseprogram.h"
#include "tools/jpegwriter.h"
#include "tools/networkprogram.h"
#include "tools/teaching.h"
#include "tools/unitphoto.h"

#include <stdexcept>

namespace tools {
namespace {

constexpr int kJpegQuality = 90;

QString FileNameOf(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void Require(bool ok, const QString &what)
{
    if (!ok)
        throw std::runtime_error(what.toStdString());
}

} // namespace

QImage DrawPicture(resources::Picture picture, QSize size)
{
    using resources::Picture;
    switch (picture) {
    case Picture::UnitPhoto:
        return DrawUnitPhoto(size);
    case Picture::Program1View1:
        return DrawCircuitProgram(CircuitView::BranchedCircuit, size);
    case Picture::Program1View2:
        return DrawCircuitProgram(CircuitView::PipeLoop, size);
    case Picture::Program1View3:
        return DrawCircuitProgram(CircuitView::SinglePipe, size);
    case Picture::Program1View4:
        return DrawCircuitProgram(CircuitView::PumpChart, size);
    case Picture::Program2View1:
        return DrawNetworkProgram(NetworkView::WaterSupply, size);
    case Picture::Program2View2:
        return DrawNetworkProgram(NetworkView::PipeResults, size);
    case Picture::Program2View3:
        return DrawNetworkProgram(NetworkView::SinglePipeLoop, size);
    case Picture::Program2View4:
        return DrawNetworkProgram(NetworkView::VerticalRisers, size);
    case Picture::Program2View5:
        return DrawNetworkProgram(NetworkView::HorizontalBranches, size);
    case Picture::Program3View1:
        return DrawHouseProgram(HouseView::GroundPlot, size);
    case Picture::Program3View2:
        return DrawHouseProgram(HouseView::WindowEditor, size);
    case Picture::Program3View3:
        return DrawHouseProgram(HouseView::FloorSlab, size);
    case Picture::Program3View4:
        return DrawHouseProgram(HouseView::RoomResults, size);
    case Picture::BookletCover:
        return DrawBookletCover(size);
    case Picture::DesignCourse:
        return DrawCourseBox(Course::DesignCalculations, size);
    case Picture::HeatCourse:
        return DrawCourseBox(Course::HeatCalculations, size);
    }
    return {};
}

QList<GeneratedFile> GeneratedFiles()
{
    QList<GeneratedFile> files;
    for (const resources::PictureFile &entry : resources::kPictureFiles) {
        files.push_back({FileNameOf(entry.fileName), [entry](const QString &path) {
            const QSize size(entry.width, entry.height);
            const QImage image = DrawPicture(entry.picture, size);
            Require(image.size() == size, path + QStringLiteral(": drawn at the wrong size"));
            WriteProgressiveJpeg(image, path, kJpegQuality);
        }});
    }
    files.push_back({FileNameOf(resources::kButtonGlyphFile), [](const QString &path) {
        Require(DrawButtonGlyph(resources::kButtonGlyphSize).save(path, "BMP"), path);
    }});
    files.push_back({FileNameOf(resources::kIconFile), [](const QString &path) {
        Require(DrawIcon(resources::kIconSize.width()).save(path, "PNG"), path);
    }});
    files.push_back({FileNameOf(resources::kLargeIconFile), [](const QString &path) {
        Require(DrawIcon(resources::kLargeIconSize.width()).save(path, "PNG"), path);
    }});
    return files;
}

} // namespace tools
