// Writes the sample files into a folder as the fuzzer's seed corpus.
#include "tests/fuzz/BmpSamples.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus FOLDER\n");
        return 2;
    }
    for (const auto& sample : bmpsamples::ValidSamples()) {
        std::ofstream out(std::string(argv[1]) + "/" + sample.name + ".bmp", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(sample.file.data()), std::streamsize(sample.file.size()));
        if (!out) return 1;
    }
    return 0;
}
