#include "batch_run.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

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
        if (input == nullptr && !strengthInput && !connectionInput) {
            throw UnusableHeader{"未知的列“" + std::string(header[i]) + "”"};
        }
        if (std::ranges::find(columns, std::string(header[i]), &BatchColumn::name) !=
            columns.end()) {
            throw UnusableHeader{"列“" + std::string(header[i]) + "”出现了不止一次"};
        }
        if (strengthInput) {
            columns.push_back({nullptr, strengthInput, std::string(header[i])});
            continue;
        }
        if (connectionInput) {
            if (!edition.hasTolerances()) {
                throw UnusableHeader{"列“" + std::string(header[i]) + "”只用于公差版"};
            }
            columns.push_back({nullptr, std::nullopt, std::string(header[i]), connectionInput});
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

class RowWriter {
  public:
    RowWriter(const std::string& format, const std::vector<BatchColumn>& columns,
              const engine::Edition& edition)
        : csv_(format == "csv"),
          groups_(groupsOf(columns)),
          columns_(columns),
          csvWriter_(chunk_),
          json_(chunk_) {
        if (csv_) {
            // The given designation is echoed apart from the one the calculation names.
            for (const BatchColumn& column : columns_) {
                csvWriter_.writeField(column.name == "designation" ? "designation_given"
                                                                   : column.name);
            }
            for (const std::string& column : resultColumns(edition, groups_)) {
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
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            csvWriter_.writeField(i < record.size() ? record[i] : std::string_view());
        }
        for (const std::string& value : resultValues(answer, groups_)) {
            csvWriter_.writeField(value);
        }
        csvWriter_.endRecord();
    }

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
    bool csv_;
    ColumnGroups groups_;
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
        if (record[i].empty()) {
            continue;  // an empty cell keeps the start value
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
            document::SplineDocument spline(edition, database);
            SplineAnswer answer = record.size() == columns.size()
                                      ? runRow(spline, requestOfRow(record, columns), edition)
                                      : SplineAnswer{spline, wrongLength(record, columns)};
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
