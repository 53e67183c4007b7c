#include "ErrorMessages.h"

#include "DecimalText.h"

#include <algorithm>
#include <cerrno>

#ifdef _WIN32
#include <winerror.h>
#endif

namespace velb {

namespace {

constexpr std::u16string_view kNoPermission = u"沒有存取這個檔案的權限";
constexpr std::u16string_view kInvalidName = u"檔名中有系統不接受的字元";
constexpr std::u16string_view kInUse = u"檔案正由其他程式使用中";
constexpr std::u16string_view kBusy = u"檔案或裝置正忙碌中";
constexpr std::u16string_view kQuota = u"超過了您在這個磁碟上可用的配額";
constexpr std::u16string_view kDiskFailure = u"磁碟讀寫失敗（磁碟可能已損壞或被移除）";
constexpr std::u16string_view kTooManyOpen = u"同時開啟的檔案太多";
constexpr std::u16string_view kNoDevice = u"找不到檔案所在的裝置";

std::error_condition refusal(FileRefusal refusal) {
    return {static_cast<int>(refusal), fileRefusalCategory()};
}

#ifdef _WIN32
std::error_condition windows(int code) {
    return {code, std::system_category()};
}
// ERROR_DISK_QUOTA_EXCEEDED, which mingw-w64's headers leave out.
constexpr int kDiskQuotaExceeded = 1295;
#endif

std::u16string reason(std::error_code code) {
    const auto reasons = fileErrorReasons();
    const auto found = std::find_if(reasons.begin(), reasons.end(),
                                    [code](const FileErrorReason& entry) { return code == entry.condition; });
    if (found != reasons.end())
        return std::u16string(found->words);
    return u"系統錯誤，代碼 " + decimalText(code.value());
}

} // namespace

std::span<const FileErrorReason> fileErrorReasons() {
    static const FileErrorReason reasons[] = {
#ifdef _WIN32
        // The library compares a Windows code equal to the generic condition it stands for
        // (ERROR_ACCESS_DENIED to permission_denied, ERROR_DISK_FULL to no_space_on_device, …).
        // These codes it leaves out, or counts as another condition whose words would mislead.
        {windows(ERROR_INVALID_NAME), kInvalidName}, // counted as not found
        {windows(ERROR_BAD_PATHNAME), kInvalidName}, // counted as not found
        {windows(ERROR_SHARING_VIOLATION), kInUse},  // counted as busy
        {windows(ERROR_LOCK_VIOLATION), kInUse},     // counted as busy
        {windows(ERROR_USER_MAPPED_FILE), kInUse},
        {windows(kDiskQuotaExceeded), kQuota},
        {windows(ERROR_WRITE_FAULT), kDiskFailure},
        {windows(ERROR_READ_FAULT), kDiskFailure},
        {windows(ERROR_GEN_FAILURE), kDiskFailure},
        {windows(ERROR_NOT_READY), u"磁碟機尚未就緒（可能沒有放入磁碟）"},
#endif
#ifdef EDQUOT
        {{EDQUOT, std::generic_category()}, kQuota},
#endif
        {std::errc::no_such_file_or_directory, u"找不到這個檔案或它所在的資料夾"},
        {std::errc::permission_denied, kNoPermission},
        {std::errc::operation_not_permitted, kNoPermission},
        {std::errc::is_a_directory, u"這是一個資料夾，不是檔案"},
        {std::errc::not_a_directory, u"路徑中有一部分不是資料夾"},
        {std::errc::no_space_on_device, u"磁碟空間不足"},
        {std::errc::read_only_file_system, u"磁碟是唯讀的"},
        {std::errc::filename_too_long, u"路徑或檔名太長"},
        {std::errc::invalid_argument, kInvalidName},
        {std::errc::device_or_resource_busy, kBusy},
        {std::errc::text_file_busy, kBusy},
        {std::errc::too_many_files_open, kTooManyOpen},
        {std::errc::too_many_files_open_in_system, kTooManyOpen},
        {std::errc::io_error, kDiskFailure},
        {std::errc::cross_device_link, u"無法把檔案搬到另一個磁碟"},
        {std::errc::file_exists, u"已經有同名的檔案"},
        {std::errc::file_too_large, u"檔案超過這個磁碟容許的大小"},
        {std::errc::too_many_symbolic_link_levels, u"路徑中的連結太多層，或彼此循環"},
        {std::errc::no_such_device, kNoDevice},
        {std::errc::no_such_device_or_address, kNoDevice},
        {refusal(FileRefusal::NotRegularFile), u"這不是一般的檔案（可能是裝置或管道），無法當作資源檔讀取"},
        {refusal(FileRefusal::TooLarge), u"檔案太大，這部電腦的記憶體容納不下"},
    };
    return reasons;
}

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
