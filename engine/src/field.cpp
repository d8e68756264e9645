#include "quillon/engine/field.h"

namespace quillon::engine {

std::string_view fieldName(Field field) {
    switch (field) {
        case Field::z:
            return "z";
        case Field::m:
            return "m";
        case Field::alpha:
            return "alpha";
        case Field::haStar:
            return "haStar";
        case Field::beta:
            return "beta";
        case Field::x:
            return "x";
        case Field::cn:
            return "cn";
        case Field::dp:
            return "dp";
        case Field::d:
            return "d";
        case Field::da:
            return "da";
        case Field::df:
            return "df";
        case Field::db:
            return "db";
        case Field::ha:
            return "ha";
        case Field::hf:
            return "hf";
        case Field::h:
            return "h";
        case Field::W:
            return "W";
        case Field::M:
            return "M";
        case Field::xm:
            return "xm";
        case Field::grade:
            return "grade";
        case Field::seriesLetter:
            return "seriesLetter";
    }
    return "?";
}

std::string_view fieldCaption(Field field) {
    switch (field) {
        case Field::z:
            return "齿数     z =";
        case Field::m:
            return "模数     m =";
        case Field::alpha:
            return "压力角   α=";
        case Field::haStar:
            return "齿顶高系数ha*=";
        case Field::beta:
            return "螺旋角   β=";
        case Field::x:
            return "变位系数 χ=";
        case Field::cn:
            return "顶隙系数 cn=";
        case Field::dp:
            return "量棒直径:dp=";
        case Field::d:
            return "分度圆直径:  d =";
        case Field::da:
            return "齿顶圆直径:  da=";
        case Field::df:
            return "齿根圆直径:  df=";
        case Field::db:
            return "基圆直径:    db=";
        case Field::ha:
            return "齿顶高:      ha=";
        case Field::hf:
            return "齿根高:      hf=";
        case Field::h:
            return "全齿高:  h=ha+hf";
        case Field::W:
            return "公法线长度:  Wk=";
        case Field::M:
            return "跨棒距:      M=";
        case Field::xm:
            return "修正量:χ.m=";
        case Field::grade:
            return "公差等级:";
        case Field::seriesLetter:
            return "-";
    }
    return "";
}

}  // namespace quillon::engine
