#pragma once

// Control ids of the camera page.

namespace tqr::camera_ids {

inline constexpr int kCameraMode = 1004;
inline constexpr int kPhotoSize = 1005;
inline constexpr int kPhotoBurst = 1006;
inline constexpr int kVideoSize = 1007;
inline constexpr int kVideoLength = 1008;
inline constexpr int kSensitivity = 1009;
inline constexpr int kInterval = 1010;
inline constexpr int kStartStop = 1011;
inline constexpr int kTimeLapse = 1012;
inline constexpr int kStartHour = 1013;
inline constexpr int kStartMinute = 1014;
inline constexpr int kStopHour = 1015;
inline constexpr int kStopMinute = 1016;
inline constexpr int kTimeStamp = 1018;
inline constexpr int kFlashRange = 1019;
inline constexpr int kPassword = 1020;
inline constexpr int kPasswordText = 1033;
inline constexpr int kDefault = 1050;

inline constexpr int kAll[] = {kCameraMode, kPhotoSize, kPhotoBurst, kVideoSize, kVideoLength,  kSensitivity,
                               kInterval,   kStartStop, kTimeLapse,  kStartHour, kStartMinute,  kStopHour,
                               kStopMinute, kTimeStamp, kFlashRange, kPassword,  kPasswordText, kDefault};

} // namespace tqr::camera_ids
