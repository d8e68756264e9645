// Arbitrary texts in every input field, both editions and both kinds, several runs in a row on
// one document, with the deviation calculation, the report and the inspection values. Nothing may
// crash or hang, and every result field must hold a text that reads as a finite number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <memory>

#include "quillon/document/spline_document.h"
#include "quillon/engine/field_text.h"

using namespace quillon::engine;

namespace {

using quillon::engine::Field;

constexpr Field kInputs[] = {Field::z, Field::m,  Field::alpha, Field::haStar,       Field::beta,
                             Field::x, Field::cn, Field::dp,    Field::seriesLetter, Field::grade};
constexpr Field kResults[] = {Field::d,  Field::da, Field::df, Field::db, Field::ha,
                              Field::hf, Field::h,  Field::W,  Field::M,  Field::xm};

// Splits the input at '|' into field texts; the first byte of each run chooses edition and kind.
class Reader {
  public:
    explicit Reader(std::string_view data) : data_(data) {}
    bool done() const { return data_.empty(); }
    std::string next() {
        const std::size_t bar = data_.find('|');
        std::string text(data_.substr(0, bar));
        data_ = bar == std::string_view::npos ? std::string_view() : data_.substr(bar + 1);
        return text;
    }

  private:
    std::string_view data_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const auto database = std::make_shared<const quillon::tolerance::ToleranceDatabase>(
        quillon::tolerance::ToleranceDatabase::load(QUILLON_FUZZ_DB_FILE));
    const bool lite = size > 0 && (bytes[0] & 1u);
    quillon::document::SplineDocument spline(
        lite ? quillon::engine::Edition::lite() : quillon::engine::Edition::tolerance(),
        lite ? nullptr : database);
    Reader reader(std::string_view(reinterpret_cast<const char*>(bytes), size));
    for (int run = 0; run < 4 && !reader.done(); ++run) {
        const std::string choice = reader.next();
        const unsigned selector = choice.empty() ? 0u : static_cast<unsigned char>(choice[0]);
        spline.selectKind((selector & 2u) ? quillon::engine::SplineKind::Internal
                                          : quillon::engine::SplineKind::External);
        for (Field field : kInputs) {
            if (!reader.done()) {
                spline.setText(field, reader.next());
            }
        }
        spline.forgetHistory();
        spline.calculate();
        (void)spline.reportLines();
        (void)spline.inspection();
        for (Field field : kResults) {
            if (!std::isfinite(quillon::engine::readNumber(spline.form().text(field)))) {
                std::abort();
            }
        }
    }
    return 0;
}
