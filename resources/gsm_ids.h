#pragma once

// Control ids of the GSM page.

namespace tqr::gsm_ids {

inline constexpr int kInstant = 1001;
inline constexpr int kDailyReport = 1002;
inline constexpr int kSendOff = 1003;
inline constexpr int kCountry = 1015;
inline constexpr int kOperator = 1016;
inline constexpr int kInstantMax = 1017;
inline constexpr int kDailyHour = 1018;
inline constexpr int kDailyMinute = 1019;
inline constexpr int kMms = 1020;
inline constexpr int kGprs = 1021;
inline constexpr int kToPhone = 1023;
inline constexpr int kToEmail = 1024;
inline constexpr int kToBoth = 1025;
inline constexpr int kEmailSet = 1026;
inline constexpr int kCustom = 1027;
inline constexpr int kPhones = 1028;
inline constexpr int kEmails = 1029;
inline constexpr int kDefault = 1052;
inline constexpr int kCmdLog = 1053;
inline constexpr int kQmmDbg = 1054;
inline constexpr int kBand = 1055;
inline constexpr int kBandLabel = 1056;
inline constexpr int kMaxSize = 1057;
inline constexpr int kRename = 1058;
inline constexpr int kRenameText = 1059;
inline constexpr int kSmsSwitch = 1061;
inline constexpr int kRenameHint = 1062;
inline constexpr int kMaxSizeHint = 1063;
inline constexpr int kSmsLabel = 1076;

inline constexpr int kAll[] = {
    kInstant, kDailyReport, kSendOff, kCountry,  kOperator,   kInstantMax, kDailyHour,  kDailyMinute, kMms,     kGprs,
    kToPhone, kToEmail,     kToBoth,  kEmailSet, kCustom,     kPhones,     kEmails,     kDefault,     kCmdLog,  kQmmDbg,
    kBand,    kBandLabel,   kMaxSize, kRename,   kRenameText, kSmsSwitch,  kRenameHint, kMaxSizeHint, kSmsLabel};

} // namespace tqr::gsm_ids
