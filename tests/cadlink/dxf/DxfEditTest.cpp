#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "DxfSamples.h"
#include "base/TextUtil.h"
#include "cadlink/sim/DxfDrawingFile.h"
#include "cadlink/sim/SimCad.h"
#include "cadlink/sim/dxf/DxfError.h"
#include "cadlink/sim/dxf/DxfFiles.h"
#include "cadlink/sim/dxf/GroupStream.h"
#include "sys/TextCodec.h"

namespace tavor::test {
namespace {

using namespace cad::sim;
using dxf::GroupStream;

// The sample opened in the simulated CAD, edited through its automation objects.
struct Opened {
    std::shared_ptr<SimCad> cad = std::make_shared<SimCad>();
    std::unique_ptr<DxfDrawingFile> file;
    std::shared_ptr<cad::Document> doc;

    explicit Opened(const std::string& bytes) {
        file = DxfDrawingFile::open(bytes, cp932(), cad->drawing());
        doc = cad->application()->GetActiveDocument();
    }
    std::shared_ptr<cad::Text> text(const char16_t* handle) {
        return doc->GetObjectByHandle(handle)->AsText();
    }
    std::string saved() const { return file->bytes(cad->drawing()); }
};

// The saved file's records by their handle: type and the values of the codes asked for.
struct RecordView {
    std::string type;
    std::vector<std::pair<int, std::string>> groups;
    std::string value(int code) const {
        for (const auto& [c, v] : groups)
            if (c == code)
                return v;
        return "<none>";
    }
    int count(int code, std::string_view v) const {
        int n = 0;
        for (const auto& [c, value] : groups)
            n += c == code && value == v;
        return n;
    }
};

std::map<std::string, RecordView> records(const std::string& bytes) {
    const GroupStream s = GroupStream::read(bytes);
    std::map<std::string, RecordView> out;
    RecordView current;
    std::string handle;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s.code(i) == 0) {
            if (!handle.empty())
                out[handle] = current;
            if (i == s.size())
                break;
            current = {std::string(s.value(i)), {}};
            handle.clear();
            continue;
        }
        if (s.code(i) == 5 && handle.empty())
            handle = s.value(i);
        current.groups.emplace_back(s.code(i), std::string(s.value(i)));
    }
    return out;
}

std::string header(const std::string& bytes, std::string_view name) {
    const GroupStream s = GroupStream::read(bytes);
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        if (s.code(i) == 9 && s.value(i) == name)
            return std::string(s.value(i + 1));
    return {};
}

TEST(DxfEdit, AChangedStringReplacesOnlyItsGroupInTheCodePage) {
    const std::string original = sampleR2000();
    Opened o(original);
    o.text(u"30")->SetTextString(u"配線\u2460①x");
    const std::string saved = o.saved();

    const std::string before = "1\n" + encodeCodePage(u"表", TextEncoding::Cp932) + "\\U+2460\n";
    // ① is in the code page: written as its bytes, whatever the original used.
    const std::string after = "1\n" + encodeCodePage(u"配線①①x", TextEncoding::Cp932) + "\n";
    std::string expected = original;
    expected.replace(expected.find(before), before.size(), after);
    EXPECT_EQ(saved, expected);

    Drawing again;
    DxfDrawingFile::open(saved, cp932(), again);
    EXPECT_EQ(again.find(u"30")->text.string, u"配線\u2460①x");
}

TEST(DxfEdit, FromR2007OnStringsAreUtf8WhateverTheCodePage) {
    std::string r2018 = sampleR2000Utf8();
    r2018.replace(r2018.find("AC1015"), 6, "AC1032");
    Opened o(r2018);
    EXPECT_EQ(o.cad->drawing().find(u"30")->text.string, u"表\u2460");
    o.text(u"30")->SetTextString(u"端子台");
    EXPECT_EQ(records(o.saved())["30"].value(1), "端子台");
}

TEST(DxfEdit, AnAttributeValueChangesInPlace) {
    Opened o(sampleR2000());
    auto insert = o.doc->GetObjectByHandle(u"32")->AsBlockReference();
    insert->GetAttributes().at(0)->SetAttributeText(u"MC-1");
    auto saved = records(o.saved());
    EXPECT_EQ(saved["33"].value(1), "MC-1");
    EXPECT_EQ(saved["33"].value(2), "NAME");
}

TEST(DxfEdit, AnErasedEntityLeavesWithEveryReferenceToIt) {
    Opened o(sampleR2000());
    o.text(u"30")->DeleteObject();
    o.doc->GetObjectByHandle(u"32")->DeleteObject();
    auto saved = records(o.saved());
    EXPECT_FALSE(saved.contains("30"));
    EXPECT_FALSE(saved.contains("32"));
    EXPECT_FALSE(saved.contains("33"));  // its attribute
    EXPECT_FALSE(saved.contains("34"));  // its SEQEND
    EXPECT_EQ(saved["50"].count(340, "30"), 0);
    EXPECT_EQ(saved["60"].count(330, "30"), 0);  // the dictionary's reactor to it
    EXPECT_EQ(saved["60"].count(330, "35"), 2);
    EXPECT_EQ(saved["50"].count(340, "31"), 1);
    EXPECT_TRUE(saved.contains("31"));
    EXPECT_TRUE(saved.contains("35"));
}

