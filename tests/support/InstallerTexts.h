#pragma once
// The installer's own messages and printer names as the tests expect them:
// the bytes of their code pages, written out independently of the product.

#include <windows.h>

#include <string>

namespace expected {

constexpr char DONE_ENGLISH[] = "The Printer Driver has been installed successfully!";
// 打印机驱动程序安装成功! in GBK
constexpr char DONE_GBK[] = "\xB4\xF2\xD3\xA1\xBB\xFA\xC7\xFD\xB6\xAF\xB3\xCC\xD0\xF2\xB0\xB2\xD7\xB0\xB3\xC9\xB9\xA6!";
// 打印機驅動程序安裝成功! in Big5
constexpr char DONE_BIG5[] = "\xA5\xB4\xA6\x4C\xBE\xF7\xC5\x58\xB0\xCA\xB5\x7B\xA7\xC7\xA6\x77\xB8\xCB\xA6\xA8\xA5\x5C!";
// 副本 (copy) in GBK and in Big5
constexpr char COPY_GBK[] = "\xB8\xB1\xB1\xBE";
constexpr char COPY_BIG5[] = "\xB0\xC6\xA5\xBB";

// The completion message for a message language (0 Chinese, 1 English) on a system language.
inline std::string CompletionMessage(int language, LANGID langSystem)
{
    if (language == 1) return DONE_ENGLISH;
    return langSystem == 0x0804 ? DONE_GBK : DONE_BIG5;
}

// The name of the n-th further printer: "QX710(<copy> n)".
inline std::string CopyName(int language, LANGID langSystem, int n)
{
    const char* copy = language != 0 ? "Copy" : langSystem == 0x0804 ? COPY_GBK : COPY_BIG5;
    return "QX710(" + std::string(copy) + " " + std::to_string(n) + ")";
}

} // namespace expected
