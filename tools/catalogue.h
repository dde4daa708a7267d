// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/pictures.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

namespace tools {

// Draws the picture at the given size (its size in resources::kPictureFiles).
QImage DrawPicture(resources::Picture picture, QSize size);

// One file of resources/pictures and how the generator writes it to a path.
struct GeneratedFile {
    QString fileName;
    std::function<void(const QString &path)> write;  // throws std::runtime_error on failure
};

// Every file the generator makes: the pictures in the order of resources::kPictureFiles, the
// button glyph and the two icons. Needs a QApplication with SetUpScreenshotLook().
QList<GeneratedFile> GeneratedFiles();

} // namespace tools
