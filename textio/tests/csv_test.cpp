#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "python_reader.h"
#include "quillon/textio/csv_error.h"
#include "quillon/textio/csv_reader.h"
#include "quillon/textio/csv_writer.h"

namespace {

using quillon::textio::CsvError;
using quillon::textio::CsvReader;
using quillon::textio::CsvRecord;
using quillon::textio::CsvWriter;

using Fields = std::vector<std::string>;
using namespace std::string_literals;

struct Row {
    long long line;
    Fields fields;
    bool operator==(const Row&) const = default;
};

// Hands out one byte per read and never tells how much is ready, as a slow pipe does: every
// line end, quote and byte-order mark then falls across a block boundary.
class TrickleBuffer : public std::streambuf {
  public:
    explicit TrickleBuffer(std::string text) : text_(std::move(text)) {}

  protected:
    int_type underflow() override {
        if (pos_ == text_.size()) {
            return traits_type::eof();
        }
        current_ = text_[pos_++];
        setg(&current_, &current_, &current_ + 1);
        return traits_type::to_int_type(current_);
    }

  private:
    std::string text_;
    std::size_t pos_ = 0;
    char current_ = 0;
};

// The rows read from `text`; with `error`, the message of the error that stopped the reading.
std::vector<Row> readRows(std::istream& in, std::string* error = nullptr) {
    CsvReader reader(in);
    CsvRecord record;
    std::vector<Row> rows;
    try {
        while (reader.next(record)) {
            rows.push_back({record.line(), {}});
            for (std::size_t i = 0; i < record.size(); ++i) {
                rows.back().fields.emplace_back(record[i]);
            }
        }
    } catch (const CsvError& e) {
        if (error != nullptr) {
            *error = e.what();
        }
        EXPECT_FALSE(reader.next(record)) << "reading goes on after an error";
    }
    return rows;
}

std::vector<Row> readRows(const std::string& text, bool trickle, std::string* error = nullptr) {
    if (trickle) {
        TrickleBuffer buffer(text);
        std::istream in(&buffer);
        return readRows(in, error);
    }
    std::istringstream in(text);
    return readRows(in, error);
}

const std::string kLongestRecord(CsvReader::kMaxRecordBytes, 'x');

TEST(CsvReader, ReadsRecordsWithTheirLines) {
    struct Case {
        std::string input;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        {"z,m,alpha\r\n20,2,30\r\n", {{1, {"z", "m", "alpha"}}, {2, {"20", "2", "30"}}}},
        {"a,b\n1,2", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"a\rb\r", {{1, {"a"}}, {2, {"b"}}}},
        {"\xEF\xBB\xBFz,m\n", {{1, {"z", "m"}}}},
        {"a\n\xEF\xBB\xBF"
         "b",
         {{1, {"a"}},
          {2,
           {"\xEF\xBB\xBF"
            "b"}}}},
        {"\"W 45x2, DIN 5480\",\"say \"\"hi\"\"\"\n", {{1, {"W 45x2, DIN 5480", "say \"hi\""}}}},
        {"\"one\r\ntwo\rthree\nfour\",x\r\nnext\r\n",
         {{1, {"one\r\ntwo\rthree\nfour", "x"}}, {5, {"next"}}}},
        {",,\n\"\"\n", {{1, {"", "", ""}}, {2, {""}}}},
        {"a\n\n\r\n\rb\n\n", {{1, {"a"}}, {5, {"b"}}}},
        {"", {}},
        {"\r\n\n", {}},
        {"ab\"c, \"d\"\n", {{1, {"ab\"c", " \"d\""}}}},
        {"名称,齿数\n花键,24", {{1, {"名称", "齿数"}}, {2, {"花键", "24"}}}},
        {kLongestRecord + "\r\n1", {{1, {kLongestRecord}}, {2, {"1"}}}},
    };
    for (const Case& c : cases) {
        for (bool trickle : {false, true}) {
            std::string error;
            EXPECT_EQ(readRows(c.input, trickle, &error), c.rows) << c.input << " " << trickle;
            EXPECT_EQ(error, "") << c.input;
        }
    }
}

TEST(CsvReader, RefusesWhatIsNoTableWithTheLine) {
    struct Case {
        std::string input;
        std::string error;
        std::size_t rowsBefore;
    };
    const Case cases[] = {
        {"a\nb\n" + kLongestRecord + "y\n", "第 3 行：记录超过 64 KiB", 2},
        {"a\n\"b\n" + kLongestRecord + "\"\n", "第 2 行：记录超过 64 KiB", 1},
        {"a\nb\0c\n"s, "第 2 行：含有 NUL 字节，不是文本", 1},
        {"a\n\"x\ny\xC3(\"\n", "第 3 行：不是有效的 UTF-8 文本", 1},
        {"a\xC0\xAF\n", "第 1 行：不是有效的 UTF-8 文本", 0},
        {"\xED\xA0\x80\n", "第 1 行：不是有效的 UTF-8 文本", 0},
        {"\xF4\x90\x80\x80\n", "第 1 行：不是有效的 UTF-8 文本", 0},
        {"a\n齿\xE6", "第 2 行：不是有效的 UTF-8 文本", 1},
        {"a\n\"open\nmore", "第 2 行：引号未闭合", 1},
        {"\"a\"b,c\n", "第 1 行：右引号后应为逗号或行尾", 0},
    };
    for (const Case& c : cases) {
        for (bool trickle : {false, true}) {
            std::string error;
            EXPECT_EQ(readRows(c.input, trickle, &error).size(), c.rowsBefore) << c.input;
            EXPECT_EQ(error, c.error) << c.input;
        }
    }
}

// Written by the writer, read back by Python's csv module and by the reader: the same fields.
TEST(CsvWriter, RoundTripsThroughPythonAndTheReader) {
    const std::vector<Fields> records = {
        {"\xEF\xBB\xBF"
         "mark",
         "z", "m"},
        {""},
        {"", ""},
        {" lead", "trail ", "\tTab", "a,b", "say \"hi\"", "\""},
        {"cr\rlf\nboth\r\n", "名称：外花键 W 45x2"},
        {"-1.25e3", "0.1", std::string(5000, 'y')},
    };
    std::ostringstream out;
    CsvWriter::writeByteOrderMark(out);
    CsvWriter writer(out);
    for (const Fields& record : records) {
        for (const std::string& field : record) {
            writer.writeField(field);
        }
        writer.endRecord();
    }
    const std::string text = out.str();

    std::vector<Row> expected;
    for (std::size_t i = 0; i < records.size(); ++i) {
        expected.push_back({0, records[i]});
    }
    std::vector<Row> read = readRows(text, false);
    for (Row& row : read) {
        row.line = 0;
    }
    EXPECT_EQ(read, expected);

    if (!quillon::textio::test::pythonAvailable()) {
        GTEST_SKIP() << "/usr/bin/python3 is missing";
    }
    // Each record as one line of fields in hexadecimal, each field after a "|".
    const auto output = quillon::textio::test::pythonOutput(R"(
import csv, sys
with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:
    for record in csv.reader(f):
        print(''.join('|' + field.encode('utf-8').hex() for field in record))
)",
                                                            text);
    ASSERT_TRUE(output);
    std::string hexLines;
    for (const Fields& record : records) {
        for (const std::string& field : record) {
            hexLines += '|';
            for (unsigned char c : field) {
                static constexpr char kHex[] = "0123456789abcdef";
                hexLines += kHex[c >> 4];
                hexLines += kHex[c & 0xF];
            }
        }
        hexLines += '\n';
    }
    EXPECT_EQ(*output, hexLines);
}

}  // namespace
