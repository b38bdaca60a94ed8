// The stash library's fixed texts, as code page 936 bytes.
#pragma once

namespace stash_text {
inline constexpr char kLiveStashName[] = "sharedstash.bin";
inline constexpr char kCandidatePattern[] = "\\*.bin";
inline constexpr char kBinEnding[] = ".bin";
inline constexpr char kBackupFolderName[] = "tarnwick-backups";
// 替换成功!
inline constexpr char kReplaced[] = "\xcc\xe6\xbb\xbb\xb3\xc9\xb9\xa6!";
// 保存成功!
inline constexpr char kSaved[] = "\xb1\xa3\xb4\xe6\xb3\xc9\xb9\xa6!";
// 箱子已经存在 请改名!
inline constexpr char kAlreadyExists[] =
    "\xcf\xe4\xd7\xd3\xd2\xd1\xbe\xad\xb4\xe6\xd4\xda \xc7\xeb\xb8\xc4\xc3\xfb!";
// 输入另存箱子的名称::
inline constexpr char kSaveAsPrompt[] = "\xca\xe4\xc8\xeb\xc1\xed\xb4\xe6\xcf\xe4\xd7\xd3\xb5\xc4\xc3\xfb\xb3\xc6::";
// 另存共享箱子:
inline constexpr char kSaveAsTitle[] = "\xc1\xed\xb4\xe6\xb9\xb2\xcf\xed\xcf\xe4\xd7\xd3:";
// 信息：
inline constexpr char kNoticeCaption[] = "\xd0\xc5\xcf\xa2\xa3\xba";
// 请输入：
inline constexpr char kAskTextDefaultCaption[] = "\xc7\xeb\xca\xe4\xc8\xeb\xa3\xba";
// 确认输入(&O)
inline constexpr char kConfirmButton[] = "\xc8\xb7\xc8\xcf\xca\xe4\xc8\xeb(&O)";
// 取消(&C)
inline constexpr char kCancelButton[] = "\xc8\xa1\xcf\xfb(&C)";
}  // namespace stash_text
