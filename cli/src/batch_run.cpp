#include "batch_run.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "gbt_command.h"
#include "gbt_output.h"
#include "quillon/cli/command_line.h"
#include "quillon/cli/spline_output.h"
#include "quillon/cli/strength_request.h"
#include "quillon/textio/csv_error.h"
#include "quillon/textio/csv_reader.h"
#include "quillon/textio/csv_writer.h"
#include "quillon/textio/json_writer.h"

namespace quillon::cli {
namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

struct UnusableHeader {
    std::string message;
};

// A column of the batch: a spline input, a strength input or a connection input.
struct BatchColumn {
    const SplineInputName* spline = nullptr;
    std::optional<strength::InputField> strength;
    std::string name;
    std::optional<ConnectionInput> connection{};
    bool gbt = false;  // standard, or an input of a GB/T 3478.1 spline (root, class, fit)
};

// Columns are snake_case ("load_share"); the hyphens of earlier batches ("load-share") still read.
std::string snakeCase(std::string_view column) {
    std::string key(column);
    std::ranges::replace(key, '-', '_');
    return key;
}

// The input columns named by the header row, in its order.
std::vector<BatchColumn> readHeader(const textio::CsvRecord& header,
                                    const engine::Edition& edition) {
    std::vector<BatchColumn> columns;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const SplineInputName* input = findInputByColumn(header[i]);
        const auto strengthInput = strength::fieldFromKey(snakeCase(header[i]));
        const auto connectionInput = connectionInputByColumn(header[i]);
        const bool gbt = input == nullptr && !strengthInput &&
                         (header[i] == "standard" || gbt3478::inputFieldOfKey(header[i]));
        if (input == nullptr && !strengthInput && !connectionInput && !gbt) {
            throw UnusableHeader{"未知的列“" + std::string(header[i]) + "”"};
        }
        if (gbt && !connectionInput && !edition.hasTolerances()) {
            throw UnusableHeader{"列“" + std::string(header[i]) +
                                 "”只用于 GB/T 3478.1 花键，简化版不计算它"};
        }
        if (std::ranges::find(columns, std::string(header[i]), &BatchColumn::name) !=
            columns.end()) {
            throw UnusableHeader{"列“" + std::string(header[i]) + "”出现了不止一次"};
        }
        if (gbt && !connectionInput) {
            columns.push_back({nullptr, std::nullopt, std::string(header[i]), std::nullopt, true});
            continue;
        }
        if (strengthInput) {
            columns.push_back({nullptr, strengthInput, std::string(header[i])});
            continue;
        }
        if (connectionInput) {
            if (!edition.hasTolerances()) {
                throw UnusableHeader{"列“" + std::string(header[i]) + "”只用于公差版"};
            }
            columns.push_back(
                {nullptr, std::nullopt, std::string(header[i]), connectionInput, gbt});
            continue;
        }
        const bool toleranceColumn =
            input->quantity.key == "grade" || input->quantity.key == "series";
        if (toleranceColumn && !edition.hasTolerances()) {
            throw UnusableHeader{"列“" + std::string(header[i]) + "”只用于公差版"};
        }
        if (input->quantity.key == "ha_star" && edition.hasTolerances()) {
            throw UnusableHeader{"列“ha_star”只用于简化版（--lite）"};
        }
        columns.push_back({input, std::nullopt, std::string(header[i])});
    }
    return columns;
}

ColumnGroups groupsOf(const std::vector<BatchColumn>& columns) {
    return {
        std::ranges::any_of(columns, [](const BatchColumn& c) { return c.strength.has_value(); }),
        std::ranges::any_of(columns,
                            [](const BatchColumn& c) { return c.connection.has_value(); })};
}

// An input only a GB/T 3478.1 spline has; the fit serves a DIN 5480 connection as well.
bool gbtOnly(const BatchColumn& column) {
    return column.gbt && !column.connection;
}

bool hasGbt(const std::vector<BatchColumn>& columns) {
    return std::ranges::any_of(columns, gbtOnly);
}

// The GB/T columns stand before the closing messages and error.
void insertBeforeLastTwo(std::vector<std::string>& into, const std::vector<std::string>& items) {
    into.insert(into.end() - 2, items.begin(), items.end());
}

class RowWriter {
  public:
    RowWriter(const std::string& format, const std::vector<BatchColumn>& columns,
              const engine::Edition& edition)
        : csv_(format == "csv"),
          groups_(groupsOf(columns)),
          gbt_(hasGbt(columns)),
          dinResults_(resultColumns(edition, groups_).size() - 2),
          columns_(columns),
          csvWriter_(chunk_),
          json_(chunk_) {
        if (csv_) {
            // The given designation is echoed apart from the one the calculation names.
            for (const BatchColumn& column : columns_) {
                csvWriter_.writeField(column.name == "designation" ? "designation_given"
                                                                   : column.name);
            }
            std::vector<std::string> results = resultColumns(edition, groups_);
            if (gbt_) {
                insertBeforeLastTwo(results, gbtResultColumns());
            }
            for (const std::string& column : results) {
                csvWriter_.writeField(column);
            }
            csvWriter_.endRecord();
        }
    }

