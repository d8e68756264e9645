#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The two tables of the strength check: the permissible flank pressure of involute splines and the
// application factor KA. Labels are the user's words; keys are the command-line words.
namespace quillon::strength {

// ---- Permissible flank pressure ----

enum class Joint {
    Fixed,          // 静连接
    Sliding,        // 空载下移动 (sliding, not under load)
    SlidingLoaded,  // 载荷下移动 (sliding under load)
};

// "Poor": shocks, vibration, poor lubrication or poor accuracy.
enum class Conditions { Poor, Medium, Good };

inline constexpr Joint kJoints[] = {Joint::Fixed, Joint::Sliding, Joint::SlidingLoaded};
inline constexpr Conditions kConditions[] = {Conditions::Poor, Conditions::Medium,
                                             Conditions::Good};

// A range of the table, MPa. The check takes the lower end unless the user types a value.
struct PressureRange {
    double low = 0;
    double high = 0;

    friend bool operator==(const PressureRange&, const PressureRange&) = default;
};

// The table's range for the joint, the conditions and hardened or unhardened flanks; none where
// the table has "—" (unhardened flanks sliding under load): then the user must type a value.
std::optional<PressureRange> permissiblePressure(Joint joint, Conditions conditions, bool hardened);

// What the page and the output say where the table has no value.
inline constexpr std::string_view kNoPermissiblePressureNote =
    "未淬硬的齿面不宜在载荷下移动，表中没有许用挤压应力。";

// What "poor" conditions mean, for a tooltip or a help text.
inline constexpr std::string_view kPoorConditionsNote = "差：有冲击、振动，润滑不良或制造精度低。";

std::string_view jointLabel(Joint joint);  // "静连接", "空载下移动", "载荷下移动"
std::string_view jointKey(Joint joint);    // "fixed", "sliding", "sliding-loaded"
std::optional<Joint> jointFromKey(std::string_view key);  // exact key, else none

std::string_view conditionsLabel(Conditions conditions);  // "差", "中等", "良好"
std::string_view conditionsKey(Conditions conditions);    // "poor", "medium", "good"
std::optional<Conditions> conditionsFromKey(std::string_view key);

// ---- Application factor KA ----

// The driving machine (a row of the table).
enum class Driving {
    Uniform,       // electric motor
    LightShocks,   // multi-cylinder engine
    MediumShocks,  // single-cylinder engine
};

// The driven machine (a column of the table).
enum class Driven { Uniform, LightShocks, MediumShocks, HeavyShocks };

inline constexpr Driving kDrivings[] = {Driving::Uniform, Driving::LightShocks,
                                        Driving::MediumShocks};
inline constexpr Driven kDrivens[] = {Driven::Uniform, Driven::LightShocks, Driven::MediumShocks,
                                      Driven::HeavyShocks};

double applicationFactor(Driving driving, Driven driven);

std::string_view drivingLabel(Driving driving);  // "电动机", "多缸内燃机", "单缸内燃机"
std::string_view drivenLabel(Driven driven);  // "均匀载荷", "轻微冲击", "中等冲击", "严重冲击"

// One entry of the editable KA list: "电动机 / 均匀载荷 1.0" and 1.0.
struct ApplicationFactorChoice {
    std::string label;
    double value = 0;
    Driving driving = Driving::Uniform;
    Driven driven = Driven::Uniform;
};

// Every cell of the KA table, row by row; the first is the default 1.0.
const std::vector<ApplicationFactorChoice>& applicationFactorChoices();

}  // namespace quillon::strength
