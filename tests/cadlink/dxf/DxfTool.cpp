// The DXF checks' command-line side: opens files in the simulated CAD and saves them, with or
// without edits made through the automation objects, for the scripts that compare the result
// with an independent reader.
//
//   tavor_dxf_tool roundtrip FILE...        every file opens and saves to the same bytes
//   tavor_dxf_tool edit IN OUT < SCRIPT     edits from SCRIPT lines, then a save to OUT:
//       text HANDLE STRING                  the text's new string
//       erase HANDLE                        the entity goes
//       copy HANDLE DX DY                   a copy moved by DX, DY; prints its handle
//       attrib HANDLE TAG STRING            the block reference's attribute of TAG
//   Strings are UTF-8; "\n" in them is a line break. Each script line is one undo mark.
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "DxfSamples.h"
#include "base/TextUtil.h"
#include "cadlink/CadError.h"
#include "cadlink/UndoMarkScope.h"
#include "cadlink/sim/SimCad.h"
#include "cadlink/sim/dxf/DxfError.h"
#include "cadlink/sim/dxf/DxfFiles.h"

namespace {

using namespace tavor;
using namespace tavor::cad;

std::u16string argument(std::istringstream& in) {
    std::string rest;
    std::getline(in >> std::ws, rest);
    for (std::size_t at = rest.find("\\n"); at != std::string::npos; at = rest.find("\\n", at))
        rest.replace(at, 2, "\n");
    return fromUtf8(rest);
}

std::u16string word(std::istringstream& in) {
    std::string w;
    in >> w;
    return fromUtf8(w);
}

void editLine(Document& doc, const std::shared_ptr<Document>& shared, const std::string& line) {
    std::istringstream in(line);
    std::string verb;
    in >> verb;
    if (verb.empty())
        return;
    UndoMarkScope mark(shared);
    const std::u16string handle = word(in);
    auto object = doc.GetObjectByHandle(handle);
    if (verb == "text") {
        object->AsText()->SetTextString(argument(in));
    } else if (verb == "erase") {
        object->DeleteObject();
    } else if (verb == "copy") {
        double dx = 0, dy = 0;
        in >> dx >> dy;
        auto copy = object->AsText()->CopyEntity()->AsText();
        const bool aligned = copy->GetAlignment() != 0;
        const Point p = aligned ? copy->GetTextAlignmentPoint() : copy->GetInsertionPoint();
        const Point moved{p.x + dx, p.y + dy, p.z};
        if (aligned)
            copy->SetTextAlignmentPoint(moved);
        else
            copy->SetInsertionPoint(moved);
        std::cout << toUtf8(copy->GetHandle()) << "\n";
    } else if (verb == "attrib") {
        const std::u16string tag = word(in), value = argument(in);
        for (const auto& a : object->AsBlockReference()->GetAttributes())
            if (a->TagString() == tag)
                a->SetAttributeText(value);
    } else {
        throw std::runtime_error("unknown edit: " + line);
    }
}

int roundTrip(int count, char** files) {
    int failed = 0;
    for (int k = 0; k < count; ++k) {
        try {
            const std::string bytes = sim::dxf::readWholeFile(files[k]);
            sim::Drawing drawing;
            const auto file = sim::DxfDrawingFile::open(bytes, test::cp932(), drawing);
            if (file->bytes(drawing) != bytes) {
                std::cout << "CHANGED " << files[k] << "\n";
                ++failed;
            }
        } catch (const std::exception& e) {
            std::cout << "ERROR " << files[k] << ": " << e.what() << "\n";
            ++failed;
        }
    }
    std::cout << count - failed << " of " << count << " files saved unchanged\n";
    return failed == 0 ? 0 : 1;
}

int edit(const char* in, const char* out) {
    auto cad = std::make_shared<sim::SimCad>();
    cad->openDxf(in, test::cp932());
    const auto doc = cad->application()->GetActiveDocument();
    for (std::string line; std::getline(std::cin, line);)
        editLine(*doc, doc, line);
    cad->saveDxf(out);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::string command = argc > 1 ? argv[1] : "";
        if (command == "roundtrip")
            return roundTrip(argc - 2, argv + 2);
        if (command == "edit" && argc == 4)
            return edit(argv[2], argv[3]);
    } catch (const CadError& e) {
        std::cerr << toUtf8(e.message()) << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    std::cerr << "usage: tavor_dxf_tool roundtrip FILE... | edit IN OUT < SCRIPT\n";
    return 2;
}
