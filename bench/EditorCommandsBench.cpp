#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "convert/EditorCommands.h"
#include "convert/PopupMenus.h"
#include "convert/TavorKasanForm.h"
#include "convert/TavorRenbanForm.h"
#include "convert/TavorTikanForm.h"
#include "convert/TestCommandHost.h"

namespace tavor {
namespace {

constexpr int lineCount = 100000;

// Lines of about 20 characters as the drawings hold them: Japanese, half-width kana, ASCII,
// digits and brackets.
std::vector<std::u16string> drawingLines() {
    static const std::u16string heads[] = {u"制御盤", u"ﾎﾟﾝﾌﾟ", u"ＭＣＣ", u"配線", u"ｶﾞｲﾄﾞ"};
    std::vector<std::u16string> lines;
    lines.reserve(lineCount);
    for (int i = 0; i < lineCount; ++i)
        lines.push_back(heads[i % 5] + u" W-" + toU16(1000 + i % 9000) + u" (pump) " +
                        toU16(i % 97));
    return lines;
}

class CommandBench {
public:
    CommandBench() : lines_(drawingLines()) {}

    // Runs one command per iteration over a fresh copy of the lines; the copy is not timed.
    template <class Command>
    void run(benchmark::State& state, Command command) {
        for (auto _ : state) {
            state.PauseTiming();
            host.memoryEditor.setLines(lines_);
            state.ResumeTiming();
            command();
            benchmark::DoNotOptimize(host.memoryEditor.lineCount());
        }
    }

    test::TestCommandHost host;
    TTavorTikanForm tikan;
    TTavorKasanForm kasan;
    TTavorRenbanForm renban{host};
    EditorCommands commands{host, tikan, kasan, renban};
    TPopupMenu1 menu;

private:
    std::vector<std::u16string> lines_;
};

CommandBench& bench() {
    static CommandBench b;
    return b;
}

// The ceiling a command is measured against: read every line and write them all back.
void BM_BareReadAndWriteBack(benchmark::State& state) {
    CommandBench& b = bench();
    b.run(state, [&b] {
        LineEditor& editor = b.host.memoryEditor;
        editor.setLines(editor.lines());
    });
}
BENCHMARK(BM_BareReadAndWriteBack)->Unit(benchmark::kMillisecond);

void BM_N1ToFullWidth(benchmark::State& state) {
    bench().run(state, [] { bench().commands.N1Click(); });
}
BENCHMARK(BM_N1ToFullWidth)->Unit(benchmark::kMillisecond);

void BM_N4ToHalfWidth(benchmark::State& state) {
    bench().run(state, [] { bench().commands.N4Click(); });
}
BENCHMARK(BM_N4ToHalfWidth)->Unit(benchmark::kMillisecond);

void BM_N28Parentheses(benchmark::State& state) {
    bench().run(state, [] { bench().commands.N28Click(); });
}
BENCHMARK(BM_N28Parentheses)->Unit(benchmark::kMillisecond);

// The ten table conversions of "その他のすべてを変換", by the sub-menu item's index.
void BM_N23Table(benchmark::State& state) {
    CommandBench& b = bench();
    const TMenuItem& item = *b.menu.entries[13].submenu[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(toUtf8(item.name));
    b.run(state, [&b, &item] { b.commands.N23Click(b.menu.tableRoutineOf(item)); });
}
BENCHMARK(BM_N23Table)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

void BM_N7ReplaceAll(benchmark::State& state) {
    CommandBench& b = bench();
    b.run(state, [&b] {
        b.host.fakePlatform.answerModal(ModalResult::Ok, [&b] {
            b.tikan.Edit1.text = u"pump";
            b.tikan.Edit2.text = u"PUMP-1";
        });
        b.commands.N7Click();
    });
}
BENCHMARK(BM_N7ReplaceAll)->Unit(benchmark::kMillisecond);

void BM_N14AddAll(benchmark::State& state) {
    CommandBench& b = bench();
    b.run(state, [&b] {
        b.host.fakePlatform.answerModal(ModalResult::Ok, [&b] { b.kasan.Edit1.text = u"1"; });
        b.commands.N14Click();
    });
}
BENCHMARK(BM_N14AddAll)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavor
