#include "ErrorMessages.h"

namespace velb {

namespace {

std::u16string reason(std::error_code code) {
    if (code == std::errc::no_such_file_or_directory)
        return u"找不到這個檔案或它所在的資料夾";
    if (code == std::errc::permission_denied || code == std::errc::operation_not_permitted)
        return u"沒有存取這個檔案的權限";
    if (code == std::errc::is_a_directory)
        return u"這是一個資料夾，不是檔案";
    if (code == std::errc::not_a_directory)
        return u"路徑中有一部分不是資料夾";
    if (code == std::errc::no_space_on_device)
        return u"磁碟空間不足";
    if (code == std::errc::read_only_file_system)
        return u"磁碟是唯讀的";
    if (code == std::errc::filename_too_long)
        return u"路徑或檔名太長";
    if (code == FileRefusal::NotRegularFile)
        return u"這不是一般的檔案（可能是裝置或管道），無法當作資源檔讀取";
    if (code == FileRefusal::TooLarge)
        return u"檔案太大，這部電腦的記憶體容納不下";
    const std::string number = std::to_string(code.value());
    return u"系統錯誤，代碼 " + std::u16string(number.begin(), number.end());
}

} // namespace

std::u16string fileErrorMessage(const FileError& error) {
    const std::u16string action = error.operation() == FileError::Operation::Read ? u"無法讀取檔案" : u"無法寫入檔案";
    return action + u"「" + displayName(error.path()) + u"」：" + reason(error.code()) + u"。";
}

std::u16string unsupportedCodePageMessage(const UnsupportedCodePage& error) {
    const std::string& name = error.name();
    return u"不支援代碼頁 " + std::u16string(name.begin(), name.end()) +
           u"：本程式只能原封不動地讀寫單位元組、雙位元組和 UTF-8 代碼頁的檔案。";
}

} // namespace velb
