#include "quillon/report/lite_report.h"

#include <array>

using namespace quillon::engine;

namespace quillon::report {
namespace {

// One quantity of the lite reports: its field and its label in each of the two layouts.
struct LiteReportRow {
    Field field;
    std::string_view fileLabel;
    std::string_view printedLabel;
};

// Both layouts list the known parameters in this order, then the results.
constexpr std::array kKnownRows = {
    LiteReportRow{Field::z, "齿数:z=  ", "齿数     z =      "},
    LiteReportRow{Field::m, "模数:m=  ", "模数     m =      "},
    LiteReportRow{Field::alpha, "压力角α=  ", "压力角   α=      "},
    LiteReportRow{Field::haStar, "齿顶高系数:ha*=  ", "齿顶高系数ha*=    "},
    LiteReportRow{Field::beta, "螺旋角:β=  ", "螺旋角   β=      "},
    LiteReportRow{Field::x, "变位系数:x=  ", "变位系数 χ=      "},
    LiteReportRow{Field::cn, "顶隙系数:cn=  ", "顶隙系数 cn=      "},
    LiteReportRow{Field::xm, "变位量:x.m=  ", "修正量:χ.m=      "},
    LiteReportRow{Field::dp, "量棒直径:dp=  ", "量棒直径:dp=      "},
};

constexpr std::array kGeometryRows = {
    LiteReportRow{Field::d, "分度圆直径:d=  ", "分度圆直径:  d =  "},
    LiteReportRow{Field::da, "齿顶圆直径:da=  ", "齿顶圆直径:  da=  "},
    LiteReportRow{Field::df, "齿轮根圆直径:df=  ", "齿根圆直径:  df=  "},
    LiteReportRow{Field::db, "基圆直径:db=  ", "基圆直径:    db=  "},
    LiteReportRow{Field::ha, "齿顶高:ha=  ", "齿顶高:      ha=  "},
    LiteReportRow{Field::hf, "齿根高:hf=  ", "齿根高:      hf=  "},
    LiteReportRow{Field::h, "全齿高:h=ha+hf  ", "全齿高:  h=ha+hf  "},
};

constexpr std::array kMeasurementRows = {
    LiteReportRow{Field::W, "公法线长度:wk=  ", "公法线长度:  Wk=  "},
    LiteReportRow{Field::M, "跨棒距:M=  ", "跨棒距:       M=  "},
};

constexpr std::string_view kFileKLabel = "跨测齿数:k=  ";

enum class Layout { File, Printed };

template <std::size_t N>
void appendRows(std::vector<std::string>& lines, const std::array<LiteReportRow, N>& rows,
                const Form& form, Layout layout) {
    for (const LiteReportRow& row : rows) {
        std::string line(layout == Layout::File ? row.fileLabel : row.printedLabel);
        line += form.text(row.field);
        lines.push_back(std::move(line));
    }
}

}  // namespace

std::string liteReportTitle(std::optional<SplineKind> selectedKind) {
    return selectedKind == SplineKind::External ? "DIN 5480外花键计算报告"
                                                : "DIN 5480内花键计算报告";
}

std::vector<std::string> liteFileReportLines(const Form& form, std::string_view k) {
    std::vector<std::string> lines{liteReportTitle(form.selectedKind()), "已知参数："};
    appendRows(lines, kKnownRows, form, Layout::File);
    lines.emplace_back("程序计算结果：");
    appendRows(lines, kGeometryRows, form, Layout::File);
    lines.push_back(std::string(kFileKLabel) + std::string(k));
    appendRows(lines, kMeasurementRows, form, Layout::File);
    return lines;
}

std::vector<std::string> litePrintedReportLines(const Form& form) {
    std::vector<std::string> lines{liteReportTitle(form.selectedKind()), "已知参数："};
    appendRows(lines, kKnownRows, form, Layout::Printed);
    lines.emplace_back("计算结果：");
    appendRows(lines, kGeometryRows, form, Layout::Printed);
    appendRows(lines, kMeasurementRows, form, Layout::Printed);
    return lines;
}

}  // namespace quillon::report