TEST(DxfEdit, ErasingDropsTheEntitysDictionaryAndWhatItOwns) {
    // The LINE is not the program's, but a drawing erased through another path must hold too:
    // the group and the dictionary entries pointing at an erased text go.
    std::string bytes = sampleR2000Utf8();
    bytes.replace(bytes.find("0\nLINE\n5\n35\n"), 0,
                  "0\nTEXT\n5\n36\n102\n{ACAD_XDICTIONARY\n360\n62\n102\n}\n330\n1A\n100\n"
                  "AcDbEntity\n8\n0\n100\nAcDbText\n10\n0.0\n20\n0.0\n30\n0.0\n40\n2.5\n1\n"
                  "owner\n100\nAcDbText\n");
    bytes.replace(bytes.find("0\nENDSEC\n0\nEOF"), 0,
                  "0\nDICTIONARY\n5\n62\n330\n36\n100\nAcDbDictionary\n3\nK\n350\n63\n"
                  "0\nXRECORD\n5\n63\n330\n62\n100\nAcDbXrecord\n1\nx\n");
    Opened o(bytes);
    o.text(u"36")->DeleteObject();
    auto saved = records(o.saved());
    EXPECT_FALSE(saved.contains("36"));
    EXPECT_FALSE(saved.contains("62"));
    EXPECT_FALSE(saved.contains("63"));
    EXPECT_TRUE(saved.contains("60"));
}

TEST(DxfEdit, ACopyGetsANewHandleAFreshOwnerAndNoReactors) {
    Opened o(sampleR2000());
    auto copy = o.text(u"30")->CopyEntity()->AsText();
    EXPECT_EQ(copy->GetHandle(), u"100");
    copy->SetInsertionPoint({7, 8, 0});
    auto blockCopy = o.doc->GetObjectByHandle(u"32")->AsBlockReference()->CopyEntity();
    const std::string saved = o.saved();
    auto r = records(saved);
    ASSERT_TRUE(r.contains("100"));
    EXPECT_EQ(r["100"].value(10), "7.0");
    EXPECT_EQ(r["100"].value(330), "1A");
    EXPECT_EQ(r["100"].count(102, "{ACAD_REACTORS"), 0);
    EXPECT_EQ(r["30"].count(102, "{ACAD_REACTORS"), 1);
    // The block reference's copy: its attribute owned by it, a SEQEND of its own.
    ASSERT_TRUE(r.contains("101"));
    ASSERT_TRUE(r.contains("102"));
    EXPECT_EQ(r["102"].value(330), "101");
    EXPECT_EQ(r["102"].type, "ATTRIB");
    ASSERT_TRUE(r.contains("103"));
    EXPECT_EQ(r["103"].type, "SEQEND");
    EXPECT_EQ(header(saved, "$HANDSEED"), "104");

    Drawing again;
    DxfDrawingFile::open(saved, cp932(), again);
    EXPECT_EQ(again.find(u"101")->attributes, std::vector<EntityId>{0x102});
    EXPECT_EQ(again.handleSeed(), 0x104u);
}

TEST(DxfEdit, AJustifiedTextThatMovesMovesItsAlignmentPoint) {
    Opened o(sampleR2000());
    o.cad->drawing().setLayerLocked(u"LOCKED", false);
    o.text(u"31")->SetInsertionPoint({15, 25, 0});
    auto r = records(o.saved());
    EXPECT_EQ(r["31"].value(10), "15.0");
    EXPECT_EQ(r["31"].value(11), "16.0");
    EXPECT_EQ(r["31"].value(21), "25.0");
}

TEST(DxfEdit, ANewAlignmentWritesTheJustificationAndAlignmentPoint) {
    Opened o(sampleR2000());
    auto t = o.text(u"30");
    t->SetAlignment(8);  // top right
    t->SetTextAlignmentPoint({9, 9, 0});
    auto r = records(o.saved());
    EXPECT_EQ(r["30"].value(72), "2");
    EXPECT_EQ(r["30"].value(11), "9.0");
    EXPECT_EQ(r["30"].value(73), "3");
    Drawing again;
    DxfDrawingFile::open(o.saved(), cp932(), again);
    EXPECT_EQ(again.find(u"30")->text.alignment, 8);
    EXPECT_EQ(again.find(u"30")->text.insertion.x, 9.0);  // moved along with its alignment point
}

TEST(DxfEdit, UndoneEditsSaveAsTheOriginal) {
    const std::string original = sampleR2000();
    Opened o(original);
    o.doc->StartUndoMark();
    o.text(u"30")->SetTextString(u"x");
    o.text(u"30")->CopyEntity();
    o.doc->GetObjectByHandle(u"32")->DeleteObject();
    o.doc->EndUndoMark();
    ASSERT_NE(o.saved(), original);
    EXPECT_TRUE(o.cad->drawing().undo());
    EXPECT_EQ(o.saved(), original);
}

TEST(DxfEdit, ASaveReplacesTheFileWholeOrLeavesItAlone) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(testing::TempDir()) / "tavor-dxf-save";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path file = dir / "a.dxf";
    std::ofstream(file, std::ios::binary) << sampleR2000();
    auto cad = std::make_shared<SimCad>();
    cad->openDxf(file, cp932());
    auto doc = cad->application()->GetActiveDocument();
    doc->GetObjectByHandle(u"30")->AsText()->SetTextString(u"one");
    EXPECT_TRUE(cad->hasUnsavedChanges());
    cad->saveDxf(file);  // over the file it was opened from
    EXPECT_FALSE(cad->hasUnsavedChanges());
    EXPECT_EQ(records(dxf::readWholeFile(file))["30"].value(1), "one");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    doc->GetObjectByHandle(u"30")->AsText()->SetTextString(u"two");
    fs::create_directory(dir / "a.dxf.saving~");  // the new file cannot be made
    EXPECT_THROW(cad->saveDxf(file), dxf::DxfError);
    EXPECT_EQ(records(dxf::readWholeFile(file))["30"].value(1), "one");
    EXPECT_TRUE(cad->hasUnsavedChanges());
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tavor::test
