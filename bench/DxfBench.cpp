// Opening and saving a generated 200,000-entity DXF drawing in the simulated CAD, side by side
// with what the same bytes cost with no parsing at all (read the file, write it again) and with
// ezdxf's readfile and saveas (timed by bench/dxf_ezdxf_time.py in its own process). Each run
// reports its peak memory above what the process held before, against the file's size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <malloc.h>

#include "base/TextUtil.h"
#include "cadlink/sim/SimCad.h"
#include "cadlink/sim/dxf/DxfFiles.h"
#include "sys/TextCodec.h"

namespace tavor {
namespace {

namespace fs = std::filesystem;

constexpr int kTexts = 160000, kInserts = 40000;  // 200,000 entities; each insert has 2 ATTRIBs

const fs::path& workDir() {
    static const fs::path dir = fs::temp_directory_path() / "tavor-dxf-bench";
    return dir;
}

cad::sim::dxf::CodePage cp932() {
    return {[](std::string_view b) { return decodeCodePage(b, TextEncoding::Cp932); },
            [](std::u16string_view t) { return encodeCodePage(t, TextEncoding::Cp932); }};
}

// An R2000 drawing in CP932 as a CAD writes it: handles, owners, subclass markers, Japanese
// texts, a block with two attribute definitions, and one reference to it per 5 entities.
class Generator {
public:
    std::string run() {
        out_.reserve(60u << 20);
        add(0, "SECTION"), add(2, "HEADER"), add(9, "$ACADVER"), add(1, "AC1015");
        add(9, "$DWGCODEPAGE"), add(3, "ANSI_932"), add(9, "$HANDSEED");
        add(5, "FFFFFF"), add(0, "ENDSEC");
        add(0, "SECTION"), add(2, "TABLES"), add(0, "TABLE"), add(2, "LAYER");
        add(5, "2"), add(330, "0"), add(100, "AcDbSymbolTable"), add(70, "2");
        layer("10", "0", 7), layer("11", "WIRE", 2), add(0, "ENDTAB"), add(0, "ENDSEC");
        add(0, "SECTION"), add(2, "BLOCKS"), add(0, "BLOCK"), add(5, "20"), add(330, "1F");
        add(100, "AcDbEntity"), add(8, "0"), add(100, "AcDbBlockBegin"), add(2, "DEV");
        add(70, "2"), add(10, "0.0"), add(20, "0.0"), add(30, "0.0"), add(3, "DEV");
        attdef("21", "NAME", u"機器名"), attdef("22", "SPEC", u"仕様");
        add(0, "ENDBLK"), add(5, "23"), add(330, "1F"), add(100, "AcDbEntity"), add(8, "0");
        add(100, "AcDbBlockEnd"), add(0, "ENDSEC");
        add(0, "SECTION"), add(2, "ENTITIES");
        for (int i = 0; i < kTexts + kInserts; ++i)
            if (i % 5 == 4)
                insert(i);
            else
                text(i);
        add(0, "ENDSEC"), add(0, "SECTION"), add(2, "OBJECTS"), add(0, "DICTIONARY");
        add(5, "C"), add(330, "0"), add(100, "AcDbDictionary"), add(0, "ENDSEC"), add(0, "EOF");
        return std::move(out_);
    }

private:
    void add(int code, std::string_view value) {
        char c[8];
        std::snprintf(c, sizeof c, "%3d\r\n", code);
        out_ += c;
        out_ += value;
        out_ += "\r\n";
    }
    void add(int code, double value) { add(code, std::to_string(value)); }
    std::string handle() {
        char h[16];
        std::snprintf(h, sizeof h, "%X", next_++);
        return h;
    }
    void layer(const char* h, const char* name, int colour) {
        add(0, "LAYER"), add(5, h), add(330, "2"), add(100, "AcDbSymbolTableRecord");
        add(100, "AcDbLayerTableRecord"), add(2, name), add(70, "0");
        add(62, std::to_string(colour)), add(6, "CONTINUOUS");
    }
    void attdef(const char* h, const char* tag, std::u16string_view prompt) {
        add(0, "ATTDEF"), add(5, h), add(330, "1F"), add(100, "AcDbEntity"), add(8, "0");
        add(100, "AcDbText"), add(10, "0.0"), add(20, "-3.0"), add(30, "0.0"), add(40, "2.5");
        add(1, ""), add(100, "AcDbAttributeDefinition"), add(3, sjis(prompt)), add(2, tag);
        add(70, "0");
    }
    void textBody(const std::string& h, const char* type, const std::string& owner, double x,
                  double y, const std::string& string) {
        add(0, type), add(5, h), add(330, owner), add(100, "AcDbEntity"), add(8, "WIRE");
        add(100, "AcDbText"), add(10, x), add(20, y), add(30, "0.0"), add(40, "2.5");
        add(1, string);
    }
    void text(int i) {
        textBody(handle(), "TEXT", "1F", 10.0 * (i % 100), -8.0 * (i / 100),
                 (i % 3 ? "W" : sjis(u"線番")) + std::to_string(1000 + i));
        add(100, "AcDbText");
    }
    void insert(int i) {
        const std::string h = handle();
        const double x = 10.0 * (i % 100), y = -8.0 * (i / 100);
        add(0, "INSERT"), add(5, h), add(330, "1F"), add(100, "AcDbEntity"), add(8, "WIRE");
        add(100, "AcDbBlockReference"), add(66, "1"), add(2, "DEV"), add(10, x), add(20, y);
        add(30, "0.0");
        for (const char* tag : {"NAME", "SPEC"}) {
            textBody(handle(), "ATTRIB", h, x, y - 3, sjis(u"機器") + std::to_string(i));
            add(100, "AcDbAttribute"), add(2, tag), add(70, "0");
        }
        add(0, "SEQEND"), add(5, handle()), add(330, h), add(100, "AcDbEntity"), add(8, "WIRE");
    }
    static std::string sjis(std::u16string_view t) {
        return encodeCodePage(t, TextEncoding::Cp932);
    }

