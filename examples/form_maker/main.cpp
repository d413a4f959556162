// Writes the print forms Melvara ships into a folder: `form_maker examples/forms`.
#include "examples/form_maker/form_layouts.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: form_maker FOLDER\n");
        return 2;
    }
    for (const forms::FormSpec& spec : forms::Forms()) {
        forms::FormCanvas canvas(spec.width, spec.height, spec.description);
        spec.draw(canvas);
        const std::vector<std::byte> bytes = canvas.Build();
        const std::string path = std::string(argv[1]) + "/" + spec.file;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "form_maker: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
