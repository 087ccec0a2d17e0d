// pixolen-life IN.bmp OUT.bmp --generations N [--cell 1|2|4|8] [--thresholds R,G,B]
// Runs the colour Life on the whole picture without a window.
#include "io/BmpReader.h"
#include "io/BmpWriter.h"
#include "life/Generations.h"
#include "platform/StrConv.h"

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string input, output;
    int generations = -1;
    int cell = 1;
    Thresholds thresholds;
};

class UsageError : public std::exception {
public:
    explicit UsageError(std::string text) : text_(std::move(text)) {}
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};

int DecimalArgument(const std::string& option, const std::string& text)
{
    // Plain decimal only; the number fields' hex forms are not for the command line.
    if (text.empty() || text.find_first_not_of("+-0123456789") != std::string::npos)
        throw UsageError(option + ": not a number: '" + text + "'");
    const std::optional<int> value = ParseInt(text);
    if (!value) throw UsageError(option + ": not a number: '" + text + "'");
    return *value;
}

Thresholds ThresholdArgument(const std::string& text)
{
    std::vector<int> values;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        values.push_back(DecimalArgument("--thresholds", text.substr(start, comma - start)));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (values.size() != 3) throw UsageError("--thresholds takes three numbers R,G,B");
    return {values[0], values[1], values[2]};
}

Options ParseArguments(int argc, char** argv)
{
    Options options;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw UsageError(argument + " needs a value");
            return argv[++i];
        };
        if (argument == "--generations") {
            options.generations = DecimalArgument(argument, value());
            if (options.generations < 0) throw UsageError("--generations must be 0 or more");
        } else if (argument == "--cell") {
            options.cell = DecimalArgument(argument, value());
            if (options.cell != 1 && options.cell != 2 && options.cell != 4 && options.cell != 8)
                throw UsageError("--cell must be 1, 2, 4 or 8");
        } else if (argument == "--thresholds") {
            options.thresholds = ThresholdArgument(value());
        } else if (argument.rfind("--", 0) == 0) {
            throw UsageError("unknown option " + argument);
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 2 || options.generations < 0)
        throw UsageError("usage: pixolen-life IN.bmp OUT.bmp --generations N [--cell 1|2|4|8] [--thresholds R,G,B]");
    options.input = files[0];
    options.output = files[1];
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const Options options = ParseArguments(argc, argv);
        Raster picture = LoadBmpFile(options.input);
        const Population counts = RunGenerations(picture, picture.Width(), picture.Height(), options.cell,
                                                 options.thresholds, options.generations);
        SaveBmpFile(picture, options.output);
        std::printf("%d %d %d %d\n", counts.Total, counts.Red, counts.Green, counts.Blue);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pixolen-life: %s\n", error.what());
        return 2;
    }
}
