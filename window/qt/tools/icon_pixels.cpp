// Build step: writes an image's pixels as a C++ array, so that the program
// can show its icon without an image decoder (Qt's reader loads every image
// format plugin to look for one).
// usage: icon_pixels IMAGE OUTPUT.cpp
#include <QImage>

#include <cstdio>
#include <fstream>

int main(int argc, char *argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: icon_pixels IMAGE OUTPUT.cpp\n");
    return 2;
  }
  const QImage image =
      QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
  if (image.isNull()) {
    std::fprintf(stderr, "icon_pixels: cannot read %s\n", argv[1]);
    return 1;
  }
  std::ofstream out(argv[2]);
  out << "#include \"window/qt/application_icon.h\"\n\n"
      << "namespace {\n\n"
      << "alignas(4) const unsigned char pixels[] = {";
  const auto *bytes = image.constBits();
  for (qsizetype i = 0; i < image.sizeInBytes(); ++i) {
    out << (i % 24 == 0 ? "\n    " : " ") << static_cast<unsigned>(bytes[i]) << ',';
  }
  out << "\n};\n\n} // namespace\n\n"
      << "QImage application_icon() {\n"
      << "  return QImage(pixels, " << image.width() << ", " << image.height()
      << ", QImage::Format_ARGB32);\n}\n";
  return out ? 0 : 1;
}
