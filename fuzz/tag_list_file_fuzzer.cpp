// TAG list files and the detection of their code page: any bytes decode; a text encoded in the
// encoding chosen to keep it decodes to the same text; a list saved and read back is the same
// list, whatever encoding the file came in, and so is a list with lines deleted.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzTempFile.h"
#include "FuzzText.h"
#include "sys/TextCodec.h"
#include "texttab/TagListFile.h"

using namespace tavor;
using tavor::fuzz::require;

namespace {

void encodingsKeepText(const DecodedText& decoded) {
    if (!tavor::fuzz::pairedSurrogates(decoded.text))
        return;
    for (TextEncoding preferred : {decoded.encoding, TextEncoding::Cp932, TextEncoding::Utf16Be}) {
        const TextEncoding kept = encodingThatKeeps(decoded.text, preferred);
        const std::string bytes = encodeText(decoded.text, kept);
        require(decodeText(bytes).text == decoded.text,
                "a text encoded as encodingThatKeeps chose decodes to itself");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const tavor::fuzz::FuzzTempFile file(kGridTagListFile);
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    encodingsKeepText(decodeText(input));

    file.write(input);
    TagListFile list(file.path());
    const auto lines = list.load(TagListFile::Lines::All);
    require(lines.has_value(), "a readable file loads");
    for (const auto& line : *lines)
        require(line.find_first_of(u"\r\n") == std::u16string::npos, "lines hold no break");
    require(list.save(*lines), "a list that was read saves");
    const auto again = TagListFile(file.path()).load(TagListFile::Lines::All);
    require(again == lines, "a saved list reads back as it was");

    // The dialog deletes lines: what is left must read back as it is, in whatever encoding.
    std::vector<std::u16string> left;
    for (std::size_t i = 0; i < lines->size(); i += 2)
        left.push_back((*lines)[i]);
    TagListFile edited(file.path());
    (void)edited.load(TagListFile::Lines::All);
    require(edited.save(left), "an edited list saves");
    require(TagListFile(file.path()).load(TagListFile::Lines::All) == left,
            "an edited list reads back as it was saved");

    TagListFile nonBlank(file.path());
    const auto kept = nonBlank.load(TagListFile::Lines::NonBlank);
    require(kept && kept->size() <= lines->size(), "dropping blank lines only drops lines");
    return 0;
}
