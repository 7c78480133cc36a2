// The width conversions over 1 MB of mixed Japanese and ASCII text, beside a plain copy of the
// same text (the ceiling) and ICU's width transliterators (the peer on Linux).
#include <benchmark/benchmark.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>
#include <string>

#include "convert/ZenHanUtil.h"

namespace {

using namespace tavor::zenHanUtil;

// 1 MB of UTF-16: drawing texts with every width of letters, digits, symbols and katakana.
const std::u16string& sampleText() {
    static const std::u16string text = [] {
        const std::u16string lines[] = {
            u"W-001 ﾓｰﾀｰ(M1) ｶﾞｽ遮断弁 ＯＮ／ＯＦＦ\r\n",
            u"線番１２３ 端子台ＴＢ－２ ﾊﾟﾈﾙ \"A\" 'b'\r\n",
            u"インバータ盤「ＩＮＶ」 ガス検知器 No.45, 2.5sq\r\n",
            u"ｲﾝﾀｰﾛｯｸ ｷｬﾝｾﾙ 非常停止 ＥＭＧ－ＳＴＯＰ　ﾌﾟﾛｸﾞﾗﾑ\r\n",
            u"AC200V 3φ 50Hz  制御電源 ＤＣ２４Ｖ ［±10%］\r\n",
        };
        std::u16string t;
        const std::size_t units = 1 << 19;
        for (std::size_t k = 0; t.size() < units; ++k)
            t += lines[k % 5];
        t.resize(units);
        return t;
    }();
    return text;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(sampleText().size() * sizeof(char16_t)));
}

void PlainCopy(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string s = sampleText();
        benchmark::DoNotOptimize(s.data());
        benchmark::ClobberMemory();
    }
    setBytes(state);
}
BENCHMARK(PlainCopy);

template <void (*routine)(std::u16string&, const std::function<void()>&)>
void TableRoutine(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string s = sampleText();
        routine(s, {});
        benchmark::DoNotOptimize(s.data());
    }
    setBytes(state);
}
BENCHMARK(TableRoutine<HanKanaToZen>)->Name("HanKanaToZen");
BENCHMARK(TableRoutine<ZenKanaToHan>)->Name("ZenKanaToHan");
BENCHMARK(TableRoutine<HanDigitToZen>)->Name("HanDigitToZen");
BENCHMARK(TableRoutine<ZenDigitToHan>)->Name("ZenDigitToHan");
BENCHMARK(TableRoutine<HanNumToZen>)->Name("HanNumToZen");
BENCHMARK(TableRoutine<ZenNumToHan>)->Name("ZenNumToHan");
BENCHMARK(TableRoutine<HanAlphaToZen>)->Name("HanAlphaToZen");
BENCHMARK(TableRoutine<ZenAlphaToHan>)->Name("ZenAlphaToHan");
BENCHMARK(TableRoutine<HanSymbolToZen>)->Name("HanSymbolToZen");
BENCHMARK(TableRoutine<ZenSymbolToHan>)->Name("ZenSymbolToHan");

template <void (*routine)(std::u16string&)>
void WidthRoutine(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string s = sampleText();
        routine(s);
        benchmark::DoNotOptimize(s.data());
    }
    setBytes(state);
}
BENCHMARK(WidthRoutine<StrToZen>)->Name("StrToZen");
BENCHMARK(WidthRoutine<StrToHan>)->Name("StrToHan");

void IcuTransliterator(benchmark::State& state, const char* id) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Transliterator> t(
        icu::Transliterator::createInstance(id, UTRANS_FORWARD, status));
    if (U_FAILURE(status)) {
        state.SkipWithError(u_errorName(status));
        return;
    }
    const std::u16string& text = sampleText();
    for (auto _ : state) {
        icu::UnicodeString s(text.data(), static_cast<int32_t>(text.size()));
        t->transliterate(s);
        benchmark::DoNotOptimize(s.getBuffer());
    }
    setBytes(state);
}
BENCHMARK_CAPTURE(IcuTransliterator, FullwidthHalfwidth, "Fullwidth-Halfwidth")
    ->Name("IcuFullwidthHalfwidth");
BENCHMARK_CAPTURE(IcuTransliterator, HalfwidthFullwidth, "Halfwidth-Fullwidth")
    ->Name("IcuHalfwidthFullwidth");

}  // namespace