    std::string out_;
    unsigned next_ = 0x100;
};

const fs::path& drawingFile() {
    static const fs::path file = [] {
        fs::create_directories(workDir());
        const fs::path f = workDir() / "large.dxf";
        std::ofstream(f, std::ios::binary) << Generator().run();
        return f;
    }();
    return file;
}

long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return 0;
}

// Peak memory of what `work` does above what the process holds before it (Linux: freed heap
// goes back to the system first, and the peak is reset through clear_refs).
template <class F>
double peakMegabytes(F work) {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = statusKb("VmRSS:");
    work();
    return static_cast<double>(statusKb("VmHWM:") - before) / 1024.0;
}

void report(benchmark::State& state, double peakMb) {
    const double fileMb = static_cast<double>(fs::file_size(drawingFile())) / (1 << 20);
    state.counters["file_MB"] = fileMb;
    state.counters["peak_MB"] = peakMb;
    state.counters["peak_per_file"] = peakMb / fileMb;
}

void BM_PlainReadWrite(benchmark::State& state) {
    const fs::path out = workDir() / "plain.dxf";
    double peak = 0;
    for (auto _ : state)
        peak = std::max(peak, peakMegabytes([&] {
                            const std::string bytes = cad::sim::dxf::readWholeFile(drawingFile());
                            cad::sim::dxf::replaceFile(out, [&](const auto& sink) { sink(bytes); });
                        }));
    report(state, peak);
}

void BM_OpenSave(benchmark::State& state) {
    const fs::path out = workDir() / "saved.dxf";
    double peak = 0;
    for (auto _ : state)
        peak = std::max(peak, peakMegabytes([&] {
                            auto cad = std::make_shared<cad::sim::SimCad>();
                            cad->openDxf(drawingFile(), cp932());
                            cad->saveDxf(out);
                        }));
    report(state, peak);
    if (cad::sim::dxf::readWholeFile(out) != cad::sim::dxf::readWholeFile(drawingFile()))
        state.SkipWithError("the saved drawing differs from the opened one");
}

// One tenth of the texts changed through the automation objects before the save.
void BM_OpenEditSave(benchmark::State& state) {
    const fs::path out = workDir() / "edited.dxf";
    double peak = 0;
    for (auto _ : state)
        peak = std::max(peak, peakMegabytes([&] {
                            auto cad = std::make_shared<cad::sim::SimCad>();
                            cad->openDxf(drawingFile(), cp932());
                            auto doc = cad->application()->GetActiveDocument();
                            const auto ids = cad->drawing().modelSpace();
                            for (std::size_t k = 0; k < ids.size(); k += 10)
                                if (cad->drawing().live(ids[k]).kind == cad::sim::EntityKind::Text)
                                    doc->GetObjectByHandle(cad::sim::formatHandle(ids[k]))
                                        ->AsText()
                                        ->SetTextString(u"変更" + toU16(static_cast<long long>(k)));
                            cad->saveDxf(out);
                        }));
    report(state, peak);
}

// ezdxf in its own process; the script times readfile and saveas and measures its own peak.
void BM_Ezdxf(benchmark::State& state) {
    const fs::path script = fs::path(TAVOR_SOURCE_DIR) / "bench" / "dxf_ezdxf_time.py";
    const fs::path result = workDir() / "ezdxf.txt";
    for (auto _ : state) {
        const std::string command = "/usr/bin/python3 '" + script.string() + "' '" +
                                    drawingFile().string() + "' > '" + result.string() + "'";
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("ezdxf could not run (python3-ezdxf installed?)");
            return;
        }
        double seconds = 0, peakMb = 0;
        std::ifstream(result) >> seconds >> peakMb;
        state.SetIterationTime(seconds);
        report(state, peakMb);
    }
}

BENCHMARK(BM_PlainReadWrite)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenSave)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenEditSave)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Ezdxf)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();

}  // namespace
}  // namespace tavor
