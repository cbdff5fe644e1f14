#pragma once
// The pixels behind a Picture, for the code that draws it (the Qt binding, the printer surface).

#include <QImage>

#include "platform/Picture.h"

namespace kord {

struct PictureData {
    QImage image;
};

}  // namespace kord
