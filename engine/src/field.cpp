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

}  // namespace quillon::engine
