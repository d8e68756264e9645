#include "quillon/cli/command_line.h"

#include <QByteArray>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <fstream>
#include <iostream>
#include <memory>

#include "batch_run.h"
#include "command_options.h"
#include "gbt_command.h"
#include "help_text.h"
#include "quillon/cli/spline_output.h"
#include "quillon/document/connection_report.h"
#include "quillon/document/drawing_data.h"
#include "quillon/document/profile_drawing.h"
#include "quillon/document/zone_diagram_svg.h"
#include "quillon/report/report_file.h"
#include "quillon/textio/json_writer.h"
#include "quillon/tolerance/open_tolerance_database.h"
#include "quillon/version.h"

namespace quillon::cli {
namespace {

class StreamOutput final : public BatchOutput {
  public:
    explicit StreamOutput(std::ostream& out) : out_(out) {}
    bool write(std::string_view text) override {
        return static_cast<bool>(
            out_.write(text.data(), static_cast<std::streamsize>(text.size())));
    }
    bool finish() override { return static_cast<bool>(out_.flush()); }
    std::string failure() const override { return "无法写到标准输出"; }

  private:
    std::ostream& out_;
};

// -o: the new file takes the place of any old one only once it is complete.
class FileOutput final : public BatchOutput {
  public:
    explicit FileOutput(const QString& path) : file_(path) {
        if (!file_.open(QIODevice::WriteOnly)) {
            failure_ = file_.errorString();
        }
    }
    bool opened() const { return failure_.isEmpty(); }
    bool write(std::string_view text) override {
        const auto size = static_cast<qint64>(text.size());
        if (file_.write(text.data(), size) != size) {
            failure_ = file_.errorString();
            file_.cancelWriting();
            return false;
        }
        return true;
    }
    bool finish() override {
        if (!file_.commit()) {
            failure_ = file_.errorString();
            return false;
        }
        return true;
    }
    std::string failure() const override {
        return "文件“" + file_.fileName().toStdString() + "”无法写入：" + failure_.toStdString();
    }

