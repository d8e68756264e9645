#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "../src/help_text.h"
#include "quillon/cli/connection_output.h"
#include "quillon/cli/spline_request.h"
#include "quillon/engine/start_values.h"
#include "quillon/gbt3478/gbt_quantities.h"
#include "quillon/strength/strength_quantities.h"

namespace quillon::cli {
namespace {

std::string manualPage() {
    std::ifstream in(QUILLON_CLI_MANUAL_PAGE);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The manual page is written by hand; it must name every option of the rows, with the spline
// fields' start values, and every batch column of the strength inputs.
TEST(QuantityRows, ManualPageAndHelpNameEveryRow) {
    const std::string page = manualPage();
    ASSERT_FALSE(page.empty());
    const std::string help = helpText();
    for (const SplineInputName& input : splineInputNames()) {
        const textio::Quantity& row = input.quantity;
        EXPECT_NE(page.find("Fl \\-" + std::string(row.option.substr(2))), std::string::npos)
            << row.option;
        EXPECT_NE(help.find("  " + std::string(row.option) + " "), std::string::npos) << row.option;
        if (input.field && !row.defaultText.empty()) {
            EXPECT_EQ(row.defaultText, engine::startText(*input.field)) << row.key;
            EXPECT_NE(page.find("(" + std::string(row.defaultText) + ")"), std::string::npos)
                << row.key;
        }
    }
    for (const strength::InputField field : strength::kInputFields) {
        const textio::Quantity& row = strength::inputQuantity(field);
        EXPECT_NE(page.find("Fl \\-" + std::string(row.option.substr(2))), std::string::npos)
            << row.option;
        EXPECT_NE(page.find(std::string(row.key)), std::string::npos) << row.key;
        EXPECT_NE(help.find("  " + std::string(row.option)), std::string::npos) << row.option;
    }
    for (const textio::Quantity& row : connectionInputRows()) {
        EXPECT_NE(page.find("Fl \\-" + std::string(row.option.substr(2))), std::string::npos)
            << row.option;
        EXPECT_NE(page.find(std::string(row.key)), std::string::npos) << row.key;
        EXPECT_NE(help.find("  " + std::string(row.option) + " "), std::string::npos) << row.option;
    }
    for (const std::string& column : connectionColumns()) {
        EXPECT_NE(page.find(column), std::string::npos) << column;
    }
    for (const gbt3478::InputField field : gbt3478::kInputFields) {
        const textio::Quantity& row = gbt3478::inputQuantity(field);
        EXPECT_NE(page.find("Fl \\-" + std::string(row.option.substr(2))), std::string::npos)
            << row.option;
        EXPECT_NE(help.find(std::string(row.option)), std::string::npos) << row.option;
    }
    EXPECT_NE(page.find("Fl \\-standard"), std::string::npos);
    for (const strength::ResultField field : strength::kResultFields) {
        EXPECT_NE(page.find(strength::resultColumn(field)), std::string::npos)
            << strength::resultColumn(field);
    }
}

}  // namespace
}  // namespace quillon::cli
