#pragma once

#include <string_view>

namespace quillon::cli {

// What --help prints (Simplified Chinese; option names stay English).
inline constexpr std::string_view kHelpText = R"(用法：
  quillon-cli [--lite] [--designation 标记 | 参数选项] [--json] [--report 文件] [--dxf 文件] [--svg 文件]
  quillon-cli [--lite] --batch 文件|- [-o 文件] [--format csv|jsonl]

按 DIN 5480 计算渐开线花键（压力角 30°），结果与窗口程序逐字相同。

版本：
  （默认）          公差版，同 quillon：公差等级、基本偏差与 W、M 的极限尺寸
  --lite            简化版，同 quillon-lite：不计公差，给出变位量 x·m

单个花键的参数（未给出的参数取窗口启动时的值）：
  --kind shaft|hub  外花键（默认）或内花键
  --z 数            齿数
  --m 数            模数 (mm)，默认 1.25
  --alpha 数        压力角 (°)，默认 30
  --beta 数         螺旋角 (°)，默认 0
  --x 数            变位系数（内花键按窗口的符号）
  --cn 数           顶隙系数，默认 0.1
  --dp 数           量棒直径 (mm)；未给出时按模数和种类推荐，同窗口
  --ha 数           齿顶高系数（仅简化版），默认 0.45
  --grade 数        公差等级（仅公差版），默认 9
  --series 字母     基本偏差代号（仅公差版），默认 H
  --designation 标记
                    按标记给出种类、齿数、模数、压力角和变位（及公差），
                    例如 "DIN 5480 - W 50 x 2 x 30 x 24 x 8f"；可与 --dp、--cn 同用

输出：
  （默认）          文本，每行一个名称和数值；窗口的提示写到标准错误
  --json            一个 JSON 对象（UTF-8）
  --report 文件     写出与窗口“导出参数”/“导出计算报告”相同的报告（GBK，CR LF）
  --dxf 文件        写出齿形 DXF，同“齿形”页的导出
  --svg 文件        写出齿形 SVG，同“齿形”页的导出
  --table [text|tsv|csv]
                    输出图纸用的花键参数表（同“参数表”页），代替上面的输出

强度校核（齿面挤压和轴的扭转，直齿花键；给出转矩或功率与转速时进行）：
  --torque 数       转矩 T (N·m)；或 --power 数 (kW) 与 --speed 数 (min⁻¹)
  --length 数       接合长度 l (mm)
  --ka 数           使用系数 KA，默认 1.0
  --load-share 数   承载齿比例 φ，默认 0.75（0.5～1）
  --chamfer-shaft 数, --chamfer-hub 数
                    外花键、内花键齿顶倒角 (mm)，默认 0
  --joint fixed|sliding|sliding-loaded
                    静连接（默认）、空载下移动、载荷下移动
  --conditions poor|medium|good
                    使用条件，默认 medium
  --hardened        齿面淬硬
  --p-allowed 数    许用挤压应力 [p] (MPa)，默认取表中下限
  --bore 数         空心轴内径 (mm)，默认 0
  --yield 数        屈服强度 Re (MPa)，给出时校核扭转
  --safety-min 数   扭转所需安全系数，默认 1.5

批量：
  --batch 文件|-    读取 CSV（首行为列名：designation, kind, z, m, alpha, beta, x, cn,
                    dp, ha_star, grade, series 及强度校核的各项），每行一个新的花键；- 为标准输入
  -o 文件           写到文件（完整写完后才替换），默认标准输出
  --format csv|jsonl
                    输出 CSV（默认）或每行一个 JSON 对象

其他：
  --help, -h        显示本说明
  --version         显示版本

退出码：0 成功；1 花键被拒绝（或批量中有行失败）；2 用法错误、输入无法读取或文件无法写入。
)";

}  // namespace quillon::cli
