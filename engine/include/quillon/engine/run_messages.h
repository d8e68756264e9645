#pragma once

// The messages a calculation run shows the user (title "系统提示"), in the order the run checks
// its inputs. The window shows them as they stand; tests compare against these same texts.
namespace quillon::engine::run_messages {

inline constexpr char kToothCountTooSmall[] = "请输入花键齿数!";
inline constexpr char kHelixAngleInvalid[] = "螺旋角无效!";
// The pressure-angle message differs by kind: a shaft's angle is "wrongly entered", a hub's
// "does not exist".
inline constexpr char kPressureAngleInvalidShaft[] = "压力角输入有误!";
inline constexpr char kPressureAngleInvalidHub[] = "压力角不存在!";
inline constexpr char kProfileShiftOutsideDin5480[] = "变位系数不符合DIN5480标准！";

}  // namespace quillon::engine::run_messages
