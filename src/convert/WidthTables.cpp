#include "convert/WidthTables.h"

namespace tavor::zenHanUtil {

namespace {

constexpr std::array<TableRow, 10> kDigitRows{{{u"０", u"0"},
                                               {u"１", u"1"},
                                               {u"２", u"2"},
                                               {u"３", u"3"},
                                               {u"４", u"4"},
                                               {u"５", u"5"},
                                               {u"６", u"6"},
                                               {u"７", u"7"},
                                               {u"８", u"8"},
                                               {u"９", u"9"}}};

constexpr std::array<TableRow, 4> kNumberSignRows{
    {{u"＋", u"+"}, {u"－", u"-"}, {u"．", u"."}, {u"，", u","}}};

template <std::size_t A, std::size_t B>
constexpr std::array<TableRow, A + B> concatenated(const std::array<TableRow, A>& a,
                                                   const std::array<TableRow, B>& b) {
    std::array<TableRow, A + B> rows{};
    for (std::size_t k = 0; k < A; ++k)
        rows[k] = a[k];
    for (std::size_t k = 0; k < B; ++k)
        rows[A + k] = b[k];
    return rows;
}

}  // namespace

const std::array<TableRow, 10> DigitTable = kDigitRows;

// The digit rows, then the signs, the point and the comma.
const std::array<TableRow, 14> NumTable = concatenated(kDigitRows, kNumberSignRows);

const std::array<TableRow, 52> AlphaTable{{
    {u"Ａ", u"A"}, {u"Ｂ", u"B"}, {u"Ｃ", u"C"}, {u"Ｄ", u"D"}, {u"Ｅ", u"E"}, {u"Ｆ", u"F"},
    {u"Ｇ", u"G"}, {u"Ｈ", u"H"}, {u"Ｉ", u"I"}, {u"Ｊ", u"J"}, {u"Ｋ", u"K"}, {u"Ｌ", u"L"},
    {u"Ｍ", u"M"}, {u"Ｎ", u"N"}, {u"Ｏ", u"O"}, {u"Ｐ", u"P"}, {u"Ｑ", u"Q"}, {u"Ｒ", u"R"},
    {u"Ｓ", u"S"}, {u"Ｔ", u"T"}, {u"Ｕ", u"U"}, {u"Ｖ", u"V"}, {u"Ｗ", u"W"}, {u"Ｘ", u"X"},
    {u"Ｙ", u"Y"}, {u"Ｚ", u"Z"}, {u"ａ", u"a"}, {u"ｂ", u"b"}, {u"ｃ", u"c"}, {u"ｄ", u"d"},
    {u"ｅ", u"e"}, {u"ｆ", u"f"}, {u"ｇ", u"g"}, {u"ｈ", u"h"}, {u"ｉ", u"i"}, {u"ｊ", u"j"},
    {u"ｋ", u"k"}, {u"ｌ", u"l"}, {u"ｍ", u"m"}, {u"ｎ", u"n"}, {u"ｏ", u"o"}, {u"ｐ", u"p"},
    {u"ｑ", u"q"}, {u"ｒ", u"r"}, {u"ｓ", u"s"}, {u"ｔ", u"t"}, {u"ｕ", u"u"}, {u"ｖ", u"v"},
    {u"ｗ", u"w"}, {u"ｘ", u"x"}, {u"ｙ", u"y"}, {u"ｚ", u"z"},
}};

// The quotes pair with the curly quotes and the reverse solidus with the full-width yen sign,
// as these drawings write them; the space row makes the symbol routines convert spaces too.
const std::array<TableRow, 33> SymbolTable{{
    {u"！", u"!"}, {u"\u201D", u"\""}, {u"＃", u"#"},      {u"＄", u"$"}, {u"％", u"%"},
    {u"＆", u"&"}, {u"\u2019", u"'"},  {u"\u3000", u" "},  {u"（", u"("}, {u"）", u")"},
    {u"＊", u"*"}, {u"＋", u"+"},      {u"，", u","},      {u"－", u"-"}, {u"．", u"."},
    {u"／", u"/"}, {u"：", u":"},      {u"；", u";"},      {u"＜", u"<"}, {u"＝", u"="},
    {u"＞", u">"}, {u"？", u"?"},      {u"＠", u"@"},      {u"［", u"["}, {u"］", u"]"},
    {u"＾", u"^"}, {u"＿", u"_"},      {u"\u2018", u"`"},  {u"｛", u"{"}, {u"｝", u"}"},
    {u"｜", u"|"}, {u"～", u"~"},      {u"\uFFE5", u"\\"},
}};

// The voiced and semi-voiced letters come first, so that ｶﾞ becomes ガ before the row of ｶ
// could turn its base into カ.
const std::array<TableRow, 84> KanaTable{{
    {u"ヴ", u"ｳﾞ"}, {u"ガ", u"ｶﾞ"}, {u"ギ", u"ｷﾞ"}, {u"グ", u"ｸﾞ"}, {u"ゲ", u"ｹﾞ"}, {u"ゴ", u"ｺﾞ"},
    {u"ザ", u"ｻﾞ"}, {u"ジ", u"ｼﾞ"}, {u"ズ", u"ｽﾞ"}, {u"ゼ", u"ｾﾞ"}, {u"ゾ", u"ｿﾞ"}, {u"ダ", u"ﾀﾞ"},
    {u"ヂ", u"ﾁﾞ"}, {u"ヅ", u"ﾂﾞ"}, {u"デ", u"ﾃﾞ"}, {u"ド", u"ﾄﾞ"}, {u"バ", u"ﾊﾞ"}, {u"ビ", u"ﾋﾞ"},
    {u"ブ", u"ﾌﾞ"}, {u"ベ", u"ﾍﾞ"}, {u"ボ", u"ﾎﾞ"}, {u"パ", u"ﾊﾟ"}, {u"ピ", u"ﾋﾟ"}, {u"プ", u"ﾌﾟ"},
    {u"ペ", u"ﾍﾟ"}, {u"ポ", u"ﾎﾟ"}, {u"ヲ", u"ｦ"},  {u"ァ", u"ｧ"},  {u"ィ", u"ｨ"},  {u"ゥ", u"ｩ"},
    {u"ェ", u"ｪ"},  {u"ォ", u"ｫ"},  {u"ャ", u"ｬ"},  {u"ュ", u"ｭ"},  {u"ョ", u"ｮ"},  {u"ッ", u"ｯ"},
    {u"ー", u"ｰ"},  {u"ア", u"ｱ"},  {u"イ", u"ｲ"},  {u"ウ", u"ｳ"},  {u"エ", u"ｴ"},  {u"オ", u"ｵ"},
    {u"カ", u"ｶ"},  {u"キ", u"ｷ"},  {u"ク", u"ｸ"},  {u"ケ", u"ｹ"},  {u"コ", u"ｺ"},  {u"サ", u"ｻ"},
    {u"シ", u"ｼ"},  {u"ス", u"ｽ"},  {u"セ", u"ｾ"},  {u"ソ", u"ｿ"},  {u"タ", u"ﾀ"},  {u"チ", u"ﾁ"},
    {u"ツ", u"ﾂ"},  {u"テ", u"ﾃ"},  {u"ト", u"ﾄ"},  {u"ナ", u"ﾅ"},  {u"ニ", u"ﾆ"},  {u"ヌ", u"ﾇ"},
    {u"ネ", u"ﾈ"},  {u"ノ", u"ﾉ"},  {u"ハ", u"ﾊ"},  {u"ヒ", u"ﾋ"},  {u"フ", u"ﾌ"},  {u"ヘ", u"ﾍ"},
    {u"ホ", u"ﾎ"},  {u"マ", u"ﾏ"},  {u"ミ", u"ﾐ"},  {u"ム", u"ﾑ"},  {u"メ", u"ﾒ"},  {u"モ", u"ﾓ"},
    {u"ヤ", u"ﾔ"},  {u"ユ", u"ﾕ"},  {u"ヨ", u"ﾖ"},  {u"ラ", u"ﾗ"},  {u"リ", u"ﾘ"},  {u"ル", u"ﾙ"},
    {u"レ", u"ﾚ"},  {u"ロ", u"ﾛ"},  {u"ワ", u"ﾜ"},  {u"ン", u"ﾝ"},  {u"「", u"｢"},  {u"」", u"｣"},
}};

}  // namespace tavor::zenHanUtil
