#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "quillon/cli/spline_request.h"
#include "quillon/document/connection.h"
#include "quillon/document/measured_size.h"
#include "quillon/textio/quantity.h"

namespace quillon::cli {

// The inputs of a connection and of a measurement: the fit ("9H/8f") and a measured W or M.
enum class ConnectionInput { Fit, MeasuredW, MeasuredM };

// fit, measured_w, measured_m: their rows (key, option, caption, range) in that order.
std::span<const textio::Quantity> connectionInputRows();
const textio::Quantity& connectionInputRow(ConnectionInput input);
std::optional<ConnectionInput> connectionInputByOption(std::string_view option);
std::optional<ConnectionInput> connectionInputByColumn(std::string_view column);

// The connection inputs given for one spline, as typed.
struct ConnectionRequest {
    std::vector<std::pair<ConnectionInput, std::string>> given;
};

// What the checked inputs ask for: the connection of a fit (given, or written in a connection
// designation) and the measured value of the spline's own part.
struct ConnectionPlan {
    std::optional<engine::Fit> fit;
    struct Measured {
        ConnectionInput input = ConnectionInput::MeasuredW;
        double value = 0;
        std::string text;  // as typed, for a message
    };
    std::optional<Measured> measured;

    bool any() const { return fit || measured; }
};

struct ConnectionCheck {
    ConnectionPlan plan;
    std::optional<RequestError> error;
};

// Checks the connection inputs beside the spline's (a fit that reads and whose letters the tables
// know, a measured value above zero, the edition with tolerances, a fit that no designation or
// class contradicts) and gives the spline request the fit's class of its part, so that the part
// shows the same limits alone as in the connection. Every fault is a BadValue naming the input.
ConnectionCheck checkConnection(SplineRequest& spline, const ConnectionRequest& request,
                                const engine::Edition& edition, InputNaming naming);

// A measured value read back as the part's size.
struct Measurement {
    engine::SplineKind part = engine::SplineKind::External;
    document::MeasuredQuantity from = document::MeasuredQuantity::W;
    double value = 0;
    document::MeasuredSize size;
};

// The connection and the measurement of a calculated spline.
struct ConnectionAnswer {
    std::optional<document::Connection> connection;
    std::optional<Measurement> measurement;
};

struct ConnectionRun {
    std::optional<ConnectionAnswer> answer;
    std::optional<RequestError> error;
};

// Runs the plan on the calculated spline. A spline that can be no part of a connection (a helical
// one, a size beyond the tables) is Rejected; a measured value the part cannot give (W of a hub, a
// value beyond its tooth form) is a BadValue naming its input.
ConnectionRun runConnection(const document::SplineDocument& spline, const ConnectionPlan& plan,
                            InputNaming naming);

}  // namespace quillon::cli
