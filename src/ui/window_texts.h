// The main window's fixed texts, as code page 936 bytes.
#pragma once

namespace window_text {
// "Tarnwick:    " and the credit line
inline constexpr char kCaption[] = "Tarnwick:    made by the Tarnwick team";
// 把真正使用的箱子复制保存:
inline constexpr char kSaveAsHint[] = "\xb0\xd1\xd5\xe6\xd5\xfd\xca\xb9\xd3\xc3\xb5\xc4\xcf\xe4\xd7\xd3\xb8\xb4\xd6\xc6\xb1\xa3\xb4\xe6:";
// 另存
inline constexpr char kSaveAs[] = "\xc1\xed\xb4\xe6";
// 替换
inline constexpr char kReplace[] = "\xcc\xe6\xbb\xbb";
// 必须小小退以后再替换!!
inline constexpr char kWarning[] = "\xb1\xd8\xd0\xeb\xd0\xa1\xd0\xa1\xcd\xcb\xd2\xd4\xba\xf3\xd4\xd9\xcc\xe6\xbb\xbb!!";
// 共享箱子:
inline constexpr char kStash[] = "\xb9\xb2\xcf\xed\xcf\xe4\xd7\xd3:";
// 浏览
inline constexpr char kBrowse[] = "\xe4\xaf\xc0\xc0";
// 箱子路径:
inline constexpr char kPath[] = "\xcf\xe4\xd7\xd3\xc2\xb7\xbe\xb6:";
// 选择箱子
inline constexpr char kChooseStash[] = "\xd1\xa1\xd4\xf1\xcf\xe4\xd7\xd3";
}  // namespace window_text
