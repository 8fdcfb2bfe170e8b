// brivadune-metafile: reads a Windows metafile (WMF or EMF) on standard
// input and writes it as an SVG document on standard output. The program
// starts it for every metafile it reads, under limits of time and memory,
// so that a file the libraries choke on costs a refused picture, never
// the program.
#include "MetafileToSvg.h"

#include <cstdio>
#include <string>

namespace {

// As much as the program reads of any picture file.
constexpr size_t InputCap = 256u * 1024 * 1024;

} // namespace

int main()
{
    std::string input;
    char buffer[65536];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        if (input.size() + read > InputCap)
            return 2;
        input.append(buffer, read);
    }
    const std::string svg = MetafileToSvg::convert(input);
    if (svg.empty())
        return 1;
    return std::fwrite(svg.data(), 1, svg.size(), stdout) == svg.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