    void row(const textio::CsvRecord& record, const SplineAnswer& answer) {
        if (!csv_) {
            writeJson(json_, answer, record.line());
            return;
        }
        std::vector<std::string> values = resultValues(answer, groups_);
        if (gbt_) {
            insertBeforeLastTwo(values, std::vector<std::string>(gbtResultColumns().size()));
        }
        writeRecord(record, values);
    }

    // A GB/T 3478.1 row: its results in the GB/T columns, the DIN 5480 ones empty.
    void gbtRow(const textio::CsvRecord& record, const document::GbtRun& run,
                const std::optional<std::string>& error) {
        if (!csv_) {
            writeGbtJson(json_, run, error, record.line());
            return;
        }
        std::vector<std::string> values(dinResults_);
        const std::vector<std::string> gbt = gbtResultValues(run);
        values.insert(values.end(), gbt.begin(), gbt.end());
        std::string messages;
        for (const std::string& message : gbtMessages(run)) {
            messages += (messages.empty() ? "" : " | ") + message;
        }
        values.push_back(messages);
        values.push_back(error.value_or(""));
        writeRecord(record, values);
    }

    // Whether a GB/T row has its columns: a CSV names them in its header only where a GB/T input
    // column asks for them; JSON lines need none.
    bool hasGbtColumns(const std::string& format) const { return gbt_ || format != "csv"; }

    // Hands what has gathered to the output once it is large enough, or at the end.
    bool flush(BatchOutput& output, bool last) {
        if (chunk_.tellp() < static_cast<std::streamoff>(kChunkBytes) && !last) {
            return true;
        }
        const bool written = output.write(chunk_.view());
        chunk_.str(std::string());
        return written;
    }

  private:
    void writeRecord(const textio::CsvRecord& record, const std::vector<std::string>& values) {
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            csvWriter_.writeField(i < record.size() ? record[i] : std::string_view());
        }
        for (const std::string& value : values) {
            csvWriter_.writeField(value);
        }
        csvWriter_.endRecord();
    }

    bool csv_;
    ColumnGroups groups_;
    bool gbt_;
    std::size_t dinResults_;
    const std::vector<BatchColumn>& columns_;
    std::ostringstream chunk_;
    textio::CsvWriter csvWriter_;
    textio::JsonWriter json_;
};

struct RowRequest {
    SplineRequest spline;
    StrengthRequest strength;
    ConnectionRequest connection;
};

RowRequest requestOfRow(const textio::CsvRecord& record, const std::vector<BatchColumn>& columns) {
    RowRequest request;
    for (std::size_t i = 0; i < columns.size() && i < record.size(); ++i) {
        if (record[i].empty() || gbtOnly(columns[i])) {
            continue;  // an empty cell keeps the start value; GB/T cells are read apart
        }
        if (columns[i].strength) {
            request.strength.given.emplace_back(*columns[i].strength, std::string(record[i]));
        } else if (columns[i].connection) {
            request.connection.given.emplace_back(*columns[i].connection, std::string(record[i]));
        } else {
            request.spline.given.push_back({columns[i].spline, std::string(record[i])});
        }
    }
    return request;
}

RequestError wrongLength(const textio::CsvRecord& record, const std::vector<BatchColumn>& columns) {
    return {RequestError::Kind::BadValue, "该行有 " + std::to_string(record.size()) +
                                              " 个字段，列名行有 " +
                                              std::to_string(columns.size()) + " 个"};
}

SplineAnswer runRow(document::SplineDocument& spline, RowRequest request,
                    const engine::Edition& edition) {
    SplineAnswer answer{spline, std::nullopt, false, std::nullopt, std::nullopt};
    const ConnectionCheck connection =
        checkConnection(request.spline, request.connection, edition, InputNaming::Column);
    if (connection.error) {
        answer.error = connection.error;
        return answer;
    }
    answer.error = runRequest(spline, request.spline, InputNaming::Column);
    answer.calculated = !answer.error || answer.error->calculated;
    if (!answer.error) {
        StrengthAnswer strength = runStrength(spline, request.strength, InputNaming::Column);
        answer.error = std::move(strength.error);
        answer.strength = std::move(strength.strength);
    }
    if (!answer.error && connection.plan.any()) {
        ConnectionRun run = runConnection(spline, connection.plan, InputNaming::Column);
        answer.error = std::move(run.error);
        answer.connection = std::move(run.answer);
    }
    return answer;
}

