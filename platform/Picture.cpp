#include "platform/Picture.h"

#include <QImageReader>

#include "platform/PictureData.h"
#include "platform/QtString.h"

namespace kord {

Picture Picture::Load(const std::string& path) {
    Picture p;
    p.path_ = path;
    QImageReader reader(Q(path));
    QImage image = reader.read();
    if (!image.isNull()) p.data_ = std::make_shared<PictureData>(PictureData{std::move(image)});
    return p;
}

int Picture::WidthPx() const {
    return data_ ? data_->image.width() : 0;
}
int Picture::HeightPx() const {
    return data_ ? data_->image.height() : 0;
}

}  // namespace kord
