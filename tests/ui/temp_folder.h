#pragma once

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

#include "../store/store_files.h"

namespace zunda::testing {

// A throw-away program folder for skin and window tests.
class TempFolder {
 public:
  std::filesystem::path Path() const { return dir_.path().toStdString(); }
  std::filesystem::path operator/(const std::string& relative) const { return Path() / relative; }

  void Write(const std::string& relative, const std::string& text) const {
    std::filesystem::create_directories((Path() / relative).parent_path());
    WriteBytes((Path() / relative).string(), QByteArray::fromStdString(text));
  }
  // A card-sized picture of one flat colour, so drawn cards can be told apart by pixel.
  void Picture(const std::string& relative, QColor colour, const char* format = "BMP") const {
    std::filesystem::create_directories((Path() / relative).parent_path());
    QImage image(132, 180, QImage::Format_RGB32);
    image.fill(colour);
    image.save(QString::fromStdString((Path() / relative).string()), format);
  }
  std::string Read(const std::string& relative) const {
    return ReadBytes((Path() / relative).string()).toStdString();
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace zunda::testing
