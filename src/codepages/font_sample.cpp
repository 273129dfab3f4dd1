#include "codepages/font_sample.h"

#include "codepages/utf8_recoding.h"

namespace {

// DOS-866: "Face Рожица?" over a face of double lines, with its zero 72 bytes.
constexpr char fontSample[] =
    "Face \x90\xAE\xA6\xA8\xE6\xA0?\r\n"
    " \xC9\xCD\xCD\xCD\xCD\xCD\xBB\r\n"
    " \xBA \xF8 \xF8 \xBA\r\n"
    " \xBA  \xC1  \xBA\r\n"
    " \xBA \xC8\xCD\xBC \xBA\r\n"
    " \xC8\xCD\xCD\xCD\xCD\xCD\xBC\r\n"
    "  \xD0   \xD0";
static_assert(sizeof fontSample == 72);

}  // namespace

// Windows-1251 lacks the box-drawing characters: there they become look-alikes.
std::string FontSampleText(CodePage codePage) {
  std::string text(fontSample, sizeof fontSample - 1);
  if (codePage == Utf8) {
    std::string utf8;
    AppendPageAsUtf8(Oem, text, utf8);
    return utf8;
  }
  int table = codePage == Ansi ? OemToAnsi : codePage == Koi8 ? OemToKoi8 : NoTable;
  RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), table, NoTable);
  return text;
}
