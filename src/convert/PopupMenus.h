#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/Controls.h"

namespace tavor {

// One line of a popup menu, top to bottom; a caption of "-" is a separator line. submenu lists
// the items of a sub-menu in their order.
struct MenuEntry {
    TMenuItem* item;
    std::vector<TMenuItem*> submenu;
};

// A table conversion of "その他のすべてを変換": converts the text in place.
using TableRoutine = void (*)(std::u16string&, const std::function<void()>&);

// The editor's popup menu.
struct TPopupMenu1 {
    TPopupMenu1();
    TPopupMenu1(const TPopupMenu1&) = delete;
    TPopupMenu1& operator=(const TPopupMenu1&) = delete;

    TMenuItem N20{u"N20", u"クリア"};
    TMenuItem N10{u"N10", u"カット"};
    TMenuItem N11{u"N11", u"コピー"};
    TMenuItem N12{u"N12", u"ペースト"};
    TMenuItem N9{u"N9", u"-"};
    TMenuItem N1{u"N1", u"すべて全角に"};
    TMenuItem N2{u"N2", u"選択範囲を全角に"};
    TMenuItem N3{u"N3", u"-"};
    TMenuItem N4{u"N4", u"すべて半角に"};
    TMenuItem N5{u"N5", u"選択範囲を半角に"};
    TMenuItem N22{u"N22", u"-"};
    TMenuItem N28{u"N28", u"すべての半角 ( ) を全角に "};
    TMenuItem N29{u"N29", u"-"};
    TMenuItem N21{u"N21", u"その他のすべてを変換"};
    TMenuItem N23{u"N23", u"半角カタカナを全角に"};
    TMenuItem N24{u"N24", u"全角カタカナを半角に"};
    TMenuItem N091{u"N091", u"半角数字(0..9)を全角に"};
    TMenuItem N092{u"N092", u"全角数字(0..9)を半角に"};
    TMenuItem N094{u"N094", u"半角数値(0..9+-.,)を全角に"};
    TMenuItem N093{u"N093", u"全角数値(0..9+-.,)を半角に"};
    TMenuItem AZ1{u"AZ1", u"半角アルファベット(A..Z)を全角に"};
    TMenuItem AZ2{u"AZ2", u"全角アルファベット(A..Z)を半角に"};
    TMenuItem N27{u"N27", u"半角記号を全角に"};
    TMenuItem N26{u"N26", u"全角記号を半角に"};
    TMenuItem N6{u"N6", u"-"};
    TMenuItem N7{u"N7", u"すべて置換"};
    TMenuItem N8{u"N8", u"選択範囲を置換"};
    TMenuItem N13{u"N13", u"-"};
    TMenuItem N14{u"N14", u"すべて加算"};
    TMenuItem N15{u"N15", u"選択範囲を加算"};
    TMenuItem N16{u"N16", u"-"};
    TMenuItem N17{u"N17", u"連番作成"};
    TMenuItem N18{u"N18", u"-"};
    TMenuItem AG3{u"AG3", u"■TAG リスト編集(メモ帳起動)"};
    TMenuItem AG4{u"AG4", u"■TAG リストを再読み込み"};
    TMenuItem N42{u"N42", u"-"};
    TMenuItem N25{u"N25", u"バージョン情報"};
    TMenuItem N30{u"N30", u"-"};
    TMenuItem N19{u"N19", u"取り消し"};  // no action: choosing it only closes the menu

    const std::vector<MenuEntry> entries;
    // The table routine of each item under N21, by the item itself.
    const std::vector<std::pair<TMenuItem*, TableRoutine>> tableRoutines;
    TableRoutine tableRoutineOf(const TMenuItem& item) const;
};

// The attribute grid's popup menu. It has no opening handler: its items keep their state.
struct TPopupMenu2 {
    TPopupMenu2();
    TPopupMenu2(const TPopupMenu2&) = delete;
    TPopupMenu2& operator=(const TPopupMenu2&) = delete;

    TMenuItem N32{u"N32", u"選択範囲のスペース以外を全角に"};
    TMenuItem N33{u"N33", u"選択範囲を半角に"};
    TMenuItem N34{u"N34", u"-"};
    TMenuItem N35{u"N35", u"選択範囲を置換"};
    TMenuItem N36{u"N36", u"選択範囲の半角数字を加算"};
    TMenuItem N37{u"N37", u"-"};
    TMenuItem N31{u"N31", u"連番作成"};
    TMenuItem N39{u"N39", u"-"};               // always disabled
    TMenuItem N44{u"N44", u"選択範囲を加算"};  // always disabled, no action
    TMenuItem N45{u"N45", u"-"};
    TMenuItem N40{u"N40", u"現在のセルを昇順にソート（文字）"};
    TMenuItem N41{u"N41", u"現在のセルを昇順にソート（数字）"};
    TMenuItem N43{u"N43", u"取得順に戻す"};
    TMenuItem N38{u"N38", u"-"};
    TMenuItem AG1{u"AG1", u"■TAG リスト編集(メモ帳起動)"};
    TMenuItem AG2{u"AG2", u"■TAG リストを再読み込み"};

    const std::vector<MenuEntry> entries;
};

}  // namespace tavor
