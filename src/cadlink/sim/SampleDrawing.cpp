#include "cadlink/sim/SampleDrawing.h"

#include "base/TextUtil.h"

namespace tavor::cad::sim {

namespace {

using Values = std::vector<std::pair<std::u16string, std::u16string>>;

BlockEntityRecord line(double x1, double y1, double x2, double y2) {
    return {u"AcDbLine", {}, {}, {}, {x1, y1, 0}, {x2, y2, 0}};
}

void addRectangle(BlockRecord& block, double w, double h) {
    block.entities.push_back(line(0, 0, w, 0));
    block.entities.push_back(line(w, 0, w, h));
    block.entities.push_back(line(w, h, 0, h));
    block.entities.push_back(line(0, h, 0, 0));
}

BlockEntityRecord attdef(std::u16string tag, std::u16string prompt, double x, double y) {
    return {u"AcDbAttributeDefinition", std::move(tag), std::move(prompt), {}, {x, y, 0}, {}};
}

// A block whose attribute definitions stand one under the other inside a w × h box.
BlockRecord boxBlock(std::u16string name, double w, double h,
                     const std::vector<std::pair<std::u16string, std::u16string>>& tagsAndPrompts) {
    BlockRecord b{std::move(name), {}};
    addRectangle(b, w, h);
    double y = h - 4;
    for (const auto& [tag, prompt] : tagsAndPrompts) {
        b.entities.push_back(attdef(tag, prompt, 2, y));
        y -= 4;
    }
    return b;
}

// A title block: a sheet frame with its fields in a table at the lower right.
BlockRecord frameBlock(std::u16string name, const std::vector<std::u16string>& tags) {
    BlockRecord b{std::move(name), {}};
    addRectangle(b, 420, 297);
    b.entities.push_back(line(250, 0, 250, 60));
    b.entities.push_back(line(250, 60, 420, 60));
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const double x = 255 + 85.0 * static_cast<double>(i % 2);
        const double y = 54 - 6.0 * static_cast<double>(i / 2);
        b.entities.push_back(attdef(tags[i], tags[i] + u" 欄", x, y));
    }
    return b;
}

void insert(Drawing& d, const std::u16string& block, Point at, const std::u16string& layer,
            const Values& values) {
    d.addInsert({block, at, layer, d.attributesOf(block, values)});
}

void addWireNumberColumn(Drawing& d) {
    // Top to bottom; two of them on the locked layer, one on its look-alike.
    const char16_t* texts[] = {u"R101",     u"R102", u"S103", u"S104",
                               u"Ｔ１０５", u"T106", u"N107", u"N108"};
    for (int i = 0; i < 8; ++i) {
        const std::u16string layer = i == 2 || i == 5 ? kSampleLockedLayer
                                     : i == 6         ? kSampleUnlockedLookalike
                                                      : u"WIRE";
        d.addText({texts[i], {30, 250.0 - 10 * i, 0}, layer});
    }
}

void addLabelRow(Drawing& d) {
    const char16_t* texts[] = {u"電源 L1", u"電源 L2",  u"電源 L3",
                               u"接地 PE", u"制御 P24", u"制御 N24"};
    for (int i = 0; i < 6; ++i)
        d.addText({texts[i], {60.0 + 28 * i, 20, 0}, u"TEXT"});
    // Placed by their alignment points (centred, right-aligned), and one in lower case.
    d.addText({u"盤内配線図", {120, 285, 0}, u"TEXT", 1, 5});
    d.addText({u"単線結線", {240, 285, 0}, u"TEXT", 2, 3.5});
    d.addText({u"motor m1", {60, 30, 0}, u"TEXT"});
    d.addText({u"注記：この画層は変更禁止", {60, 270, 0}, kSampleLockedLayer});
}

void addIoComments(Drawing& d) {
    const Values rows[] = {
        {{u"PIN1", u"1"}, {u"IOADRS", u"X000"}, {u"JCMNT1", u"非常停止"}, {u"JCMNT2", u"押釦"}},
        {{u"PIN1", u"2"}, {u"IOADRS", u"X001"}, {u"JCMNT1", u"運転"}, {u"JCMNT2", u"押釦"}},
        {{u"PIN1", u"3"}, {u"IOADRS", u"X002"}, {u"JCMNT1", u"停止"}, {u"JCMNT2", u"押釦"}},
        {{u"PIN1", u"4"}, {u"IOADRS", u"X003"}, {u"JCMNT1", u"過負荷"}, {u"JCMNT2", u"ＴＨＲ"}},
    };
    for (int i = 0; i < 4; ++i)
        insert(d, u"IO_COMMENT", {170, 240.0 - 22 * i, 0}, u"IO", rows[i]);
    // A two-line comment: two attributes with the TAG JCMNT2 in one reference.
    auto attributes = d.attributesOf(
        u"IO_COMMENT2",
        {{u"PIN1", u"5"}, {u"IOADRS", u"X004"}, {u"JCMNT1", u"予備"}, {u"JCMNT2", u"上段"}});
    attributes.back().value = u"下段";
    d.addInsert({u"IO_COMMENT2", {170, 152, 0}, u"IO", attributes});
}

void addDevices(Drawing& d) {
    insert(d, u"DEVICE", {60, 90, 0}, u"DEVICE",
           {{u"NAME", u"MC1"},
            {u"NAME1", u"主電磁接触器"},
            {u"SPEC", u"AC200V"},
            {u"TYPE", u"SC-05"}});
    insert(
        d, u"DEVICE", {100, 90, 0}, u"DEVICE",
        {{u"NAME", u"MC2"}, {u"NAME1", u"補助接触器"}, {u"SPEC", u"AC200V"}, {u"TYPE", u"SC-03"}});
    insert(
        d, u"DEVICE", {140, 90, 0}, kSampleLockedLayer,
        {{u"NAME", u"THR1"}, {u"NAME1", u"熱動継電器"}, {u"SPEC", u"2.5A"}, {u"TYPE", u"TH-N12"}});
    insert(d, u"MOTOR", {180, 90, 0}, u"DEVICE",
           {{u"NAME", u"M1"}, {u"SPEC", u"0.4kW"}, {u"TYPE", u"三相誘導電動機"}});
}

void addWireNumberBlocks(Drawing& d) {
    for (int i = 0; i < 5; ++i) {
        const std::u16string layer = i == 4 ? kSampleLockedLayer : u"WIRE";
        insert(d, u"SENBAN", {60.0 + 20 * i, 60, 0}, layer, {{u"SENBAN", toU16(201 + i)}});
    }
}

void addFrames(Drawing& d) {
    insert(d, u"FRAME_KVB", {0, 0, 0}, u"FRAME",
           {{u"CST", u"株式会社サンプル"},
            {u"CST1", u"第一工場"},
            {u"TITLE", u"制御盤"},
            {u"TITLE1", u"展開接続図"},
            {u"DWGNO", u"E-1001"},
            {u"REVNO", u"0"},
            {u"PAGEN", u"1"},
            {u"PAGEM", u"2"},
            {u"ENAM", u"山田"},
            {u"EDATE", u"2024/04/01"},
            {u"CNAM", u"佐藤"},
            {u"CDATE", u"2024/04/02"},
            {u"ANAM", u"鈴木"},
            {u"ADATE", u"2024/04/03"}});
    insert(d, u"FRAME_TTL", {450, 0, 0}, u"FRAME",
           {{u"ZITEM1", u"制御盤"},
            {u"ZITEM2", u"外形図"},
            {u"ZSHEET", u"2/2"},
            {u"ZSEIHIN", u"CP-100"},
            {u"PAGE", u"2"},
            {u"FILE3", u"E-1002.dwg"}});
}

}  // namespace

