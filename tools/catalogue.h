#pragma once

#include "resources/pictures.h"

#include <QImage>
#include <QSize>

namespace tools {

// Draws the picture at the given size (its size in resources::kPictureFiles).
QImage DrawPicture(resources::Picture picture, QSize size);

} // namespace tools
