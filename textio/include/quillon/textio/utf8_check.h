#pragma once

#include <cstdint>

namespace quillon::textio {

// Byte-by-byte UTF-8 check after Unicode's table of well-formed sequences: no overlong forms,
// no surrogates, nothing above U+10FFFF. Works across buffer ends, so the reader can stream.
class Utf8Check {
  public:
    // False when `byte` cannot stand here; the check is then ready for a new sequence.
    bool feed(unsigned char byte) {
        if (remaining_ == 0) {
            return byte < 0x80 || start(byte);
        }
        if (byte < low_ || byte > high_) {
            remaining_ = 0;
            return false;
        }
        --remaining_;
        low_ = 0x80;
        high_ = 0xBF;
        return true;
    }

    bool midSequence() const { return remaining_ != 0; }

  private:
    bool start(unsigned char lead) {
        if (lead >= 0xC2 && lead <= 0xDF) {
            expect(1, 0x80, 0xBF);
        } else if (lead == 0xE0) {
            expect(2, 0xA0, 0xBF);  // below: overlong
        } else if (lead == 0xED) {
            expect(2, 0x80, 0x9F);  // above: surrogates
        } else if (lead >= 0xE1 && lead <= 0xEF) {
            expect(2, 0x80, 0xBF);
        } else if (lead == 0xF0) {
            expect(3, 0x90, 0xBF);  // below: overlong
        } else if (lead >= 0xF1 && lead <= 0xF3) {
            expect(3, 0x80, 0xBF);
        } else if (lead == 0xF4) {
            expect(3, 0x80, 0x8F);  // above: beyond U+10FFFF
        } else {
            return false;
        }
        return true;
    }

    void expect(int remaining, unsigned char low, unsigned char high) {
        remaining_ = remaining;
        low_ = low;
        high_ = high;
    }

    int remaining_ = 0;
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;
};

}  // namespace quillon::textio
