#include "quillon/textio/csv_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <ios>
#include <streambuf>
#include <string_view>

#include "quillon/textio/csv_error.h"

namespace quillon::textio {

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t kByteOrderMarkBytes = 3;

constexpr const char* kTooLong = "记录超过 64 KiB";
constexpr const char* kNulByte = "含有 NUL 字节，不是文本";
constexpr const char* kInvalidUtf8 = "不是有效的 UTF-8 文本";
constexpr const char* kOpenQuote = "引号未闭合";
constexpr const char* kTextAfterQuote = "右引号后应为逗号或行尾";

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// ASCII text that means nothing to CSV: within a field it is copied as a run, not byte by byte.
constexpr std::array<bool, 256> kPlainBytes = [] {
    std::array<bool, 256> plain{};
    for (int byte = 1; byte < 0x80; ++byte) {
        plain[byte] = byte != ',' && byte != '"' && byte != '\r' && byte != '\n';
    }
    return plain;
}();

}  // namespace

CsvReader::CsvReader(std::istream& in) : in_(in), block_(kBlockBytes) {}

bool CsvReader::next(CsvRecord& record) {
    record.clear();
    if (finished_) {
        return false;
    }
    if (!started_) {
        started_ = true;
        skipByteOrderMark();
    }
    for (;;) {
        if (pos_ == end_ && !fill()) {
            return endOfInput(record);
        }
        while (pos_ < end_) {
            takePlainRun(record);
            if (pos_ == end_) {
                break;
            }
            const char c = block_[pos_++];
            const auto byte = static_cast<unsigned char>(c);
            if ((byte >= 0x80 || utf8_.midSequence()) && !utf8_.feed(byte)) {
                fail(line_, kInvalidUtf8);
            }
            if (byte == 0) {
                fail(line_, kNulByte);
            }
            if (isLineEnd(c)) {
                if (lineEnd(c, record)) {
                    return true;
                }
            } else {
                character(c, record);
            }
        }
    }
}

void CsvReader::takePlainRun(CsvRecord& record) {
    if ((state_ != State::Unquoted && state_ != State::Quoted) || utf8_.midSequence()) {
        return;
    }
    const std::size_t start = pos_;
    while (pos_ < end_ && kPlainBytes[static_cast<unsigned char>(block_[pos_])]) {
        ++pos_;
    }
    if (pos_ == start) {
        return;
    }
    recordBytes_ += pos_ - start;
    if (recordBytes_ > kMaxRecordBytes) {
        fail(record.line(), kTooLong);
    }
    record.append(std::string_view(block_.data() + start, pos_ - start));
    previous_ = block_[pos_ - 1];
}

// A line end closes the record unless it stands inside quotes; one after CR belongs to the CR.
bool CsvReader::lineEnd(char c, CsvRecord& record) {
    const bool secondHalfOfCrLf = c == '\n' && previous_ == '\r';
    previous_ = c;
    if (!secondHalfOfCrLf) {
        ++line_;
    }
    if (state_ == State::RecordStart) {
        return false;  // blank line, or the LF of a CR LF that ended the record
    }
    if (state_ == State::Quoted) {
        if (++recordBytes_ > kMaxRecordBytes) {
            fail(record.line(), kTooLong);
        }
        record.append(c);
        return false;
    }
    record.endField();
    state_ = State::RecordStart;
    return true;
}

void CsvReader::character(char c, CsvRecord& record) {
    previous_ = c;
    if (state_ == State::RecordStart) {
        record.clear(line_);
        recordBytes_ = 0;
        state_ = State::FieldStart;
    }
    if (++recordBytes_ > kMaxRecordBytes) {
        fail(record.line(), kTooLong);
    }
    switch (state_) {
        case State::FieldStart:
            if (c == '"') {
                state_ = State::Quoted;
                quoteLine_ = line_;
                return;
            }
            state_ = State::Unquoted;
            [[fallthrough]];
        case State::Unquoted:
            if (c == ',') {
                record.endField();
                state_ = State::FieldStart;
            } else {
                record.append(c);
            }
            return;
        case State::Quoted:
            if (c == '"') {
                state_ = State::QuoteInQuoted;
            } else {
                record.append(c);
            }
            return;
        case State::QuoteInQuoted:
            if (c == '"') {
                record.append(c);
                state_ = State::Quoted;
            } else if (c == ',') {
                record.endField();
                state_ = State::FieldStart;
            } else {
                fail(line_, kTextAfterQuote);
            }
            return;
        case State::RecordStart:
            return;
    }
}

bool CsvReader::endOfInput(CsvRecord& record) {
    finished_ = true;
    if (utf8_.midSequence()) {
        fail(line_, kInvalidUtf8);
    }
    if (state_ == State::Quoted) {
        fail(quoteLine_, kOpenQuote);
    }
    if (state_ == State::RecordStart) {
        return false;
    }
    record.endField();
    state_ = State::RecordStart;
    return true;
}

void CsvReader::fail(std::int64_t line, const char* reason) {
    finished_ = true;
    throw CsvError(line, reason);
}

// A mark split over two reads still counts, so the first bytes are gathered before looking.
void CsvReader::skipByteOrderMark() {
    while (end_ < kByteOrderMarkBytes && readMore()) {
    }
    if (end_ >= kByteOrderMarkBytes &&
        std::memcmp(block_.data(), kByteOrderMark, kByteOrderMarkBytes) == 0) {
        pos_ = kByteOrderMarkBytes;
    }
}

bool CsvReader::fill() {
    pos_ = 0;
    end_ = 0;
    return readMore();
}

// Takes what the stream holds ready, or waits for one byte when it holds nothing: a record piped
// in line by line is read as soon as it ends, not when a whole block has arrived.
bool CsvReader::readMore() {
    std::streambuf* buffer = in_.rdbuf();
    if (inputEnded_ || buffer == nullptr) {
        return false;
    }
    const std::streamsize ready = buffer->in_avail();
    const auto room = static_cast<std::streamsize>(block_.size() - end_);
    const std::streamsize wanted = ready < 0 ? 0 : std::clamp<std::streamsize>(ready, 1, room);
    const std::streamsize got = wanted > 0 ? buffer->sgetn(block_.data() + end_, wanted) : 0;
    if (got <= 0) {
        inputEnded_ = true;
        in_.setstate(std::ios::eofbit);
        return false;
    }
    end_ += static_cast<std::size_t>(got);
    return true;
}

}  // namespace quillon::textio