// Is the row a GB/T 3478.1 spline: its standard says so, or its designation is one? A row of
// DIN 5480 with a GB/T input, or an unknown standard, is a bad row.
struct RowStandard {
    bool gbt = false;
    std::optional<std::string> error;
};

RowStandard standardOfRow(const textio::CsvRecord& record,
                          const std::vector<BatchColumn>& columns) {
    std::string_view standard;
    std::string_view designation;
    const BatchColumn* gbtInput = nullptr;
    for (std::size_t i = 0; i < columns.size() && i < record.size(); ++i) {
        if (columns[i].name == "standard") {
            standard = record[i];
        } else if (columns[i].name == "designation") {
            designation = record[i];
        } else if (gbtOnly(columns[i]) && !record[i].empty()) {
            gbtInput = &columns[i];
        }
    }
    if (!standard.empty() && standard != "din5480" && standard != "gbt3478" &&
        standard != "iso4156") {
        return {false,
                "standard 的值“" + std::string(standard) + "”不是 din5480、gbt3478 或 iso4156"};
    }
    const bool gbt = standard == "gbt3478" || standard == "iso4156" ||
                     (standard.empty() && document::isGbtDesignation(designation));
    if (!gbt && gbtInput != nullptr) {
        return {false, gbtInput->name + " 只用于 GB/T 3478.1 花键（standard 为 gbt3478）"};
    }
    return {gbt, std::nullopt};
}

// Calculates a GB/T row; a pair has no place in one row of columns.
void runGbtRow(const textio::CsvRecord& record, const std::vector<BatchColumn>& columns,
               document::GbtRun& run, std::optional<std::string>& error) {
    std::vector<GbtGiven> given;
    for (std::size_t i = 0; i < columns.size() && i < record.size(); ++i) {
        if (!record[i].empty()) {
            given.push_back({columns[i].name, std::string(record[i])});
        }
    }
    document::GbtSpline spline;
    if ((error = writeGbtRequest(spline, given))) {
        return;
    }
    run = spline.calculate();
    if (run.inputProblem) {
        error = inputProblemMessage(*run.inputProblem, false);
    } else if (run.pair) {
        run = {};
        error = "批量的一行只计算一件花键：fit 请给一个字母，种类用 kind";
    } else if (!run.problems().empty()) {
        error = run.problems().front();
    }
}

}  // namespace

int runBatch(std::istream& in, const engine::Edition& edition,
             const document::SplineDocument::Database& database, const std::string& format,
             BatchOutput& output, std::ostream& err) {
    try {
        textio::CsvReader reader(in);
        textio::CsvRecord record;
        if (!reader.next(record)) {
            err << "quillon-cli: 批量输入是空的，缺少列名行\n";
            return kExitUsage;
        }
        const auto columns = readHeader(record, edition);
        RowWriter writer(format, columns, edition);
        bool anyFailed = false;
        while (reader.next(record)) {
            RowStandard standard =
                record.size() == columns.size() ? standardOfRow(record, columns) : RowStandard{};
            if (standard.gbt && !writer.hasGbtColumns(format)) {
                standard = {false,
                            "GB/T 3478.1 花键的结果需要 GB/T 的列：请在列名行加上 standard 列"};
            }
            if (standard.gbt) {
                document::GbtRun run;
                std::optional<std::string> error;
                runGbtRow(record, columns, run, error);
                anyFailed = anyFailed || error.has_value();
                writer.gbtRow(record, run, error);
                if (!writer.flush(output, false)) {
                    err << "quillon-cli: " << output.failure() << '\n';
                    return kExitUsage;
                }
                continue;
            }
            document::SplineDocument spline(edition, database);
            std::optional<RequestError> refused;
            if (standard.error) {
                refused = RequestError{RequestError::Kind::BadValue, *standard.error};
            } else if (record.size() != columns.size()) {
                refused = wrongLength(record, columns);
            }
            SplineAnswer answer = refused ? SplineAnswer{spline, std::move(refused)}
                                          : runRow(spline, requestOfRow(record, columns), edition);
            anyFailed = anyFailed || answer.error.has_value();
            writer.row(record, answer);
            if (!writer.flush(output, false)) {
                err << "quillon-cli: " << output.failure() << '\n';
                return kExitUsage;
            }
        }
        if (!writer.flush(output, true) || !output.finish()) {
            err << "quillon-cli: " << output.failure() << '\n';
            return kExitUsage;
        }
        return anyFailed ? kExitRejected : kExitOk;
    } catch (const textio::CsvError& error) {
        err << "quillon-cli: 批量输入" << error.what() << '\n';
    } catch (const std::ios_base::failure& failure) {  // a folder, a read error of the disk
        err << "quillon-cli: 批量输入无法读取：" << failure.code().message() << '\n';
    } catch (const UnusableHeader& header) {
        err << "quillon-cli: 批量输入的列名行：" << header.message << '\n';
    }
    return kExitUsage;
}

}  // namespace quillon::cli
