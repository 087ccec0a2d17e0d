#pragma once
// Errors carry the text the user sees (UTF-8). Nothing catches them but the
// error report at the dispatch boundary, which shows them in the "Pixolen" box.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EConvertError : public Exception { using Exception::Exception; };   // text is no integer
class EInvalidGraphic : public Exception { using Exception::Exception; }; // file is no bitmap
class EReadError : public Exception { using Exception::Exception; };      // stream ended early
class EWriteError : public Exception { using Exception::Exception; };     // stream write failed
class EFOpenError : public Exception { using Exception::Exception; };     // file cannot be opened
class EFCreateError : public Exception { using Exception::Exception; };   // file cannot be created
class EClipboardException : public Exception { using Exception::Exception; };
class EInvalidOperation : public Exception { using Exception::Exception; }; // row outside a picture

namespace Messages {
inline const char* const ScanLineOutOfRange = "スキャンライン のインデックスが範囲を越えました";
inline const char* const InvalidBitmap = "ビットマップイメージが不正です";
inline const char* const StreamRead = "ストリームからの読み込みエラー";
inline const char* const StreamWrite = "ストリームへの書き込みエラー";
inline const char* const CannotOpenFile = "ファイル %s は開けません";
inline const char* const CannotCreateFile = "ファイル %s を作成できません";
inline const char* const CannotOpenClipboard = "クリップボードを開くことができません";
inline const char* const NotAnInteger = "'%s' は整数ではありません";
}

// Puts one text in place of the single %s of a message.
inline std::string FormatMessage(const char* message, const std::string& argument)
{
    std::string text(message);
    auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, argument);
    return text;
}
