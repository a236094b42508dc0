// The texts and icons of the calculate command's message boxes.
#pragma once

// Icon flags of the platform's message box (MB_ICONERROR, MB_ICONINFORMATION); with MB_OK, which is 0.
constexpr unsigned kIconError = 0x10;
constexpr unsigned kIconInformation = 0x40;

constexpr const char kMsgNoInputFile[] = "入力ファイルを指定してください";
constexpr const char kMsgPathTooLong[] = "ファイルパスが長すぎます";
constexpr const char kMsgFileNotFound[] = "入力ファイルが見つかりません";
constexpr const char kMsgAddressMissing[] = "開始または終了アドレスが入力されていません";
constexpr const char kMsgAddressInvalid[] = "開始と終了アドレスが不正です";
constexpr const char kMsgReadFailed[] = "入力ファイルの読み込みに失敗しました";
constexpr const char kMsgCompleted[] = "Completed End !";
