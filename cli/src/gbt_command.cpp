#include "gbt_command.h"

#include <QByteArray>
#include <QString>
#include <ostream>

#include "gbt_output.h"
#include "quillon/cli/command_line.h"
#include "quillon/cli/spline_output.h"
#include "quillon/document/drawing_data.h"
#include "quillon/report/report_file.h"
#include "quillon/strength/strength_quantities.h"
#include "quillon/version.h"

namespace quillon::cli {
namespace {

using gbt3478::InputField;

bool isGbtStandard(const std::optional<std::string>& standard) {
    return standard && (*standard == "gbt3478" || *standard == "iso4156");
}

const std::string* givenDesignation(const CommandOptions& options) {
    return options.spline.text("designation");
}

// Every input the options give, by option name; the strength check's --length is the GB/T
// engagement length g.
std::vector<GbtGiven> givenOf(const CommandOptions& options) {
    std::vector<GbtGiven> given;
    for (const auto& g : options.spline.given) {
        given.push_back({std::string(g.input->quantity.option), g.text});
    }
    for (const auto& [field, text] : options.strength.given) {
        given.push_back({std::string(strength::inputQuantity(field).option), text});
    }
    for (const auto& [input, text] : options.connection.given) {
        given.push_back({std::string(connectionInputRow(input).option), text});
    }
    for (const auto& [name, text] : options.gbtOnly) {
        given.push_back({name, text});
    }
    return given;
}

std::optional<InputField> fieldOf(std::string_view name) {
    return name.starts_with("--") ? gbt3478::inputFieldOfOption(name)
                                  : gbt3478::inputFieldOfKey(name);
}

bool isDesignation(std::string_view name) {
    return name == "--designation" || name == "designation";
}

// Exit 2 for a refused input, 1 for a spline the calculation refused, 0 otherwise.
int writeOutput(const CommandOptions& options, const document::GbtRun& run, std::ostream& out,
                std::ostream& err) {
    if (run.inputProblem) {
        err << "quillon-cli: " << inputProblemMessage(*run.inputProblem, true) << '\n';
        return kExitUsage;
    }
    const std::vector<std::string> problems = run.problems();
    const std::optional<std::string> error =
        problems.empty() ? std::nullopt : std::optional(problems.front());
    const gbt3478::SplineResult* part =
        run.single && run.single->result ? &*run.single->result : nullptr;
    if (options.json) {
        textio::JsonWriter json(out);
        writeGbtJson(json, run, error);
    } else if (options.table && part) {
        const auto table = document::gbtDrawingData(*part, run.designation);
        if (*options.table == "tsv") {
            out << document::drawingDataTsv(table);
        } else if (*options.table == "csv") {
            out << document::drawingDataCsv(table);
        } else {
            for (const auto& row : table.rows) {
                textLine(out, row[0] + (row[1].empty() ? "" : " " + row[1]), row[2]);
            }
        }
    } else if (!options.table) {
        writeGbtText(out, run);
    }
    out.flush();
    for (const std::string& problem : problems) {
        err << "quillon-cli: " << problem << '\n';
    }
    if (!part) {
        return problems.empty() ? kExitOk : kExitRejected;
    }
    const std::string creator = std::string("quillon ") + kVersion;
    for (const auto& [path, format] : {std::pair{options.dxf, document::DrawingFormat::Dxf},
                                       {options.svg, document::DrawingFormat::Svg}}) {
        if (!path) {
            continue;
        }
        const document::GbtDrawing drawing = document::gbtProfileDrawing(
            *part, format, creator, document::gbtDrawingData(*part, run.designation));
        if (!drawing.problem.empty()) {
            err << "quillon-cli: 没有齿形可导出：" << drawing.problem << '\n';
            return kExitRejected;
        }
        const QString file = QString::fromUtf8(path->data(), static_cast<qsizetype>(path->size()));
        if (const auto failure = report::replaceFile(file, QByteArray::fromStdString(drawing.text),
                                                     QStringLiteral("齿形文件"))) {
            err << "quillon-cli: " << failure->toStdString() << '\n';
            return kExitUsage;
        }
    }
    return problems.empty() ? kExitOk : kExitRejected;
}

}  // namespace

bool asksForGbt(const CommandOptions& options) {
    const std::string* designation = givenDesignation(options);
    const bool gbtDesignation = designation && document::isGbtDesignation(*designation);
    const bool gbt = isGbtStandard(options.standard) || gbtDesignation;
    if (options.standard == "din5480" && gbtDesignation) {
        throw UsageError("--designation 的值“" + *designation +
                         "”是 GB/T 3478.1 的标记，不能与 --standard din5480 同用");
    }
    if (!gbt && !options.gbtOnly.empty()) {
        throw UsageError(options.gbtOnly.front().first +
                         " 只用于 GB/T 3478.1 花键（--standard gbt3478）");
    }
    if (gbt && options.lite) {
        throw UsageError("简化版（--lite）不计算 GB/T 3478.1 花键（--standard gbt3478）");
    }
    if (gbt && options.report) {
        throw UsageError("--report 只用于 DIN 5480 花键");
    }
    return gbt;
}

std::optional<std::string> writeGbtRequest(document::GbtSpline& spline,
                                           const std::vector<GbtGiven>& given) {
    const GbtGiven* designation = nullptr;
    for (const GbtGiven& g : given) {
        if (isDesignation(g.name)) {
            designation = &g;
        } else if (g.name != "standard" && !fieldOf(g.name)) {
            return g.name + " 只用于 DIN 5480 花键，GB/T 3478.1 花键没有这一参数";
        }
    }
    if (designation) {
        if (const auto why = spline.applyDesignation(designation->text)) {
            return designation->name + " 的值“" + designation->text +
                   "”不是有效的 GB/T 3478.1 标记：" + *why;
        }
    }
    for (const GbtGiven& g : given) {
        const auto field = fieldOf(g.name);
        if (!field) {
            continue;
        }
        const bool named = *field != InputField::Length && *field != InputField::Pin;
        if (designation && named) {
            return g.name + " 不能与 " + designation->name + " 同时给出（标记已确定该值）";
        }
        spline.setText(*field, g.text);
    }
    return std::nullopt;
}

std::string inputProblemMessage(const document::GbtInputProblem& problem, bool byOption) {
    const textio::Quantity& row = gbt3478::inputQuantity(problem.field);
    return std::string(byOption ? row.option : row.key) + "：" + problem.message;
}

int runGbt(const CommandOptions& options, std::ostream& out, std::ostream& err) {
    document::GbtSpline spline;
    if (const auto usage = writeGbtRequest(spline, givenOf(options))) {
        err << "quillon-cli: " << *usage << '\n';
        return kExitUsage;
    }
    const document::GbtRun run = spline.calculate();
    if (run.pair && (options.table || options.dxf || options.svg)) {
        err << "quillon-cli: --table、--dxf 和 --svg 只用于一件花键：请用 --kind "
               "和一个配合类别字母\n";
        return kExitUsage;
    }
    return writeOutput(options, run, out, err);
}

}  // namespace quillon::cli