void defineSampleBlocks(Drawing& d) {
    d.defineBlock(boxBlock(u"IO_COMMENT", 60, 18,
                           {{u"PIN1", u"ピン番号"},
                            {u"IOADRS", u"I/Oアドレス"},
                            {u"JCMNT1", u"コメント１"},
                            {u"JCMNT2", u"コメント２"}}));
    d.defineBlock(boxBlock(u"IO_COMMENT2", 60, 22,
                           {{u"PIN1", u"ピン番号"},
                            {u"IOADRS", u"I/Oアドレス"},
                            {u"JCMNT1", u"コメント１"},
                            {u"JCMNT2", u"コメント２"},
                            {u"JCMNT2", u"コメント２（下段）"}}));
    d.defineBlock(boxBlock(
        u"DEVICE", 34, 18,
        {{u"NAME", u"機器名"}, {u"NAME1", u"機器名１"}, {u"SPEC", u"仕様"}, {u"TYPE", u"型式"}}));
    // A device whose NAME has no prompt: a column caption comes from the first block with one.
    d.defineBlock(
        boxBlock(u"MOTOR", 34, 14, {{u"NAME", u""}, {u"SPEC", u"出力"}, {u"TYPE", u"型式"}}));
    d.defineBlock(boxBlock(u"SENBAN", 16, 6, {{u"SENBAN", u"線番"}}));
    d.defineBlock(frameBlock(
        u"FRAME_KVB", {u"CST", u"CST1", u"TITLE", u"TITLE1", u"DWGNO", u"REVNO", u"PAGEN", u"PAGEM",
                       u"ENAM", u"EDATE", u"CNAM", u"CDATE", u"ANAM", u"ADATE"}));
    d.defineBlock(frameBlock(
        u"FRAME_TTL", {u"BITEM7", u"BITEM5", u"ZITEM2", u"ZITEM3", u"ZITEM1", u"ZSHEET", u"FILE3",
                       u"ZITEM10", u"ZITEM9", u"ZITEM8", u"BITEM2", u"ZITEM5", u"BITEM3", u"ZITEM6",
                       u"BITEM4", u"ZITEM7", u"ZSEIHIN", u"PAGE"}));
}

void loadSampleDrawing(Drawing& d) {
    d.addLayer(u"TEXT", false, 0xFFFFFF);
    d.addLayer(u"WIRE", false, 0xFFFF00);
    d.addLayer(u"IO", false, 0x00FF7F);
    d.addLayer(u"DEVICE", false, 0x00FFFF);
    d.addLayer(u"FRAME", false, 0xC080FF);
    d.addLayer(kSampleLockedLayer, true, 0xFF6060);
    d.addLayer(kSampleUnlockedLookalike, false, 0xFFA040);
    defineSampleBlocks(d);
    addFrames(d);
    addWireNumberColumn(d);
    addLabelRow(d);
    addIoComments(d);
    addDevices(d);
    addWireNumberBlocks(d);
}

}  // namespace tavor::cad::sim
