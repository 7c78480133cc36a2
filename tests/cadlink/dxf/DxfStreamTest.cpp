#include <gtest/gtest.h>

#include <algorithm>

#include "DxfSamples.h"
#include "cadlink/sim/Drawing.h"
#include "cadlink/sim/DxfDrawingFile.h"
#include "cadlink/sim/dxf/DxfError.h"
#include "cadlink/sim/dxf/GroupStream.h"
#include "cadlink/sim/dxf/GroupWriter.h"

namespace tavor::test {
namespace {

using namespace cad::sim;
using dxf::DxfError;
using dxf::GroupStream;

// Replaces `from` by `to`, everywhere or only the first `times` times.
std::string replaceAll(std::string s, std::string_view from, std::string_view to, int times = -1) {
    for (std::size_t at = s.find(from); at != std::string::npos && times-- != 0;
         at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

// Codes right-aligned to three places, as the CAD writes them.
std::string padded(const std::string& lf) {
    std::string out;
    bool codeLine = true;
    for (std::size_t at = 0; at < lf.size();) {
        const std::size_t nl = lf.find('\n', at);
        std::string line = lf.substr(at, nl - at);
        if (codeLine && line.size() < 3)
            line.insert(0, 3 - line.size(), ' ');
        out += line + "\n";
        codeLine = !codeLine;
        at = nl + 1;
    }
    return out;
}

struct RoundTripCase {
    const char* name;
    std::string bytes;
};

std::vector<RoundTripCase> roundTripCases() {
    const std::string lf = sampleR2000();
    std::string noFinalNewline = lf;
    noFinalNewline.pop_back();
    const std::string r12 =
        dxfLines({"999 written by hand", "0 SECTION", "2 HEADER", "9 $ACADVER", "1 AC1009",
                  "0 ENDSEC", "0 SECTION", "2 ENTITIES", "0 TEXT", "8 0", "10 1", "20 2", "40 2.5",
                  "1 no handle", "0 ENDSEC", "0 EOF"});
    return {
        {"lf", lf},
        {"crlf", replaceAll(lf, "\n", "\r\n")},
        {"bom_crlf", "\xEF\xBB\xBF" + replaceAll(lf, "\n", "\r\n")},
        {"padded_codes", padded(lf)},
        {"blanks_around_values", replaceAll(lf, "\n10\n", "\n10\n  ")},
        // Longer than any offset of 16 bits: a group keeps no offset to its value.
        {"code_line_padded_past_64k",
         replaceAll(lf, "\n10\n", "\n" + std::string(70000, ' ') + "10\n", 1)},
        {"bytes_after_eof", lf + "\x1a\0junk"},
        {"no_final_newline", noFinalNewline},
        {"r12_without_handles_with_comment", r12},
        {"binary", toBinary(lf)},
        // A writer's slip that real files have: header variables after ENDSEC, then another.
        {"stray_endsec_after_header_variables",
         replaceAll(lf, "0\nENDSEC\n", "0\nENDSEC\n9\n$DIMASZ\n40\n2.5\n0\nENDSEC\n", 1)},
    };
}

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, SavingWithoutAnEditGivesBackTheSameBytes) {
    const std::string& bytes = GetParam().bytes;
    std::string streamed;
    dxf::writePatched(GroupStream::read(bytes), {}, [&](std::string_view b) { streamed += b; });
    EXPECT_EQ(streamed, bytes);

    Drawing drawing;
    const auto file = DxfDrawingFile::open(bytes, cp932(), drawing);
    EXPECT_GT(drawing.entityCount(), 0u);
    EXPECT_EQ(file->bytes(drawing), bytes);
}

INSTANTIATE_TEST_SUITE_P(Dxf, RoundTrip, testing::ValuesIn(roundTripCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct FaultCase {
    const char* name;
    std::string bytes;
    std::string message;  // a part of the error's message
};

std::vector<FaultCase> faultCases() {
    const std::string good = sampleR2000Utf8();
    const std::string binary = toBinary(good);
    const std::string badCode = replaceAll(good, "\n72\n1\n", "\n7x2\n1\n");
    const auto badLine = std::count(badCode.begin(), badCode.begin() + badCode.find("7x2"), '\n');
    std::string oddLines = good.substr(0, good.size() - 4);  // "0\nEOF\n" loses "EOF\n"
    const std::string proxy = replaceAll(
        good, "0\nENDSEC\n0\nSECTION\n2\nOBJECTS",
        "0\nACAD_PROXY_ENTITY\n5\n70\n92\n2147483648\n0\nENDSEC\n0\nSECTION\n2\nOBJECTS");
    return {
        {"cut_inside_a_section", good.substr(0, good.find("0\nINSERT")), "no ENDSEC"},
        {"cut_after_a_section", good.substr(0, good.rfind("0\nEOF")), "without an EOF"},
        {"bad_group_code", badCode, "line " + std::to_string(badLine + 1) + ": \"7x2\""},
        {"odd_number_of_lines", oddLines, "odd number of lines"},
        {"handle_used_twice", replaceAll(good, "5\n31\n", "5\n30\n"), "used twice (first at line"},
        {"missing_endsec",
         replaceAll(good, "0\nENDSEC\n0\nSECTION\n2\nBLOCKS", "0\nSECTION\n2\nBLOCKS"),
         "before the section TABLES"},
        {"binary_cut_short", binary.substr(0, binary.size() / 2), "byte "},
        {"length_of_two_gigabytes", proxy, "claims more than the file holds"},
        {"number_that_is_not_one", replaceAll(good, "10\n21.0\n", "10\n2l.0\n"), "not a number"},
    };
}

class Fault : public testing::TestWithParam<FaultCase> {};

TEST_P(Fault, NamesTheLineAndOpensNothing) {
    Drawing drawing;
    drawing.addText({u"kept", {0, 0, 0}});
    try {
        DxfDrawingFile::open(GetParam().bytes, cp932(), drawing);
        FAIL() << "opened";
    } catch (const DxfError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
    ASSERT_EQ(drawing.entityCount(), 1u);
    EXPECT_EQ(drawing.find(drawing.modelSpace()[0])->text.string, u"kept");
}

INSTANTIATE_TEST_SUITE_P(Dxf, Fault, testing::ValuesIn(faultCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DxfStream, ReadsWhatTheDrawingHolds) {
    Drawing d;
    DxfDrawingFile::open(sampleR2000(), cp932(), d);
    ASSERT_TRUE(d.findLayer(u"LOCKED"));
    EXPECT_TRUE(d.isLayerLocked(u"LOCKED"));
    EXPECT_FALSE(d.isLayerLocked(u"0"));

    const EntityRecord* text = d.find(u"30");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text.string, u"表\u2460");
    const EntityRecord* centred = d.find(u"31");
    ASSERT_TRUE(centred);
    EXPECT_EQ(centred->text.alignment, 10);  // middle centre
    EXPECT_EQ(centred->text.alignmentPoint.x, 6.0);
    EXPECT_EQ(centred->layer, u"LOCKED");

    const EntityRecord* insert = d.find(u"32");
    ASSERT_TRUE(insert);
    EXPECT_EQ(insert->blockName, u"TAG");
    ASSERT_EQ(insert->attributes, std::vector<EntityId>{0x33});
    EXPECT_EQ(d.find(u"33")->tag, u"NAME");
    EXPECT_EQ(d.find(u"33")->text.string, u"VAL");
    EXPECT_EQ(d.find(u"33")->text.alignment, 0);  // its 73 is a field length

    const BlockRecord* block = d.findBlock(u"TAG");
    ASSERT_TRUE(block);
    ASSERT_EQ(block->entities.size(), 2u);
    EXPECT_EQ(block->entities[0].prompt, u"名前");
    EXPECT_EQ(block->entities[1].entityName, u"AcDbLine");
    EXPECT_EQ(d.shapes().size(), 1u);  // the model-space LINE
    EXPECT_EQ(d.handleSeed(), 0x100u);
}

}  // namespace
}  // namespace tavor::test
