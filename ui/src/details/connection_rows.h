#pragma once

#include <array>
#include <string>
#include <vector>

#include "quillon/document/connection.h"

namespace quillon::ui {

// One row of the page "配合": name, symbol, value with its unit.
using ConnectionRow = std::array<std::string, 3>;

// The connection as the page's table shows it: the designation, then each part (hub first) with
// its class, nominal size, A, T, TE and Teff, its four limits in mm with their deviations in µm
// (as the zone diagram labels them), its W (shaft) and M limits; then the four clearances in mm
// with their angles in arc minutes.
std::vector<ConnectionRow> connectionRows(const document::Connection& connection);

// The header and the rows as tab-separated lines, for the clipboard.
std::string connectionTsv(const std::vector<ConnectionRow>& rows);

}  // namespace quillon::ui
