#pragma once

// The sample form that exercises every kind of control, for the framework's
// own tests, and the ids of its controls.

namespace tqr::res {
struct FormTemplate;
}

namespace tqr::sample_ids {

inline constexpr int kSampleForm = 900;

inline constexpr int kFirst = 10;
inline constexpr int kSecond = 11;
inline constexpr int kThird = 12;
inline constexpr int kNumber = 20;
inline constexpr int kName = 21;
inline constexpr int kCount = 22;
inline constexpr int kNotes = 23;
inline constexpr int kSecret = 24;
inline constexpr int kFlag = 30;
inline constexpr int kChoice = 40;
inline constexpr int kAddress = 50;
inline constexpr int kLabel = 60;
inline constexpr int kAct = 61;
inline constexpr int kHidden = 62;
inline constexpr int kGreyed = 63;
inline constexpr int kTabs = 70;

inline constexpr int kAll[] = {kFirst, kSecond, kThird,   kNumber, kName, kCount,  kNotes,  kSecret,
                               kFlag,  kChoice, kAddress, kLabel,  kAct,  kHidden, kGreyed, kTabs};

// Makes the form known to the framework; returns its id.
int register_sample_form();

} // namespace tqr::sample_ids
