// The text tab's acquisition and update on a large drawing, each beside the bare cost of the
// same CAD calls on the simulated CAD: the program's own work is the difference.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "cadlink/Connection.h"
#include "shell/MainFormRig.h"

namespace tavor {
namespace {

constexpr int kPicked = 20000;
constexpr int kChanged = 20000, kErased = 1000, kCreated = 1000;

// Texts in rows of 100, as wire numbers stand; rows tie on Y, which the coordinate sort meets.
std::vector<cad::Handle> fillDrawing(cad::sim::Drawing& d, int count) {
    d.addLayer(u"WIRE");
    std::vector<cad::Handle> handles;
    handles.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        handles.push_back(
            d.addText({u"W" + toU16(1000 + i), {10.0 * (i % 100), -8.0 * (i / 100), 0}, u"WIRE"}));
    return handles;
}

struct Bench {
    explicit Bench(int texts) : handles(fillDrawing(rig.cad.cad->drawing(), texts)) {
        rig.form.CheckBox1.checked = true;
    }
    test::MainFormRig rig;
    std::vector<cad::Handle> handles;
};

void BM_Acquisition(benchmark::State& state) {
    Bench b(kPicked);
    for (auto _ : state) {
        b.rig.cad.picker.pickAllNext();
        b.rig.form.SpeedButton1Click();
        benchmark::DoNotOptimize(b.rig.form.textList.size());
    }
    state.counters["texts"] = static_cast<double>(b.rig.form.textList.size());
}

// The calls the acquisition makes, with nothing of the program's own.
void BM_AcquisitionBareCad(benchmark::State& state) {
    Bench b(kPicked);
    for (auto _ : state) {
        std::shared_ptr<cad::Application> app;
        cad::ConnectToCad(b.rig.link, app);
        const auto doc = app->GetActiveDocument();
        const auto layers = doc->GetLayers();
        for (std::int32_t i = 0; i < layers->Count(); ++i)
            benchmark::DoNotOptimize(layers->Item(i)->Lock());
        std::shared_ptr<cad::SelectionSet> set;
        cad::GetWorkSelectionSet(*doc, set);
        set->ClearSelectionSet();
        b.rig.cad.picker.pickAllNext();
        set->SelectOnScreen({{cad::kFilterEntityType, u"TEXT"}});
        const std::int32_t n = set->GetEntityCount();
        for (std::int32_t i = 0; i < n; ++i) {
            const auto text = set->GetEntityByIndex(i)->AsText();
            benchmark::DoNotOptimize(text->GetLayer());
            benchmark::DoNotOptimize(text->GetTextString());
            benchmark::DoNotOptimize(text->GetHandle());
            benchmark::DoNotOptimize(text->GetAlignment());
            benchmark::DoNotOptimize(text->GetInsertionPoint());
            benchmark::DoNotOptimize(text->GetLayer());
        }
        set->ClearSelectionSet();
        set->DeleteSelectionSet();
    }
}

// A drawing of changed + erased texts, acquired; the editor changes every text, blanks every
// 21st line and adds lines for new texts.
struct UpdateBench : Bench {
    UpdateBench() : Bench(kChanged + kErased) {
        rig.form.CheckBox1.checked = false;
        rig.cad.picker.pickNext(handles);
        rig.form.SpeedButton1Click();
        rig.form.Edit2.text = u"-8";
        for (int i = 0; i < kChanged + kErased; ++i)
            lines.push_back(i % 21 == 20 ? u"" : u"X" + toU16(i));
        for (int i = 0; i < kCreated; ++i)
            lines.push_back(u"N" + toU16(i));
        rig.editor.setLines(lines);
    }
    std::vector<std::u16string> lines;
};

void BM_Update(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto b = std::make_unique<UpdateBench>();
        state.ResumeTiming();
        b->rig.form.SpeedButton2Click();
        benchmark::DoNotOptimize(b->rig.form.textList.size());
        state.PauseTiming();
        b.reset();
        state.ResumeTiming();
    }
}

// The calls the update makes for the same lines.
void BM_UpdateBareCad(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto b = std::make_unique<UpdateBench>();
        state.ResumeTiming();
        std::shared_ptr<cad::Application> app;
        cad::ConnectToCad(b->rig.link, app);
        const auto doc = app->GetActiveDocument();
        std::shared_ptr<cad::Text> templ;
        for (std::size_t i = 0; i < b->handles.size(); ++i) {
            const auto text = doc->GetObjectByHandle(b->handles[i])->AsText();
            if (b->lines[i].empty()) {
                text->DeleteObject();
                continue;
            }
            benchmark::DoNotOptimize(text->GetTextString());
            text->SetTextString(b->lines[i]);
            templ = text;
        }
        templ = doc->GetObjectByHandle(b->handles[b->handles.size() - 2])->AsText();
        cad::Point at = templ->GetInsertionPoint();
        for (std::size_t m = b->handles.size(); m < b->lines.size(); ++m) {
            at.y -= 8;
            const auto copy = templ->CopyEntity()->AsText();
            benchmark::DoNotOptimize(copy->GetAlignment());
            copy->SetInsertionPoint(at);
            copy->SetTextString(b->lines[m]);
            benchmark::DoNotOptimize(copy->GetTextString());
            benchmark::DoNotOptimize(copy->GetHandle());
            benchmark::DoNotOptimize(copy->GetAlignment());
            benchmark::DoNotOptimize(copy->GetLayer());
            benchmark::DoNotOptimize(copy->GetInsertionPoint());
            templ = copy;
        }
        doc->RegenerateDisplay(0);
        state.PauseTiming();
        b.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_Acquisition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AcquisitionBareCad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Update)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_UpdateBareCad)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace tavor