  private:
    QSaveFile file_;
    QString failure_;
};

// `text` and blanks up to `columns` display columns (a wide character counts two).
std::string padded(const std::string& text, std::size_t columns) {
    const std::size_t width = displayWidth(text);
    return text + std::string(width < columns ? columns - width : 1, ' ');
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The drawing's data table: aligned text, tab-separated lines or CSV (as the page copies and
// exports it).
void writeTable(std::ostream& out, const geometry::DrawingTable& table, const std::string& format) {
    if (format == "tsv") {
        out << document::drawingDataTsv(table);
    } else if (format == "csv") {
        out << document::drawingDataCsv(table);
    } else {
        for (const auto& row : table.rows) {
            out << padded(row[0], 16) << padded(row[1], 14) << row[2] << '\n';
        }
    }
}

using OptionalConnection = std::optional<document::Connection>;

// The data table of the spline, or of its part of the connection when there is one.
geometry::DrawingTable dataTable(const document::SplineDocument& spline,
                                 const OptionalConnection& connection) {
    return connection ? document::drawingData(spline, *connection) : document::drawingData(spline);
}

std::optional<int> replaced(const std::string& path, const std::string& text,
                            const QString& fileKind, std::ostream& err) {
    if (const auto failure =
            report::replaceFile(fromUtf8(path), QByteArray::fromStdString(text), fileKind)) {
        err << "quillon-cli: " << failure->toStdString() << '\n';
        return kExitUsage;
    }
    return std::nullopt;
}

// Writes the files the options name; returns the exit code of the first failure, if any.
std::optional<int> writeFiles(const CommandOptions& options, const document::SplineDocument& spline,
                              const OptionalConnection& connection, std::ostream& err) {
    if (options.report) {
        const auto lines =
            connection ? document::reportLines(spline, *connection) : spline.reportLines();
        if (const auto failure = report::writeReportFile(fromUtf8(*options.report), lines)) {
            err << "quillon-cli: " << failure->toStdString() << '\n';
            return kExitUsage;
        }
    }
    for (const auto& [path, format] : {std::pair{options.dxf, document::DrawingFormat::Dxf},
                                       {options.svg, document::DrawingFormat::Svg}}) {
        if (!path) {
            continue;
        }
        const document::SplineProfile profile = spline.profile();
        if (!profile.design.form) {
            err << "quillon-cli: 没有齿形可导出：" << profile.design.problem << '\n';
            return kExitRejected;
        }
        // As the profile page exports it: the DXF with the data table, the SVG without.
        const std::string text =
            document::profileDrawing(*profile.input, *profile.design.form, format,
                                     spline.drawingCreator(), dataTable(spline, connection));
        if (const auto failed = replaced(*path, text, QStringLiteral("齿形文件"), err)) {
            return failed;
        }
    }
    if (options.zones) {
        if (!connection) {
            err << "quillon-cli: 没有配合，无法导出公差带图\n";
            return kExitRejected;
        }
        const std::string text =
            document::zoneDiagramSvg(document::zoneDiagram(*connection), spline.drawingCreator());
        return replaced(*options.zones, text, QStringLiteral("公差带图文件"), err);
    }
    return std::nullopt;
}

int runSingle(const CommandOptions& options, const engine::Edition& edition,
              const document::SplineDocument::Database& database, std::ostream& out,
              std::ostream& err) {
    SplineRequest request = options.spline;
    const ConnectionCheck connection =
        checkConnection(request, options.connection, edition, InputNaming::Option);
    if (connection.error) {
        err << "quillon-cli: " << connection.error->message << '\n';
        return kExitUsage;
    }
    if (options.zones && !connection.plan.fit) {
        err << "quillon-cli: --zones 需要配合：给出 --fit，或带配合的 --designation\n";
        return kExitUsage;
    }
    document::SplineDocument spline(edition, database);
    SplineAnswer answer{spline, runRequest(spline, request, InputNaming::Option), true,
                        std::nullopt, std::nullopt};
    if (answer.error && answer.error->kind == RequestError::Kind::BadValue) {
        err << "quillon-cli: " << answer.error->message << '\n';
        return kExitUsage;
    }
    answer.calculated = !answer.error || answer.error->calculated;
    bool connectionRefused = false;
    if (!answer.error) {
        StrengthAnswer strength = runStrength(spline, options.strength, InputNaming::Option);
        ConnectionRun run = connection.plan.any()
                                ? runConnection(spline, connection.plan, InputNaming::Option)
                                : ConnectionRun{};
        for (const auto& error : {strength.error, run.error}) {
            if (error && error->kind == RequestError::Kind::BadValue) {
                err << "quillon-cli: " << error->message << '\n';
                return kExitUsage;
            }
        }
        answer.strength = std::move(strength.strength);
        connectionRefused = run.error.has_value();
        answer.error = std::move(run.error);
        answer.connection = std::move(run.answer);
    }
    if (!answer.calculated) {  // refused before the run: nothing to show or write
        if (options.json) {
            textio::JsonWriter json(out);
            writeJson(json, answer);
        }
        err << "quillon-cli: " << answer.error->message << '\n';
        return kExitRejected;
    }
    const OptionalConnection none;
    const OptionalConnection& connected = answer.connection ? answer.connection->connection : none;
    if (options.table) {
        writeTable(out, dataTable(spline, connected), *options.table);
    } else if (options.json) {
        textio::JsonWriter json(out);
        writeJson(json, answer);
    } else {
        for (const std::string& message : spline.messages()) {
            err << "系统提示：" << message << '\n';
        }
        if (connectionRefused) {  // the part is shown, and why there is no connection
            err << "quillon-cli: " << answer.error->message << '\n';
        }
        writeText(out, answer);
    }
    out.flush();
    if (const auto failed = writeFiles(options, spline, connected, err)) {
        return *failed;
    }
    return answer.ok() ? kExitOk : kExitRejected;
}

int runBatchOf(const CommandOptions& options, const engine::Edition& edition,
               const document::SplineDocument::Database& database, std::istream& in,
               std::ostream& out, std::ostream& err) {
    std::unique_ptr<std::ifstream> file;
    std::istream* source = &in;
    if (*options.batch != "-") {
        file = std::make_unique<std::ifstream>(std::filesystem::u8path(*options.batch),
                                               std::ios::binary);
        if (!*file || std::filesystem::is_directory(std::filesystem::u8path(*options.batch))) {
            err << "quillon-cli: 无法读取批量输入“" << *options.batch << "”\n";
            return kExitUsage;
        }
        source = file.get();
    }
    if (options.output) {
        FileOutput output(fromUtf8(*options.output));
        if (!output.opened()) {
            err << "quillon-cli: " << output.failure() << '\n';
            return kExitUsage;
        }
        return runBatch(*source, edition, database, options.format, output, err);
    }
    StreamOutput output(out);
    return runBatch(*source, edition, database, options.format, output, err);
}

}  // namespace

int runCommandLine(std::span<const std::string> arguments,
                   const std::filesystem::path& programDirectory, std::istream& in,
                   std::ostream& out, std::ostream& err) {
    CommandOptions options;
    try {
        options = readCommandOptions(arguments);
    } catch (const UsageError& error) {
        err << "quillon-cli: " << error.what() << '\n';
        return kExitUsage;
    }
    if (options.help) {
        out << helpText();
        return kExitOk;
    }
    if (options.version) {
        out << "quillon-cli " << kVersion << '\n';
        return kExitOk;
    }
    try {
        if (asksForGbt(options)) {
            return runGbt(options, out, err);
        }
    } catch (const UsageError& error) {
        err << "quillon-cli: " << error.what() << '\n';
        return kExitUsage;
    }
    const engine::Edition edition =
        options.lite ? engine::Edition::lite() : engine::Edition::tolerance();
    document::SplineDocument::Database database;
    if (edition.hasTolerances()) {
        std::string reason;
        auto loaded = tolerance::openToleranceDatabase(programDirectory, &reason);
        if (!loaded) {
            err << "quillon-cli: " << tolerance::kDatabaseConnectionErrorMessage << "（" << reason
                << "）\n";
            return kExitUsage;
        }
        database = std::make_shared<const tolerance::ToleranceDatabase>(std::move(*loaded));
    }
    return options.batch ? runBatchOf(options, edition, database, in, out, err)
                         : runSingle(options, edition, database, out, err);
}

}  // namespace quillon::cli
