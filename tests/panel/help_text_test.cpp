// The help (F1) of the window and of the page: one text, apart from where the
// settings are kept.
#include <gtest/gtest.h>

#include <string>

#include "panel/azimuth_words.h"
#include "panel/help_text.h"

namespace skycalc {
namespace {

// The window writes the model with the site and zone when its close box
// closes it (CSkyCalcWindow::closeEvent; WindowTest.SecondWindowsCloseKeeps-
// TheFirstWindowsChanges); its help said only the site and zone were kept.
TEST(HelpText, WindowHelpNamesTheModelAmongTheSavedSettings) {
  const struct {
    FrontEnd frontEnd;
    const char* saving;
  } cases[] = {{FrontEnd::kWindow, "経度・緯度・方位と標準時、計算方法は、ウィンドウを閉じるボタンで閉じたときに保存されます"},
               {FrontEnd::kPage, "経度・緯度・方位と標準時、計算方法は、ページを閉じたとき"}};
  std::string common[2];
  for (int i = 0; i < 2; ++i) {
    const std::string text = HelpText(cases[i].frontEnd);
    const std::size_t at = text.find(cases[i].saving);
    ASSERT_NE(at, std::string::npos) << i;
    EXPECT_EQ(text.substr(text.size() - AzimuthOriginHelp().size()), AzimuthOriginHelp()) << i;
    common[i] = text.substr(0, at);
    // What the page's help alone said: the years of the 暦 box.
    EXPECT_NE(text.find("参考の旧暦と六曜を、設定した標準時で表示します(1000年～2999年)"), std::string::npos) << i;
  }
  EXPECT_EQ(common[0], common[1]);
}

}  // namespace
}  // namespace skycalc
