// pixolen-bmp2ppm IN.bmp OUT.ppm: decodes a file with our reader and writes it
// as binary PPM, so any viewer can show what the reader made of it.
#include "platform/Paths.h"
#include "io/BmpReader.h"
#include "platform/Exception.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

void WritePpm(const Raster& picture, const std::string& path)
{
    std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    if (!out) throw EFCreateError(FormatMessage(Messages::CannotCreateFile, path));
    out << "P6\n" << picture.Width() << ' ' << picture.Height() << "\n255\n";
    // PPM wants red, green, blue.
    std::vector<char> rgb(picture.SizeBytes());
    const std::uint8_t* bgr = picture.Bits();
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = char(bgr[i + 2]);
        rgb[i + 1] = char(bgr[i + 1]);
        rgb[i + 2] = char(bgr[i]);
    }
    out.write(rgb.data(), std::streamsize(rgb.size()));
    out.close();
    if (!out) throw EWriteError(Messages::StreamWrite);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: pixolen-bmp2ppm IN.bmp OUT.ppm\n";
        return 2;
    }
    try {
        WritePpm(LoadBmpFile(argv[1]), argv[2]);
    } catch (const std::bad_alloc&) {
        std::cerr << "out of memory\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    return 0;
}
