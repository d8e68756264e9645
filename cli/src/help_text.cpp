#include "help_text.h"

#include <string_view>

#include "quillon/cli/connection_request.h"
#include "quillon/cli/spline_output.h"
#include "quillon/cli/spline_request.h"
#include "quillon/gbt3478/gbt_quantities.h"
#include "quillon/strength/strength_quantities.h"

namespace quillon::cli {
namespace {

constexpr std::string_view kUsage = R"(用法：
  quillon-cli [--lite] [--designation 标记 | 参数选项] [--json] [--report 文件] [--dxf 文件] [--svg 文件]
  quillon-cli --standard gbt3478 [--designation 标记 | 参数选项] [--json] [--table] [--dxf 文件] [--svg 文件]
  quillon-cli [--lite] --batch 文件|- [-o 文件] [--format csv|jsonl]

按 DIN 5480 计算渐开线花键（压力角 30°），结果与窗口程序逐字相同。

版本：
  （默认）          公差版，同 quillon：公差等级、基本偏差与 W、M 的极限尺寸
  --lite            简化版，同 quillon-lite：不计公差，给出变位量 x·m

单个花键的参数（未给出的参数取窗口启动时的值）：
)";

constexpr std::string_view kGbt = R"(
GB/T 3478.1（ISO 4156-1）渐开线花键（仅公差版）：
  --standard din5480|gbt3478
                    标准，默认 din5480；iso4156 同 gbt3478。GB/T 3478.1 的标记
                    （如 "INT/EXT 24z×2.5m×30R×5H/5h GB/T 3478.1"）自动选择该标准
  --kind、--z、--m、--alpha、--dp、--designation 同上，按 GB/T 3478.1 读取：
                    --alpha 只取 30、37.5 或 45；--dp 未给出时取在分度圆附近接触齿面的量棒。
                    DIN 5480 的 --x、--cn、--beta、--grade、--series、--ha 和强度校核不用于它
)";

constexpr std::string_view kOutputs = R"(
输出：
  （默认）          文本，每行一个名称和数值；窗口的提示写到标准错误
  --json            一个 JSON 对象（UTF-8）；数值为 JSON 数，位数同窗口
  --report 文件     写出与窗口“导出参数”/“导出计算报告”相同的报告（GBK，CR LF）
  --dxf 文件        写出齿形 DXF，同“齿形”页的导出
  --svg 文件        写出齿形 SVG，同“齿形”页的导出
  --zones 文件      写出配合的公差带图 SVG（需要 --fit 或带配合的标记）
  --table [text|tsv|csv]
                    输出图纸用的花键参数表（同“参数表”页），代替上面的输出

强度校核（齿面挤压和轴的扭转，直齿花键；给出转矩或功率与转速时进行）：
)";

constexpr std::string_view kConnection = R"(
配合与测量（仅公差版；--report、--table 与 --dxf 的参数表随配合给出）：
)";

constexpr std::string_view kRest = R"(
批量：
  --batch 文件|-    读取 CSV（首行为列名，即上面各选项的列名：designation, kind, z, m, ...,
                    load_share, ..., fit, ...），每行一个新的花键；- 为标准输入
  -o 文件           写到文件（完整写完后才替换），默认标准输出
  --format csv|jsonl
                    输出 CSV（默认）或每行一个 JSON 对象

其他：
  --help, -h        显示本说明
  --version         显示版本

退出码：0 成功；1 花键被拒绝（或批量中有行失败）；2 用法错误、输入无法读取或文件无法写入。
)";

constexpr std::size_t kDescriptionColumn = 20;

// "  --load-share 数   承载齿比例 φ，默认 0.75（0.5～1）": the option and its value, then the
// caption, unit, default and note at their column (on a line of their own when the option is
// too long for it; a line break in the note continues at the column).
void addLine(std::string& text, const textio::Quantity& row) {
    std::string head = "  " + std::string(row.option);
    if (!row.valueName.empty()) {
        head.append(" ").append(row.valueName);
    }
    const std::size_t width = displayWidth(head);
    const std::string indent(kDescriptionColumn, ' ');
    text += head;
    text += width + 1 < kDescriptionColumn ? std::string(kDescriptionColumn - width, ' ')
                                           : "\n" + indent;
    text += textio::captionWithUnit(row);
    if (!row.defaultText.empty()) {
        text.append("，默认 ").append(row.defaultText);
    }
    for (const char c : row.help) {
        text += c;
        if (c == '\n') {
            text += indent;
        }
    }
    text += '\n';
}

}  // namespace

std::string helpText() {
    std::string text(kUsage);
    for (const SplineInputName& input : splineInputNames()) {
        addLine(text, input.quantity);
    }
    text += kGbt;
    for (const gbt3478::InputField field : gbt3478::kInputFields) {
        const textio::Quantity& row = gbt3478::inputQuantity(field);
        if (findInputByOption(row.option) == nullptr) {  // the options only GB/T has
            addLine(text, row);
        }
    }
    text += kOutputs;
    for (const strength::InputField field : strength::kInputFields) {
        addLine(text, strength::inputQuantity(field));
    }
    text += kConnection;
    for (const textio::Quantity& row : connectionInputRows()) {
        addLine(text, row);
    }
    text += kRest;
    return text;
}

}  // namespace quillon::cli
