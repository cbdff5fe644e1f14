#pragma once
// A picture loaded from a file (JPEG, GIF, PNG). A file that is missing or cannot be read gives an
// empty picture: the control then shows nothing and the program goes on.

#include <memory>
#include <string>

namespace kord {

struct PictureData;

class Picture {
  public:
    Picture() = default;
    static Picture Load(const std::string& path);
    bool IsEmpty() const { return !data_; }
    // The file it came from, also when it could not be read (tests and the report look at it).
    const std::string& Path() const { return path_; }
    int WidthPx() const;
    int HeightPx() const;
    const PictureData* Data() const { return data_.get(); }
    bool operator==(const Picture& o) const { return path_ == o.path_ && data_ == o.data_; }

  private:
    std::string path_;
    std::shared_ptr<const PictureData> data_;
};

}  // namespace kord
