#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/strength/mating_geometry.h"
#include "quillon/strength/strength_tables.h"

// The strength check of a straight involute spline connection: the mean flank pressure in the form
// of the machine-element textbooks (Niemann; Chinese textbooks write ψ for φ), and the torsion of
// the shaft at its root.
//   dm = (da1 + da2)/2,  h' = (da1 − da2)/2 − c1 − c2,  Ft = 2000·T/dm
//   p = KA·Ft/(z·h'·l·φ),  S = [p]/p
//   T_max = [p]·z·h'·l·φ·dm/(2000·KA),  l_min = 2000·KA·T/(dm·z·h'·φ·[p])
//   τ = 16000·KA·T·df1/(π·(df1⁴ − di⁴)),  S_τ = Re/(√3·τ)
// Units: mm, N, N·m, MPa, kW, min⁻¹.
namespace quillon::strength {

// The method's name, on the page and in every output.
inline constexpr std::string_view kMethod =
    "齿面平均挤压应力法（Niemann：p = KA·Ft/(z·h'·l·φ)），直齿渐开线花键";

// Why a helical spline is not checked.
inline constexpr std::string_view kHelicalNotChecked =
    "斜齿花键（β ≠ 0）不做强度校核：本方法只适用于直齿渐开线花键。";

// kHelicalNotChecked for a helix angle β (degrees) other than 0, else none.
std::optional<std::string_view> notCheckedReason(double beta);

// The user's inputs. An empty optional is a field left empty; whether a text is a number is the
// caller's to decide (textio::strictNumber).
struct StrengthInput {
    std::optional<double> torque;  // T, N·m; or else power and speed
    std::optional<double> power;   // P, kW
    std::optional<double> speed;   // n, min⁻¹
    double length = 0;             // l, engaged length, mm
    double ka = 1.0;               // application factor KA
    double loadShare = 0.75;       // φ, share of carrying teeth, 0.5 to 1
    double chamferShaft = 0;       // c1, tip chamfer or rounding of the shaft, mm
    double chamferHub = 0;         // c2, tip chamfer or rounding of the hub, mm
    Joint joint = Joint::Fixed;
    Conditions conditions = Conditions::Medium;
    bool hardened = false;
    std::optional<double> pAllowed;  // [p], MPa; overrides the table's lower end
    double bore = 0;                 // di, bore of a hollow shaft, mm
    std::optional<double> yield;     // Re, MPa; the torsion safety is checked only with it
    double safetyMin = 1.5;          // the required S_τ
};

// The input fields. Their keys are the command-line option names without the dashes.
enum class InputField {
    Torque,
    Power,
    Speed,
    Length,
    Ka,
    LoadShare,
    ChamferShaft,
    ChamferHub,
    Joint,
    Conditions,
    Hardened,
    PAllowed,
    Bore,
    Yield,
    SafetyMin,
};

inline constexpr InputField kInputFields[] = {
    InputField::Torque, InputField::Power,      InputField::Speed,        InputField::Length,
    InputField::Ka,     InputField::LoadShare,  InputField::ChamferShaft, InputField::ChamferHub,
    InputField::Joint,  InputField::Conditions, InputField::Hardened,     InputField::PAllowed,
    InputField::Bore,   InputField::Yield,      InputField::SafetyMin,
};

std::string_view fieldKey(InputField field);  // "torque", "load-share", "p-allowed", ...
std::optional<InputField> fieldFromKey(std::string_view key);
std::string_view fieldCaption(InputField field);  // "转矩 T", "承载齿比例 φ", ...

// What is wrong with the inputs, in the user's words. No field: the spline's own numbers (from
// the calculation) cannot carry the check, or the numbers together leave the range of a double.
struct InputProblem {
    std::optional<InputField> field;
    std::string message;

    friend bool operator==(const InputProblem&, const InputProblem&) = default;
};

enum class FailedCheck { Pressure, Torsion };

std::string_view checkKey(FailedCheck check);  // "pressure", "torsion"

// Every number finite; p, S, τ and S_τ above zero.
struct StrengthResult {
    double torque = 0;                    // T, N·m: as given, or 9549.3·P/n
    double meanDiameter = 0;              // dm, mm
    double contactHeight = 0;             // h', mm
    double force = 0;                     // Ft, N
    double pressure = 0;                  // p, MPa
    double pAllowed = 0;                  // [p], MPa
    bool pAllowedTyped = false;           // the user's value rather than the table's lower end
    std::optional<PressureRange> pRange;  // the table's range; none for "—"
    double safety = 0;                    // S = [p]/p
    double torqueMax = 0;                 // T_max, N·m
    double lengthMin = 0;                 // l_min, mm
    double tau = 0;                       // τ, MPa
    std::optional<double> tauSafety;      // S_τ, with a yield strength only
    double safetyMin = 0;                 // the required S_τ
    bool ok = false;
    std::vector<FailedCheck> failed;  // in the order pressure, torsion
    std::string verdict;  // "通过", or "不通过：齿面挤压（S = 0.85 < 1）；…"
};

// Either problems (then no result) or the result (then no problems).
struct StrengthCheck {
    std::vector<InputProblem> problems;
    std::optional<StrengthResult> result;
};

// The check of a straight spline with z teeth and the pair's diameters (see matingGeometry).
StrengthCheck check(const StrengthInput& input, double z, const MatingGeometry& pair);

}  // namespace quillon::strength
