#include <gtest/gtest.h>

#include <vector>

#include "base/TextUtil.h"
#include "convert/PopupMenus.h"

namespace tavor {
namespace {

std::vector<std::u16string> namesOf(const std::vector<MenuEntry>& entries) {
    std::vector<std::u16string> out;
    for (const auto& e : entries)
        out.push_back(e.item->name);
    return out;
}

TEST(PopupMenusTest, EditorMenuOrderAndCaptions) {
    const TPopupMenu1 m;
    const std::vector<std::u16string> order{
        u"N20", u"N10", u"N11", u"N12", u"N9",  u"N1",  u"N2",  u"N3",  u"N4",  u"N5",
        u"N22", u"N28", u"N29", u"N21", u"N6",  u"N7",  u"N8",  u"N13", u"N14", u"N15",
        u"N16", u"N17", u"N18", u"AG3", u"AG4", u"N42", u"N25", u"N30", u"N19"};
    EXPECT_EQ(namesOf(m.entries), order);
    for (const auto& e : m.entries) {
        const bool separator = e.item->caption.get() == u"-";
        const std::u16string& n = e.item->name;
        EXPECT_EQ(separator, n == u"N9" || n == u"N3" || n == u"N22" || n == u"N29" || n == u"N6" ||
                                 n == u"N13" || n == u"N16" || n == u"N18" || n == u"N42" ||
                                 n == u"N30")
            << toUtf8(n);
        EXPECT_TRUE(e.item->enabled);
        EXPECT_EQ(e.submenu.empty(), n != u"N21");
    }
    EXPECT_EQ(m.N28.caption.get(), u"すべての半角 ( ) を全角に ");
    EXPECT_EQ(m.AG3.caption.get(), u"■TAG リスト編集(メモ帳起動)");
    const std::vector<TMenuItem*>& sub = m.entries[13].submenu;
    ASSERT_EQ(sub.size(), 10u);
    EXPECT_EQ(sub.front()->caption.get(), u"半角カタカナを全角に");
    EXPECT_EQ(sub[4]->name, u"N094");
    EXPECT_EQ(sub[5]->name, u"N093");
    EXPECT_EQ(sub.back()->caption.get(), u"全角記号を半角に");
}

TEST(PopupMenusTest, GridMenuOrderAndDisabledItems) {
    const TPopupMenu2 m;
    const std::vector<std::u16string> order{u"N32", u"N33", u"N34", u"N35", u"N36", u"N37",
                                            u"N31", u"N39", u"N44", u"N45", u"N40", u"N41",
                                            u"N43", u"N38", u"AG1", u"AG2"};
    EXPECT_EQ(namesOf(m.entries), order);
    EXPECT_FALSE(m.N39.enabled);
    EXPECT_FALSE(m.N44.enabled);
    EXPECT_EQ(m.N44.caption.get(), u"選択範囲を加算");
    EXPECT_EQ(m.N40.caption.get(), u"現在のセルを昇順にソート（文字）");
    EXPECT_TRUE(m.N32.enabled);
    EXPECT_TRUE(m.N31.enabled);
}

}  // namespace
}  // namespace tavor
