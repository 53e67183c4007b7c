// The words of every reason a file can fail for on this platform, each reached by an error as
// the system gives it, and the number of an error no reason is known for.

#include "ErrorMessages.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

TEST(FileErrorMessage, EveryReasonHasWordsOfItsOwnAndAnyOtherErrorItsNumber) {
    // In the order of the reasons.
    const std::u16string_view words[] = {
#ifdef _WIN32
        u"檔名中有系統不接受的字元",
        u"檔名中有系統不接受的字元",
        u"檔案正由其他程式使用中",
        u"檔案正由其他程式使用中",
        u"檔案正由其他程式使用中",
        u"超過了您在這個磁碟上可用的配額",
        u"磁碟讀寫失敗（磁碟可能已損壞或被移除）",
        u"磁碟讀寫失敗（磁碟可能已損壞或被移除）",
        u"磁碟讀寫失敗（磁碟可能已損壞或被移除）",
        u"磁碟機尚未就緒（可能沒有放入磁碟）",
#else
        u"超過了您在這個磁碟上可用的配額",
#endif
        u"找不到這個檔案或它所在的資料夾",
        u"沒有存取這個檔案的權限",
        u"沒有存取這個檔案的權限",
        u"這是一個資料夾，不是檔案",
        u"路徑中有一部分不是資料夾",
        u"磁碟空間不足",
        u"磁碟是唯讀的",
        u"路徑或檔名太長",
        u"檔名中有系統不接受的字元",
        u"檔案或裝置正忙碌中",
        u"檔案或裝置正忙碌中",
        u"同時開啟的檔案太多",
        u"同時開啟的檔案太多",
        u"磁碟讀寫失敗（磁碟可能已損壞或被移除）",
        u"無法把檔案搬到另一個磁碟",
        u"已經有同名的檔案",
        u"檔案超過這個磁碟容許的大小",
        u"路徑中的連結太多層，或彼此循環",
        u"找不到檔案所在的裝置",
        u"找不到檔案所在的裝置",
        u"這不是一般的檔案（可能是裝置或管道），無法當作資源檔讀取",
        u"檔案太大，這部電腦的記憶體容納不下",
    };
    const auto reasons = fileErrorReasons();
    ASSERT_EQ(reasons.size(), std::size(words));
    for (std::size_t i = 0; i < reasons.size(); ++i) {
        const std::error_code code(reasons[i].condition.value(), reasons[i].condition.category());
        EXPECT_EQ(fileErrorMessage(FileError(FileError::Operation::Read, u"a.rc", code)),
                  u"無法讀取檔案「a.rc」：" + std::u16string(words[i]) + u"。")
            << code;
    }
    EXPECT_EQ(fileErrorMessage(FileError(FileError::Operation::Write, u"a.rc", {9999, std::system_category()})),
              u"無法寫入檔案「a.rc」：系統錯誤，代碼 9999。");
}

} // namespace
} // namespace velb
