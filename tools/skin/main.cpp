// varnel-skin: writes the window's skin pictures, or checks that stored ones are up to date.
#include "GeneratedFiles.h"
#include "SkinPictures.h"

namespace {

std::vector<generated::GeneratedFile> skinFiles() {
    std::vector<generated::GeneratedFile> files;
    for (const auto& picture : skin::skinPictures()) {
        files.push_back({picture.fileName, skin::bmpBytes(picture.image)});
    }
    return files;
}

} // namespace

int main(int argc, char** argv) {
    return generated::runGenerator(argc, argv, "varnel-skin", skinFiles);
}
