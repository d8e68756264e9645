#include "quillon/strength/strength_tables.h"

#include <cstddef>

#include "quillon/engine/field_text.h"

namespace quillon::strength {
namespace {

using Cell = std::optional<PressureRange>;

// Involute splines, MPa: [joint][conditions poor, medium, good], unhardened then hardened flanks.
constexpr Cell kUnhardened[3][3] = {
    {PressureRange{35, 50}, PressureRange{60, 100}, PressureRange{80, 120}},
    {PressureRange{15, 20}, PressureRange{20, 30}, PressureRange{25, 40}},
    {std::nullopt, std::nullopt, std::nullopt},
};
constexpr Cell kHardened[3][3] = {
    {PressureRange{40, 70}, PressureRange{100, 140}, PressureRange{120, 200}},
    {PressureRange{20, 35}, PressureRange{30, 60}, PressureRange{40, 70}},
    {PressureRange{3, 10}, PressureRange{5, 15}, PressureRange{10, 20}},
};

// [driving][driven]
constexpr double kApplicationFactors[3][4] = {
    {1.0, 1.2, 1.5, 1.8},
    {1.2, 1.3, 1.8, 2.1},
    {2.0, 2.2, 2.4, 2.8},
};

constexpr std::string_view kJointKeys[] = {"fixed", "sliding", "sliding-loaded"};
constexpr std::string_view kJointLabels[] = {"静连接", "空载下移动", "载荷下移动"};
constexpr std::string_view kConditionsKeys[] = {"poor", "medium", "good"};
constexpr std::string_view kConditionsLabels[] = {"差", "中等", "良好"};
constexpr std::string_view kDrivingLabels[] = {"电动机", "多缸内燃机", "单缸内燃机"};
constexpr std::string_view kDrivenLabels[] = {"均匀载荷", "轻微冲击", "中等冲击", "严重冲击"};

template <typename E>
constexpr std::size_t index(E value) {
    return static_cast<std::size_t>(value);
}

}  // namespace

std::optional<PressureRange> permissiblePressure(Joint joint, Conditions conditions,
                                                 bool hardened) {
    return (hardened ? kHardened : kUnhardened)[index(joint)][index(conditions)];
}

std::string_view jointLabel(Joint joint) {
    return kJointLabels[index(joint)];
}

std::string_view jointKey(Joint joint) {
    return kJointKeys[index(joint)];
}

std::optional<Joint> jointFromKey(std::string_view key) {
    for (Joint joint : kJoints) {
        if (jointKey(joint) == key) {
            return joint;
        }
    }
    return std::nullopt;
}

std::string_view conditionsLabel(Conditions conditions) {
    return kConditionsLabels[index(conditions)];
}

std::string_view conditionsKey(Conditions conditions) {
    return kConditionsKeys[index(conditions)];
}

std::optional<Conditions> conditionsFromKey(std::string_view key) {
    for (Conditions conditions : kConditions) {
        if (conditionsKey(conditions) == key) {
            return conditions;
        }
    }
    return std::nullopt;
}

double applicationFactor(Driving driving, Driven driven) {
    return kApplicationFactors[index(driving)][index(driven)];
}

std::string_view drivingLabel(Driving driving) {
    return kDrivingLabels[index(driving)];
}

std::string_view drivenLabel(Driven driven) {
    return kDrivenLabels[index(driven)];
}

const std::vector<ApplicationFactorChoice>& applicationFactorChoices() {
    static const std::vector<ApplicationFactorChoice> choices = [] {
        std::vector<ApplicationFactorChoice> list;
        for (Driving driving : kDrivings) {
            for (Driven driven : kDrivens) {
                const double value = applicationFactor(driving, driven);
                std::string label(drivingLabel(driving));
                label.append(" / ").append(drivenLabel(driven)).append(" ");
                label.append(engine::formatNumber(value, 1));
                list.push_back({label, value, driving, driven});
            }
        }
        return list;
    }();
    return choices;
}

}  // namespace quillon::strength
