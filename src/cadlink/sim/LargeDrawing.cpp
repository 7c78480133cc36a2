#include "cadlink/sim/LargeDrawing.h"

#include "base/TextUtil.h"
#include "cadlink/sim/SampleDrawing.h"

namespace tavor::cad::sim {

void generateLargeDrawing(Drawing& d, int texts, int inserts) {
    d.addLayer(u"WIRE", false, 0xFFFF00);
    d.addLayer(u"DEVICE", false, 0x00FFFF);
    d.addLayer(u"LOCKED", true, 0xFF6060);
    defineSampleBlocks(d);
    constexpr int perRow = 100;
    for (int i = 0; i < texts; ++i) {
        // Every 50th text lies on the locked layer; some are full-width, as in real drawings.
        const std::u16string number = toU16(1000 + i);
        const std::u16string string = i % 7 == 0 ? u"線番" + number : u"W" + number;
        d.addText({string,
                   {10.0 * (i % perRow), -8.0 * (i / perRow), 0},
                   i % 50 == 0 ? u"LOCKED" : u"WIRE"});
    }
    for (int i = 0; i < inserts; ++i) {
        const Point at{1100.0 + 40 * (i % perRow), -24.0 * (i / perRow), 0};
        if (i % 2 == 0) {
            d.addInsert({u"DEVICE", at, u"DEVICE",
                         d.attributesOf(u"DEVICE", {{u"NAME", u"MC" + toU16(i)},
                                                    {u"SPEC", u"AC200V"},
                                                    {u"TYPE", u"SC-0" + toU16(i % 9)}})});
        } else {
            d.addInsert({u"SENBAN", at, u"WIRE",
                         d.attributesOf(u"SENBAN", {{u"SENBAN", toU16(5000 + i)}})});
        }
    }
}

}  // namespace tavor::cad::sim
