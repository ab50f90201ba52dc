// Draws Colvero's icon: a sunset over the sea as six by six magnified pixels, each a
// square of its colour inside a black mesh, as the editor shows a picture. Writes the
// same drawing twice, as colvero.svg (scalable) and as a 256 x 256 colvero.png, into the
// folder given as the only argument.
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int Size = 256; // the PNG's side and the SVG's view box
constexpr int Cells = 6;  // cells on a side
constexpr int Mesh = 4;   // width of the black lines between cells
constexpr int Pitch = 42; // from one cell's left edge to the next: Cells * Pitch + Mesh = Size
constexpr int Box = Pitch - Mesh;

// One letter a cell, top row first.
constexpr const char* Picture[Cells] = {
    "ddbbdd", //
    "bppbbp", //
    "oooyoo", //
    "rryYyr", //
    "sSsssS", //
    "ssSsss", //
};

unsigned Rgb(char letter) {
    switch (letter) {
    case 'd': return 0x2b3a8c; // dusk blue
    case 'b': return 0x5a6fd6; // sky blue
    case 'p': return 0xb469c8; // violet cloud
    case 'o': return 0xf08a3c; // orange sky
    case 'y': return 0xf8c93a; // sun
    case 'Y': return 0xfff3a0; // the sun's heart
    case 'r': return 0xe0533a; // red horizon
    case 's': return 0x1f7fa8; // sea
    case 'S': return 0x6fd0e8; // light on the sea
    }
    return 0;
}

std::string Hex(unsigned rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", rgb);
    return text;
}

bool WriteSvg(const std::string& path) {
    std::ofstream out(path);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Size << "\" height=\"" << Size
        << "\" viewBox=\"0 0 " << Size << " " << Size << "\">\n"
        << "  <rect width=\"" << Size << "\" height=\"" << Size << "\" fill=\"#000000\"/>\n";
    for (int row = 0; row < Cells; ++row)
        for (int column = 0; column < Cells; ++column)
            out << "  <rect x=\"" << column * Pitch + Mesh << "\" y=\"" << row * Pitch + Mesh
                << "\" width=\"" << Box << "\" height=\"" << Box << "\" fill=\""
                << Hex(Rgb(Picture[row][column])) << "\"/>\n";
    out << "</svg>\n";
    return static_cast<bool>(out);
}

bool WritePng(const std::string& path) {
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (int row = 0; row < Cells; ++row)
        for (int column = 0; column < Cells; ++column)
            painter.fillRect(column * Pitch + Mesh, row * Pitch + Mesh, Box, Box,
                             QColor::fromRgb(Rgb(Picture[row][column])));
    painter.end();
    return image.save(QString::fromStdString(path), "PNG");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: colvero_icon CARPETA\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    return WriteSvg(folder + "colvero.svg") && WritePng(folder + "colvero.png") ? 0 : 1;
}
