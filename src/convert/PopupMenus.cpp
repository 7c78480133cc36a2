#include "convert/PopupMenus.h"

#include "convert/ZenHanUtil.h"

namespace tavor {

TPopupMenu1::TPopupMenu1()
    : entries{{&N20, {}}, {&N10, {}},
              {&N11, {}}, {&N12, {}},
              {&N9, {}},  {&N1, {}},
              {&N2, {}},  {&N3, {}},
              {&N4, {}},  {&N5, {}},
              {&N22, {}}, {&N28, {}},
              {&N29, {}}, {&N21, {&N23, &N24, &N091, &N092, &N094, &N093, &AZ1, &AZ2, &N27, &N26}},
              {&N6, {}},  {&N7, {}},
              {&N8, {}},  {&N13, {}},
              {&N14, {}}, {&N15, {}},
              {&N16, {}}, {&N17, {}},
              {&N18, {}}, {&AG3, {}},
              {&AG4, {}}, {&N42, {}},
              {&N25, {}}, {&N30, {}},
              {&N19, {}}},
      tableRoutines{{&N23, zenHanUtil::HanKanaToZen},   {&N24, zenHanUtil::ZenKanaToHan},
                    {&N091, zenHanUtil::HanDigitToZen}, {&N092, zenHanUtil::ZenDigitToHan},
                    {&N094, zenHanUtil::HanNumToZen},   {&N093, zenHanUtil::ZenNumToHan},
                    {&AZ1, zenHanUtil::HanAlphaToZen},  {&AZ2, zenHanUtil::ZenAlphaToHan},
                    {&N27, zenHanUtil::HanSymbolToZen}, {&N26, zenHanUtil::ZenSymbolToHan}} {}

TableRoutine TPopupMenu1::tableRoutineOf(const TMenuItem& item) const {
    for (const auto& [menuItem, routine] : tableRoutines)
        if (menuItem == &item)
            return routine;
    return nullptr;
}

TPopupMenu2::TPopupMenu2()
    : entries{{&N32, {}}, {&N33, {}}, {&N34, {}}, {&N35, {}}, {&N36, {}}, {&N37, {}},
              {&N31, {}}, {&N39, {}}, {&N44, {}}, {&N45, {}}, {&N40, {}}, {&N41, {}},
              {&N43, {}}, {&N38, {}}, {&AG1, {}}, {&AG2, {}}} {
    N39.enabled = false;
    N44.enabled = false;
}

}  // namespace tavor
