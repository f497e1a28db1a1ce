# Writes OUTPUT, a C++ source holding the compiled catalogs FOLDER/CODE.mo for each of CODES as
# byte arrays, and compiledCatalogs() listing them.
# usage: cmake -DCODES="en;..." -DFOLDER=DIR -DOUTPUT=FILE -P embed_catalogs.cmake
set(arrays "")
set(entries "")
foreach(code IN LISTS CODES)
    file(READ ${FOLDER}/${code}.mo hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
           bytes "${bytes}")
    string(APPEND arrays "const unsigned char k_${code}[] = {\n${bytes}};\n")
    string(APPEND entries "        {\"${code}\", k_${code}},\n")
endforeach()
file(WRITE ${OUTPUT}.new "// Written by cmake/embed_catalogs.cmake from the catalogs msgfmt compiled.
#include \"language/compiled_catalogs.h\"

namespace glint::language {
namespace {
${arrays}
}  // namespace

const std::vector<CompiledCatalog>& compiledCatalogs() {
    static const std::vector<CompiledCatalog> all{
${entries}    };
    return all;
}

}  // namespace glint::language
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
