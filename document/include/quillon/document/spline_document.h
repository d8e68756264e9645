#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/document/inspection_values.h"
#include "quillon/document/spline_profile.h"
#include "quillon/engine/designation.h"
#include "quillon/engine/edition.h"
#include "quillon/engine/form.h"
#include "quillon/engine/in_memory_form.h"
#include "quillon/engine/run_state.h"
#include "quillon/tolerance/deviation_result.h"
#include "quillon/tolerance/series_column.h"
#include "quillon/tolerance/tolerance_database.h"

namespace quillon::document {

// One spline and everything the programs do with it, without a window: the form it calculates
// (the window's fields, or a form of its own), the edition's rules, the run state, the deviation
// result, the series column and the tolerance database. Every program — the windows, the command
// line, the tests, the benchmarks and the fuzzers — calculates through here; nobody else knows
// the order calculate → deviation calculation.
class SplineDocument final {
  public:
    using Database = std::shared_ptr<const tolerance::ToleranceDatabase>;

    // A document with a form of its own that holds what a freshly started window holds.
    explicit SplineDocument(const engine::Edition& edition, Database database = nullptr);
    // A document that calculates the fields of `form` (a window, which stays the data store).
    SplineDocument(const engine::Edition& edition, engine::Form& form, Database database = nullptr);
    SplineDocument(const SplineDocument&) = delete;
    SplineDocument& operator=(const SplineDocument&) = delete;
    SplineDocument(SplineDocument&&) = default;

    const engine::Edition& edition() const { return edition_; }
    engine::Form& form() { return *form_; }
    const engine::Form& form() const { return *form_; }
    // Every message the calculations showed since the history was last forgotten, in order.
    const std::vector<std::string>& messages() const { return messages_; }
    const engine::RunState& runState() const { return runState_; }
    const tolerance::DeviationResult& deviation() const { return deviation_; }
    const std::string& seriesColumnName() const { return seriesColumn_.name(); }
    // The tolerance database is shared: it is read once per program, never written.
    void setToleranceDatabase(Database database) { database_ = std::move(database); }
    const Database& toleranceDatabase() const { return database_; }

    // "更新数据": the calculation run and, in the edition with tolerances, the deviation
    // calculation as its last step.
    void calculate();
    // "清除数据".
    void clear();
    // The pin diameter for the module and the selected kind, as a module pick or a kind click
    // proposes it (in the display format where the edition formats it); `startValue`: as the
    // freshly started window writes it, as plain number text.
    void proposePinDiameter(bool startValue = false);
    // Call on every change of the series letter's text (see SeriesColumn).
    void seriesLetterChanged(std::string_view letterText);
    // Selects the kind as a click on its option does.
    void selectKind(engine::SplineKind kind);
    // Forgets the messages shown so far and, in a form of its own, the writes it recorded (a
    // long run of calculations need not keep them).
    void forgetHistory();
    // Writes a field as a user types it; the series letter is followed as the window follows it.
    void setText(engine::Field field, const std::string& text);

    // Writes a DIN 5480 designation into the fields as a user would (kind, z, m, α, β = 0, x, the
    // pin diameter proposed for the module, and the tolerance when it gives one and the edition
    // has tolerances).
    void writeDesignation(const engine::SplineDesignation& designation);
    // Why the document cannot take the designation: a tolerance whose series letter the
    // tolerance tables lack (in the edition with tolerances). None when it can.
    std::optional<std::string> designationRefusal(
        const engine::SplineDesignation& designation) const;
    // writeDesignation, then calculate; or the refusal, with nothing written.
    std::optional<std::string> applyDesignation(const engine::SplineDesignation& designation);

    // The program a drawing names as its creator ("quillon 1.0.0", "quillon-lite 1.0.0"): the
    // window's and the command line's drawings of one spline are the same, byte for byte.
    std::string drawingCreator() const;

    // The lines of the edition's file report as the report command would write them now (UTF-8).
    std::vector<std::string> reportLines() const;
    // The DIN 5480 designation of the spline, or why it has none.
    engine::FormDesignation designation() const;
    // The tooth form, from the calculation's own numbers; with `checked`, what it says about the
    // span anvils and the pins (the warnings).
    SplineProfile profile(bool checked = true) const;
    // The inspection dimensions; the profile's measurement check gives the warnings.
    InspectionValues inspection() const { return inspection(profile()); }
    InspectionValues inspection(const SplineProfile& profile) const;

  private:
    engine::Edition edition_;
    std::unique_ptr<engine::InMemoryForm> ownForm_;
    engine::Form* form_;
    engine::RunState runState_;
    tolerance::DeviationResult deviation_;
    tolerance::SeriesColumn seriesColumn_;
    Database database_;
    std::vector<std::string> messages_;
};

}  // namespace quillon::document
